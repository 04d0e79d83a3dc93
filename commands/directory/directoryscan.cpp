#include "commands/directory/directoryscan.h"

void DirectoryScan::Close() {
    if (!m_open) {
        return;
    }
    m_open = false;
    sqlca ca = zeroedSqlca();
    if (m_close) {
        m_close(&ca);
    }
}
