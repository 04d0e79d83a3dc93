#include "db2api/entrypointcache.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

int moduleA;
int moduleB;

}  // namespace

TEST(EntryPointCache, KeepsEntriesPerModuleAndName) {
    db2::EntryPointCache cache;
    static const char kName[] = "sqledgne_api";
    int entry = 0;
    EXPECT_EQ(cache.find(&moduleA, kName), nullptr);
    cache.keep(&moduleA, kName, &entry);
    EXPECT_EQ(cache.find(&moduleA, kName), &entry);
    EXPECT_EQ(cache.find(&moduleB, kName), nullptr) << "another module";
    cache.keep(&moduleA, kName, nullptr);
    EXPECT_EQ(cache.find(&moduleA, kName), &entry) << "a missing entry point is not kept";
}

TEST(EntryPointCache, ThreadsKeepingAtOnceAllFindTheirs) {
    db2::EntryPointCache cache;
    std::vector<std::string> names(600);  // more than live in any one probe chain
    std::vector<int> entries(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = "entry" + std::to_string(i);
    }
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (cache.find(&moduleA, names[i].c_str()) == nullptr) {
                    cache.keep(&moduleA, names[i].c_str(), &entries[i]);
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(cache.find(&moduleA, names[i].c_str()), &entries[i]) << i;
    }
}
