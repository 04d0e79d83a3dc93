// Entry points already found in the client library, so that a listing of ten thousand entries
// does not search the library's symbol tables ten thousand times.
//
// Keyed by module and by the address of the name (the wrappers pass string literals, so one
// call site always finds its own slot). Valid for the life of the process because the client
// library is never unloaded. Readers take no lock; a slot is published once, entry before name.
// Only found entry points are kept: a missing one is looked for again on every call.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>

namespace db2 {

class EntryPointCache {
  public:
    // The entry point kept for (module, name), or null when none is kept.
    void* find(const void* module, const char* name) const;
    // Keeps a found entry point; does nothing when the table is full.
    void keep(const void* module, const char* name, void* entry);

  private:
    struct Slot {
        std::atomic<const char*> name{nullptr};
        std::atomic<const void*> module{nullptr};
        std::atomic<void*> entry{nullptr};
    };
    static constexpr std::size_t kSlots = 1024;  // the client has a few hundred entry points

    static std::size_t home(const char* name);

    std::array<Slot, kSlots> m_slots;
    std::mutex m_writer;
};

}  // namespace db2
