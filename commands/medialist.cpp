#include "commands/medialist.h"

#include <string>

#include "commands/delimitedtext.h"
#include "commands/fixedfield.h"

namespace {

// Every item fits `width` characters; otherwise the refusal names the first that does not.
bool allFit(const std::vector<t_string>& items, std::size_t width, const char* what,
            t_string& why) {
    for (const t_string& item : items) {
        if (item.size() > width) {
            why = t_string(what != nullptr ? what : "") + " longer than " + std::to_string(width) +
                  " characters: " + item;
            return false;
        }
    }
    return true;
}

}  // namespace

MediaList::MediaList() : list{}, statement{} {}

void MediaList::reset(char mediaType) {
    list = sqlu_media_list{};
    list.media_type = mediaType;
    media.clear();
    locations.clear();
    vendor.clear();
    statementText.clear();
    statement = sqlu_statement_entry{};
}

bool MediaList::buildLocal(const t_string& commaList, Reserve reserve, const char* what,
                           t_string& why) {
    return buildLocal(DelimitedText::split(commaList, ','), reserve, what, why);
}

bool MediaList::buildLocal(const std::vector<t_string>& items, Reserve reserve, const char* what,
                           t_string& why) {
    reset(SQLU_LOCAL_MEDIA);
    if (!allFit(items, SQLU_DB_DIR_LEN, what, why)) {
        return false;
    }
    media.assign(items.size(), sqlu_media_entry{});
    for (std::size_t i = 0; i < items.size(); ++i) {
        copyToField(media[i].media_entry, items[i]);
        media[i].reserve_len =
            reserve == Reserve::kItemLength ? static_cast<sqluint32>(items[i].size()) : 0;
    }
    list.sessions = static_cast<sqlint32>(media.size());
    list.target.media = media.empty() ? nullptr : media.data();
    return true;
}

bool MediaList::buildLocations(char mediaType, const t_string& commaList, const char* what,
                               t_string& why) {
    return buildLocations(mediaType, DelimitedText::split(commaList, ','), what, why);
}

bool MediaList::buildLocations(char mediaType, const std::vector<t_string>& items, const char* what,
                               t_string& why) {
    reset(mediaType);
    if (!allFit(items, SQLU_MEDIA_LOCATION_LEN, what, why)) {
        return false;
    }
    locations.assign(items.size(), sqlu_location_entry{});
    for (std::size_t i = 0; i < items.size(); ++i) {
        copyToField(locations[i].location_entry, items[i]);
    }
    list.sessions = static_cast<sqlint32>(locations.size());
    list.target.location = locations.empty() ? nullptr : locations.data();
    return true;
}

void MediaList::buildStatement(const t_string& statementTextIn) {
    reset(SQLU_SQL_STMT);
    statementText.assign(statementTextIn.begin(), statementTextIn.end());
    statementText.push_back('\0');
    statement.length = static_cast<sqluint32>(statementTextIn.size());
    statement.pEntry = statementText.data();
    list.sessions = 1;
    list.target.pStatement = &statement;
}

bool MediaList::buildVendor(const t_string& library, sqlint32 sessions, const char* what,
                            t_string& why) {
    reset(SQLU_OTHER_MEDIA);
    if (!allFit({library}, SQLU_SHR_LIB_LEN, what, why)) {
        return false;
    }
    vendor.assign(1, sqlu_vendor{});
    copyToField(vendor[0].shr_lib, library);
    list.sessions = sessions;
    list.target.vendor = vendor.data();
    return true;
}

void MediaList::buildSessionsOnly(char mediaType, sqlint32 sessions) {
    reset(mediaType);
    list.sessions = sessions;
}
