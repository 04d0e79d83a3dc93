#include "commands/monitor/agentidlist.h"

#include <limits>

#include "commands/digittext.h"

bool AgentIdList::parse(const t_string& text, std::string& error) {
    m_ids.clear();
    if (text.empty()) {
        return true;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const t_string item =
            text.substr(start, comma == t_string::npos ? t_string::npos : comma - start);
        sqluint32 id = 0;
        if (!parseItem(item, id)) {
            m_ids.clear();
            error = "Invalid agent id \"" + item + "\" in \"" + text +
                    "\": an agent id is a number from 0 to 4294967295";
            return false;
        }
        if (m_ids.size() == static_cast<std::size_t>(std::numeric_limits<sqlint32>::max())) {
            m_ids.clear();
            error = "Too many agent ids";
            return false;
        }
        m_ids.push_back(id);
        if (comma == t_string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

bool AgentIdList::parseItem(const t_string& item, sqluint32& id) {
    // The list gives its own refusal, naming the item and the whole text.
    t_string refusal;
    return DigitText::parse(item, "agent id list", id, refusal);
}
