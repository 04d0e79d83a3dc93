// The agent ids (application handles) of a force, from the comma list Java gives.
//
// Items are separated by commas; blanks anywhere are ignored ("12, 3 4" is 12 and 34) and an
// empty item is agent 0, so a trailing comma adds a 0. Anything else in an item, or an id too
// large for DB2's unsigned 32-bit field, refuses the whole list: forcing a different
// application than the one named is worse than forcing none.
#pragma once

#include <string>
#include <vector>

#include "db2api/db2types.h"
#include "base/stdafx.h"

class AgentIdList {
  public:
    // Replaces the list with the ids of `text` (none for the empty text). False, with `error`
    // saying why and the list emptied, when an item is not an id.
    bool parse(const t_string& text, std::string& error);

    bool empty() const { return m_ids.empty(); }
    sqlint32 count() const { return static_cast<sqlint32>(m_ids.size()); }
    sqluint32* data() { return m_ids.data(); }
    const std::vector<sqluint32>& ids() const { return m_ids; }

  private:
    static bool parseItem(const t_string& item, sqluint32& id);

    std::vector<sqluint32> m_ids;
};
