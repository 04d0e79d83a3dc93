// Context handles Java keeps as int: ids for 64-bit contexts, the pointer itself on 32 bits.
#include <gtest/gtest.h>
#include <jni.h>

#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include "db2api/contexthandleregistry.h"

namespace {

using db2::ContextHandleRegistry;

constexpr bool kRegistryInUse = sizeof(void*) > sizeof(int32_t);

// Fake context addresses; the registry never dereferences them. On 64-bit they lie above 4 GiB,
// where the stand-in puts its contexts, so a truncating mistake cannot round-trip by luck.
#if UINTPTR_MAX > 0xFFFFFFFF
constexpr uintptr_t kFakeBase = 0x7A0000000000;
#else
constexpr uintptr_t kFakeBase = 0x10000000;
#endif

void* FakeContext(uintptr_t n) {
    return reinterpret_cast<void*>(kFakeBase + n * 64);
}

TEST(ContextHandles, RoundTripThroughAJavaIntAndNullIsZero) {
    EXPECT_EQ(ContextHandleRegistry::ToHandle(nullptr), 0);
    EXPECT_EQ(ContextHandleRegistry::FromHandle(0), nullptr);
    ContextHandleRegistry::Release(nullptr);
    void* ctx = FakeContext(1);
    const jint kept = ContextHandleRegistry::ToHandle(ctx);
    EXPECT_NE(kept, 0);
    EXPECT_EQ(ContextHandleRegistry::ToHandle(ctx), kept);  // same context, same id
    EXPECT_EQ(ContextHandleRegistry::FromHandle(kept), ctx);
    ContextHandleRegistry::Release(ctx);
}

TEST(ContextHandles, IdsArePositiveDistinctNeverReusedAndUnknownIdsMeanNoContext) {
    if (!kRegistryInUse) {
        GTEST_SKIP() << "pointers travel as they are";
    }
    const std::size_t before = ContextHandleRegistry::Size();
    void* first = FakeContext(2);
    void* second = FakeContext(3);
    const int32_t id1 = ContextHandleRegistry::ToHandle(first);
    const int32_t id2 = ContextHandleRegistry::ToHandle(second);
    EXPECT_GT(id1, 0);
    EXPECT_GT(id2, 0);
    EXPECT_NE(id1, id2);
    EXPECT_EQ(ContextHandleRegistry::Size(), before + 2);

    ContextHandleRegistry::Release(first);
    EXPECT_EQ(ContextHandleRegistry::FromHandle(id1), nullptr);
    EXPECT_EQ(ContextHandleRegistry::FromHandle(id2), second);
    const int32_t again = ContextHandleRegistry::ToHandle(first);
    EXPECT_NE(again, id1);
    EXPECT_NE(again, id2);

    ContextHandleRegistry::Release(first);
    ContextHandleRegistry::Release(second);
    ContextHandleRegistry::Release(second);  // twice is harmless
    EXPECT_EQ(ContextHandleRegistry::Size(), before);

    // Unknown ids mean no context.
    EXPECT_EQ(ContextHandleRegistry::FromHandle(-1), nullptr);
    EXPECT_EQ(ContextHandleRegistry::FromHandle(INT32_MAX), nullptr);
    // The low 32 bits of a registered pointer are not an id for it.
    void* ctx = FakeContext(4);
    ContextHandleRegistry::ToHandle(ctx);
    const auto truncated = static_cast<int32_t>(reinterpret_cast<uintptr_t>(ctx));
    EXPECT_NE(ContextHandleRegistry::FromHandle(truncated), ctx);
    ContextHandleRegistry::Release(ctx);
}

TEST(ContextHandles, CliHandlesBelongToTheirContextOnly) {
    void* a = FakeContext(5);
    void* b = FakeContext(6);
    EXPECT_FALSE(ContextHandleRegistry::OwnsCliHandles(a, 0, 0)) << "no connection bound yet";
    ContextHandleRegistry::BindCliHandles(a, 11, 12);
    ContextHandleRegistry::BindCliHandles(b, 21, 22);
    EXPECT_TRUE(ContextHandleRegistry::OwnsCliHandles(a, 11, 12));
    EXPECT_TRUE(ContextHandleRegistry::OwnsCliHandles(a, 0, 0));  // 0: not given
    EXPECT_FALSE(ContextHandleRegistry::OwnsCliHandles(a, 11, 22));
    ContextHandleRegistry::Release(a);
    EXPECT_FALSE(ContextHandleRegistry::OwnsCliHandles(a, 11, 12)) << "forgotten with a";
    ContextHandleRegistry::Release(b);
}

TEST(ContextHandles, ConcurrentHandOffsGiveEachContextOneId) {
    // Threads work in pairs on the same contexts, so hand-offs of one context race each other.
    constexpr int kThreads = 8;
    constexpr int kPerThread = 500;
    const std::size_t before = ContextHandleRegistry::Size();
    auto context_of = [](int t, int i) { return FakeContext(1000 + (t / 2) * kPerThread + i); };
    std::vector<std::vector<int32_t>> ids(kThreads, std::vector<int32_t>(kPerThread));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &ids, &context_of] {
            for (int i = 0; i < kPerThread; ++i) {
                ids[t][i] = ContextHandleRegistry::ToHandle(context_of(t, i));
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }

    std::set<int32_t> distinct;
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kPerThread; ++i) {
            distinct.insert(ids[t][i]);
            EXPECT_EQ(ids[t][i], ids[t ^ 1][i]);
            EXPECT_EQ(ContextHandleRegistry::FromHandle(ids[t][i]), context_of(t, i));
        }
    }
    EXPECT_EQ(distinct.size(), std::size_t{kThreads / 2 * kPerThread});
    for (int t = 0; t < kThreads; t += 2) {
        for (int i = 0; i < kPerThread; ++i) {
            ContextHandleRegistry::Release(context_of(t, i));
        }
    }
    EXPECT_EQ(ContextHandleRegistry::Size(), before);
}

}  // namespace
