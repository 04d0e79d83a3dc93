#include "commands/recovery/db2settablespacecontainerscmd.h"

#include <algorithm>
#include <cctype>

#include "commands/delimitedtext.h"
#include "commands/digittext.h"
#include "commands/fieldnumber.h"
#include "commands/fixedfield.h"
#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandSetTablespaceContainers";
// A container name fills name but its last byte, which stays the terminator.
constexpr std::size_t kNameWidth = sizeof(SQLB_TBSCONTQRY_DATA::name) - 1;

bool isTrue(const t_string& text) {
    static const char kTrue[] = "true";
    return text.size() == 4 && std::equal(text.begin(), text.end(), kTrue, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

}  // namespace

CDB2SetTablespaceContainersCmd::CDB2SetTablespaceContainersCmd(
    const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
    const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2SetTablespaceContainersCmd::containerData(const t_string& names, const t_string& pages,
                                                   const t_string& files,
                                                   std::vector<SQLB_TBSCONTQRY_DATA>& out,
                                                   t_string& why) {
    const std::vector<t_string> nameItems = DelimitedText::split(names);
    const std::vector<t_string> pageItems = DelimitedText::split(pages);
    const std::vector<t_string> fileItems = DelimitedText::split(files);
    out.assign(nameItems.size(), SQLB_TBSCONTQRY_DATA{});
    const bool paths = pages.empty();
    if (!paths && (pageItems.size() < nameItems.size() || fileItems.size() < nameItems.size())) {
        why = "set table space containers: " + std::to_string(nameItems.size()) +
              " containers, but " + std::to_string(pageItems.size()) + " page counts and " +
              std::to_string(fileItems.size()) + " file flags";
        return false;
    }
    for (std::size_t i = 0; i < nameItems.size(); ++i) {
        if (nameItems[i].size() > kNameWidth) {
            why = "container name longer than " + std::to_string(kNameWidth) +
                  " characters: " + nameItems[i];
            return false;
        }
        copyToField(out[i].name, nameItems[i]);
        if (paths) {
            out[i].contType = SQLB_CONT_PATH;
            continue;
        }
        if (DelimitedText::trim(pageItems[i]).empty()) {
            why = "page count list: container " + nameItems[i] + " has no page count";
            return false;
        }
        if (!DigitText::parse(pageItems[i], "page count list", out[i].totalPages, why)) {
            return false;
        }
        out[i].contType = isTrue(fileItems[i]) ? SQLB_CONT_FILE : SQLB_CONT_DISK;
    }
    return true;
}

bool CDB2SetTablespaceContainersCmd::SetupData() {
    const tarvinex::JavaObject set(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    ignore = set.callBooleanMethod("getIgnore", JNI_FALSE);
    static_cast<void>(set.callBooleanMethod("getRollforward", JNI_FALSE));  // takes no part
    if (!FieldNumber::narrow(getEnv(), "getTablespaceId",
                             set.callIntegerMethod("getTablespaceId", 0), tablespaceId)) {
        return false;
    }
    const t_string names = set.callStringMethod("getContainersString");
    const t_string pages = set.callStringMethod("getNumberPagesString");
    const t_string files = set.callStringMethod("getFileString");
    if (ExceptionOccurred()) {
        return false;
    }
    t_string why;
    if (!containerData(names, pages, files, containers, why)) {
        throwJavaException(why.c_str());
        return false;
    }
    return true;
}

bool CDB2SetTablespaceContainersCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2SetTablespaceContainersCmd::FreeData(bool) {}

bool CDB2SetTablespaceContainersCmd::CallDB2API() {
    const sqluint32 options = ignore ? SQLB_SET_CONT_FINAL_STATE : SQLB_SET_CONT_INIT_STATE;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().SetTablespaceContainers(
        &ca, options, tablespaceId, static_cast<sqluint32>(containers.size()),
        containers.empty() ? nullptr : containers.data());
    return checkDB2Call(rc, ca);
}
