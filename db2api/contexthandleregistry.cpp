#include "db2api/contexthandleregistry.h"

#include <limits>
#include <mutex>
#include <unordered_map>

namespace db2 {

namespace {

constexpr bool kPointerFitsHandle = sizeof(void*) <= sizeof(int32_t);
constexpr int32_t kFirstId = 1;
constexpr int32_t kLastId = std::numeric_limits<int32_t>::max();

// Ids count up from 1 and are not reused until the counter wraps after 2^31 - 1.
class Table {
  public:
    int32_t Register(void* ctx) {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto found = m_ids.find(ctx);
        if (found != m_ids.end()) {
            return found->second;
        }
        const int32_t id = NextFreeId();
        m_ids.emplace(ctx, id);
        m_contexts.emplace(id, ctx);
        return id;
    }

    void* Find(int32_t id) {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto found = m_contexts.find(id);
        return found != m_contexts.end() ? found->second : nullptr;
    }

    void Drop(void* ctx) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cli.erase(ctx);
        auto found = m_ids.find(ctx);
        if (found != m_ids.end()) {
            m_contexts.erase(found->second);
            m_ids.erase(found);
        }
    }

    void Bind(void* ctx, int32_t env, int32_t dbc) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cli[ctx] = CliHandles{env, dbc};
    }

    bool Owns(void* ctx, int32_t env, int32_t dbc) {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto found = m_cli.find(ctx);
        if (found == m_cli.end()) {
            return false;
        }
        const CliHandles& held = found->second;
        return (env == 0 || env == held.env) && (dbc == 0 || dbc == held.dbc);
    }

    std::size_t Size() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_ids.size();
    }

  private:
    struct CliHandles {
        int32_t env = 0;
        int32_t dbc = 0;
    };

    int32_t NextFreeId() {
        int32_t id;
        do {
            id = m_next;
            m_next = m_next == kLastId ? kFirstId : m_next + 1;
        } while (m_contexts.count(id) != 0);
        return id;
    }

    std::mutex m_mutex;
    int32_t m_next = kFirstId;
    std::unordered_map<void*, int32_t> m_ids;
    std::unordered_map<int32_t, void*> m_contexts;
    std::unordered_map<void*, CliHandles> m_cli;
};

// Never destroyed: JVM threads may still look contexts up while exit-time destructors run.
union ImmortalTable {
    ImmortalTable() : table() {}
    ~ImmortalTable() {}
    Table table;
};

Table& TheTable() {
    static ImmortalTable holder;
    return holder.table;
}

}  // namespace

int32_t ContextHandleRegistry::ToHandle(void* ctx) {
    if (ctx == nullptr) {
        return 0;
    }
    if (kPointerFitsHandle) {
        return static_cast<int32_t>(reinterpret_cast<uintptr_t>(ctx));
    }
    return TheTable().Register(ctx);
}

void* ContextHandleRegistry::FromHandle(int32_t id) {
    if (id == 0) {
        return nullptr;
    }
    if (kPointerFitsHandle) {
        return reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<uint32_t>(id)));
    }
    return TheTable().Find(id);
}

void ContextHandleRegistry::Release(void* ctx) {
    if (ctx != nullptr) {
        TheTable().Drop(ctx);
    }
}

void ContextHandleRegistry::BindCliHandles(void* ctx, int32_t env, int32_t dbc) {
    if (ctx != nullptr) {
        TheTable().Bind(ctx, env, dbc);
    }
}

bool ContextHandleRegistry::OwnsCliHandles(void* ctx, int32_t env, int32_t dbc) {
    return ctx != nullptr && TheTable().Owns(ctx, env, dbc);
}

std::size_t ContextHandleRegistry::Size() {
    return kPointerFitsHandle ? 0 : TheTable().Size();
}

}  // namespace db2
