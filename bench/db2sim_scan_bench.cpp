// The stand-in's own cost of a database directory listing: fills the directory with N entries
// through the control interface, then times rounds of open / N x sqledgne_api / close on one
// context and prints ns per sqledgne_api call (figures are read, never asserted).
//
//   g++ -std=c++17 -O2 -Wall -Wextra -I. bench/db2sim_scan_bench.cpp -ldl -o /tmp/db2sim_scan_bench
//   /tmp/db2sim_scan_bench BUILD/lib/libdb2.so [entries=10000] [rounds=30]
//
// DB2SIM_HOME is set to a fresh temporary folder unless it is already set. The checksum covers
// every entry's bytes and the journal's text, so two builds can be compared for output too.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "db2api/db2entrypoints.h"
#include "db2api/db2structs.h"

namespace {

using Clock = std::chrono::steady_clock;

class Library {
  public:
    explicit Library(const char* path) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
    ~Library() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool loaded() const { return handle_ != nullptr; }

    template <class F>
    F* get(const char* name) const {
        F* f = reinterpret_cast<F*>(dlsym(handle_, name));
        if (f == nullptr) {
            std::fprintf(stderr, "db2sim_scan_bench: %s not found\n", name);
            std::exit(2);
        }
        return f;
    }

  private:
    void* handle_;
};

struct Api {
    explicit Api(const Library& lib)
        : setType(lib.get<db2::fn::sqleSetTypeCtx>("sqleSetTypeCtx")),
          begin(lib.get<db2::fn::sqleBeginCtx>("sqleBeginCtx")),
          end(lib.get<db2::fn::sqleEndCtx>("sqleEndCtx")),
          open(lib.get<db2::fn::sqledosd_api>("sqledosd_api")),
          next(lib.get<db2::fn::sqledgne_api>("sqledgne_api")),
          close(lib.get<db2::fn::sqledcls_api>("sqledcls_api")),
          fill(lib.get<int(long)>("db2sim_fill_database_directory")),
          journal(lib.get<size_t(char*, size_t)>("db2sim_journal")),
          clearJournal(lib.get<void()>("db2sim_clear_journal")) {}

    db2::fn::sqleSetTypeCtx* setType;
    db2::fn::sqleBeginCtx* begin;
    db2::fn::sqleEndCtx* end;
    db2::fn::sqledosd_api* open;
    db2::fn::sqledgne_api* next;
    db2::fn::sqledcls_api* close;
    int (*fill)(long);
    size_t (*journal)(char*, size_t);
    void (*clearJournal)();
};

// FNV-1a, enough to tell two outputs apart.
uint64_t mix(uint64_t hash, const void* data, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        hash = (hash ^ p[i]) * 1099511628211ULL;
    }
    return hash;
}

// One listing of at least `expected` entries (home entries come on top); returns the nanoseconds
// per sqledgne_api call, or -1 on a failure.
double listOnce(const Api& api, long expected, uint64_t* checksum) {
    sqlca ca{};
    unsigned short handle = 0;
    unsigned short count = 0;
    if (api.open(nullptr, &handle, &count, &ca) != 0 || count < expected) {
        std::fprintf(stderr, "db2sim_scan_bench: open gave sqlcode %d, %u entries\n",
                     static_cast<int>(ca.sqlcode), count);
        return -1;
    }
    sqledinfo* entry = nullptr;
    auto start = Clock::now();
    for (unsigned i = 0; i < count; ++i) {
        if (api.next(handle, &entry, &ca) != 0) {
            std::fprintf(stderr, "db2sim_scan_bench: next gave sqlcode %d\n",
                         static_cast<int>(ca.sqlcode));
            return -1;
        }
        if (checksum != nullptr) {
            *checksum = mix(*checksum, entry, sizeof(*entry));
            *checksum = mix(*checksum, &ca, sizeof(ca));
        }
    }
    auto stop = Clock::now();
    api.close(handle, &ca);
    return std::chrono::duration<double, std::nano>(stop - start).count() / count;
}

uint64_t journalChecksum(const Api& api) {
    std::vector<char> text(api.journal(nullptr, 0) + 1);
    api.journal(text.data(), text.size());
    return mix(1469598103934665603ULL, text.data(), text.size() - 1);
}

std::string freshHome() {
    char folder[] = "/tmp/db2sim-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s path/to/libdb2.so [entries] [rounds]\n", argv[0]);
        return 2;
    }
    long entries = argc > 2 ? std::atol(argv[2]) : 10000;
    int rounds = argc > 3 ? std::atoi(argv[3]) : 30;
    if (entries < 1 || entries > 65000 || rounds < 1) {
        std::fprintf(stderr, "db2sim_scan_bench: entries 1..65000, rounds >= 1\n");
        return 2;
    }
    if (std::getenv("DB2SIM_HOME") == nullptr) {
        setenv("DB2SIM_HOME", freshHome().c_str(), 1);
    }
    Library lib(argv[1]);
    if (!lib.loaded()) {
        std::fprintf(stderr, "db2sim_scan_bench: %s\n", dlerror());
        return 2;
    }
    Api api(lib);
    if (api.fill(entries) != 0) {
        std::fprintf(stderr, "db2sim_scan_bench: fill refused\n");
        return 2;
    }
    sqlca ca{};
    void* ctx = nullptr;
    api.setType(SQL_CTX_MULTI_MANUAL);
    if (api.begin(&ctx, SQL_CTX_BEGIN_ALL, nullptr, &ca) != 0) {
        std::fprintf(stderr, "db2sim_scan_bench: no context (sqlcode %d)\n",
                     static_cast<int>(ca.sqlcode));
        return 2;
    }

    // The first listing, journal cleared before it, gives the checksum; the rest are timed.
    api.clearJournal();
    uint64_t checksum = 1469598103934665603ULL;
    if (listOnce(api, entries, &checksum) < 0) {
        return 1;
    }
    uint64_t journal = journalChecksum(api);
    std::vector<double> perCall;
    for (int i = 0; i < rounds; ++i) {
        double ns = listOnce(api, entries, nullptr);
        if (ns < 0) {
            return 1;
        }
        perCall.push_back(ns);
    }
    api.end(&ctx, SQL_CTX_END_ALL, nullptr, &ca);

    std::sort(perCall.begin(), perCall.end());
    std::printf("entries %ld, rounds %d\n", entries, rounds);
    std::printf("sqledgne_api: min %.0f ns, median %.0f ns per call (%.2f ms per listing)\n",
                perCall.front(), perCall[perCall.size() / 2],
                perCall[perCall.size() / 2] * static_cast<double>(entries) / 1e6);
    std::printf("checksum entries+sqlca %016llx, journal %016llx\n",
                static_cast<unsigned long long>(checksum),
                static_cast<unsigned long long>(journal));
    return 0;
}
