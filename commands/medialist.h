// An sqlu_media_list and the entries it points to, owned together: the list's address and its
// target stay valid for the owner's life, which the owning command keeps until FreeData. Not
// copied or moved (the list points into the owner).
//
// Before a build the list is media_type 0, sessions 0, no target. Each build replaces what the
// owner held. A text that does not fit its DB2 field is refused with a message
//   "<what> longer than 215 characters: <text>"
// rather than cut: a cut path may name another directory. On refusal the owner holds the empty
// list of the kind asked.
#pragma once

#include <cstddef>
#include <vector>

#include "db2api/db2structs.h"
#include "base/stdafx.h"

class MediaList {
  public:
    // What reserve_len of a local entry holds: the item's length (import's LOB paths) or 0.
    enum class Reserve { kZero, kItemLength };

    MediaList();
    MediaList(const MediaList&) = delete;
    MediaList& operator=(const MediaList&) = delete;

    // 'L' (local media): one zeroed sqlu_media_entry per item, media_entry = the item (at most
    // 215 characters), reserve_len = the item's length or 0. An empty text or no items gives
    // sessions 0, and the list is still there to pass.
    bool buildLocal(const t_string& commaList, Reserve reserve, const char* what, t_string& why);
    bool buildLocal(const std::vector<t_string>& items, Reserve reserve, const char* what,
                    t_string& why);
    // 'C' or 'S' (client or server location): one zeroed sqlu_location_entry per item, at most
    // 255 characters, reserve_len 0.
    bool buildLocations(char mediaType, const t_string& commaList, const char* what, t_string& why);
    bool buildLocations(char mediaType, const std::vector<t_string>& items, const char* what,
                        t_string& why);
    // 'Q': sessions 1 and one sqlu_statement_entry holding the whole statement (commas and all)
    // with its length; the text is kept NUL-terminated.
    void buildStatement(const t_string& statement);
    // 'O': sessions as given and one zeroed sqlu_vendor naming the library (at most 255
    // characters).
    bool buildVendor(const t_string& library, sqlint32 sessions, const char* what, t_string& why);
    // A kind with no target ('A' TSM, 'X' XBSA, 'U' user exit): sessions as given.
    void buildSessionsOnly(char mediaType, sqlint32 sessions);

    // The list to pass to DB2; never null.
    sqlu_media_list* get() { return &list; }
    const sqlu_media_list& view() const { return list; }
    std::size_t size() const { return static_cast<std::size_t>(list.sessions); }

  private:
    void reset(char mediaType);

    sqlu_media_list list;
    std::vector<sqlu_media_entry> media;
    std::vector<sqlu_location_entry> locations;
    std::vector<sqlu_vendor> vendor;
    std::vector<char> statementText;
    sqlu_statement_entry statement;
};
