#include "commands/rowlisting.h"

#include "bridge/scopedlocalref.h"

namespace {

// A block is handed over when it holds this many rows or bytes, whichever comes first.
constexpr std::size_t kRowsPerBlock = 512;
constexpr std::size_t kBytesPerBlock = 256 * 1024;
constexpr std::size_t kInitialBytes = 16 * 1024;

}  // namespace

RowListing::RowListing(const DB2APIDataContainer& container)
    : m_container(container), m_env(container.getEnv()) {
    // Room for a short listing; a long one grows the block to its full size once. Reserving
    // the full size up front costs a short listing (a configuration read) fresh pages each time.
    m_block.reserve(kInitialBytes);
}

RowListing::~RowListing() {
    flush();
}

bool RowListing::addColumns(std::initializer_list<const char*> names) const {
    return addColumns(names.begin(), names.size());
}

bool RowListing::addColumns(const char* const* names, std::size_t count) const {
    for (std::size_t i = 0; i < count; ++i) {
        m_container.addColumn(names[i]);
        if (m_env->ExceptionCheck()) {
            return false;
        }
    }
    return true;
}

bool RowListing::newRow() {
    if (m_refused || m_stopped) {
        return false;
    }
    if (m_env->ExceptionCheck()) {
        m_stopped = true;  // as with single calls: nothing after a Java failure reaches Java
        return false;
    }
    if (m_block.rows() >= kRowsPerBlock || m_block.size() >= kBytesPerBlock) {
        flush();
        if (m_refused) {
            return false;
        }
    }
    m_block.newRow();
    return true;
}

void RowListing::set(int column, std::string_view text) {
    if (!m_refused && !m_stopped) {
        m_block.setColumnValue(column, text);
    }
}

void RowListing::flush() {
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

bool RowListing::finish() {
    flush();
    return !m_refused && !m_stopped && !m_env->ExceptionCheck();
}
