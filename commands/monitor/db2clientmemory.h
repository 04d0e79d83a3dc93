// Memory the DB2 client allocated and handed back through an out-pointer (table space and
// container lists, the XA in-doubt list): given back to DB2 with sqlefmem when the holder goes,
// on every path, and only when DB2 handed something.
#pragma once

#include "db2api/db2types.h"

// Gives `memory` back to DB2; nothing for null. DB2's answer is ignored.
void FreeDB2ClientMemory(void* memory);

template <typename T>
class DB2ClientMemory {
  public:
    DB2ClientMemory() = default;
    ~DB2ClientMemory() { FreeDB2ClientMemory(m_memory); }
    DB2ClientMemory(const DB2ClientMemory&) = delete;
    DB2ClientMemory& operator=(const DB2ClientMemory&) = delete;

    // Where DB2 stores its pointer; call once.
    T** slot() { return &m_memory; }
    T* get() const { return m_memory; }

  private:
    T* m_memory = nullptr;
};
