#include "commands/directory/directorylisting.h"

#include "bridge/scopedlocalref.h"

namespace {

// A block is handed over when it holds this many rows or bytes, whichever comes first.
constexpr std::size_t kRowsPerBlock = 512;
constexpr std::size_t kBytesPerBlock = 256 * 1024;

}  // namespace

DirectoryListing::DirectoryListing(const DB2APIDataContainer& container)
    : m_container(container), m_env(container.getEnv()) {
    m_block.reserve(kBytesPerBlock + kBytesPerBlock / 4);
}

DirectoryListing::~DirectoryListing() {
    flush();
}

bool DirectoryListing::addColumns(std::initializer_list<const char*> names) const {
    return addColumns(names.begin(), names.size());
}

bool DirectoryListing::addColumns(const char* const* names, std::size_t count) const {
    for (std::size_t i = 0; i < count; ++i) {
        m_container.addColumn(names[i]);
        if (m_env->ExceptionCheck()) {
            m_env->ExceptionDescribe();
            return false;
        }
    }
    return true;
}

void DirectoryListing::newRow() {
    if (m_refused || m_stopped) {
        return;
    }
    if (m_env->ExceptionCheck()) {
        m_stopped = true;  // as with single calls: nothing after a Java failure reaches Java
        return;
    }
    if (m_block.rows() >= kRowsPerBlock || m_block.size() >= kBytesPerBlock) {
        flush();
    }
    m_block.newRow();
}

void DirectoryListing::set(int column, std::string_view text) {
    if (!m_refused && !m_stopped) {
        m_block.setColumnValue(column, text);
    }
}

void DirectoryListing::flush() {
    if (m_block.empty() || m_refused) {
        m_block.clear();
        return;
    }
    const tarvinex::ScopedLocalRef<jthrowable> pending(m_env, m_env->ExceptionOccurred());
    if (pending.get() != nullptr) {
        m_env->ExceptionClear();
    }
    if (!m_container.addRows(m_block)) {
        m_refused = true;
        if (pending.get() != nullptr) {
            m_env->ExceptionClear();
        }
    }
    if (pending.get() != nullptr) {
        m_env->Throw(pending.get());
    }
    m_block.clear();
}
