#include "commands/directory/directoryscan.h"

#include <cstring>

void DirectoryScan::Close() {
    if (!m_open) {
        return;
    }
    m_open = false;
    sqlca ca;
    std::memset(&ca, 0, sizeof(ca));
    if (m_close) {
        m_close(&ca);
    }
}
