// db2AutoConfig and db2AutoConfigFreeMemory on a connected context, and db2CfgSet through the
// connection (empty dbname): recommendations, the 8.x and 9.x item layouts, apply modes, memory
// handed out until freed, refusals.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

using Element = db2AutoConfigElement;
using Interface = db2AutoConfigInterface;

constexpr unsigned kMaxappls = 6;          // database
constexpr unsigned kMaxCoordagents = 501;  // manager

class Db2SimAutoConfig : public Db2SimInstanceTest {
  protected:
    void SetUp() override {
        Db2SimInstanceTest::SetUp();
        context_ = std::make_unique<ThreadContext>();
        connection_ = std::make_unique<Connected>(context_->get());
        ASSERT_EQ(SQL_SUCCESS, connection_->connect("SAMPLE"));
    }
    void TearDown() override {
        connection_.reset();
        context_.reset();
        Db2SimInstanceTest::TearDown();
    }

    Interface request(const char* alias, int apply, std::vector<Element> elements = {}) {
        elements_ = std::move(elements);
        Interface iface{};
        std::strncpy(iface.iProductVersion, "1.1", sizeof(iface.iProductVersion) - 1);
        std::strncpy(iface.iDbAlias, alias, sizeof(iface.iDbAlias));
        iface.iApply = apply;
        iface.iParams.numElements = static_cast<db2Uint32>(elements_.size());
        iface.iParams.pElements = elements_.data();
        return iface;
    }
    int configure(Interface& iface, db2Uint32 version = db2Version900) {
        ca_ = zeroed();
        return db2AutoConfig(version, &iface, &ca_);
    }
    int release(Interface& iface) { return db2AutoConfigFreeMemory(db2Version900, &iface, &ca_); }

    template <class T>
    T cfgValue(db2Uint32 flags, unsigned token, const char* dbname) {
        uint64_t buffer = 0;
        db2CfgParam item{token, reinterpret_cast<char*>(&buffer), 0};
        db2Cfg cfg{1, &item, flags, const_cast<char*>(dbname), 0};
        EXPECT_EQ(0, db2CfgGet(db2Version810, &cfg, &ca_));
        T value;
        std::memcpy(&value, &buffer, sizeof(value));
        return value;
    }

    // The new value of a token in a 9.x list, or -1.
    static long long newValue(const db2ConfigValues& values, unsigned token) {
        const db2CfgParam* items = values.pConfigs;
        for (db2Uint32 i = 0; i < values.numElements; ++i) {
            if (items[i].token == token) {
                uint16_t value;
                std::memcpy(&value, items[i].ptrvalue, sizeof(value));
                return value;
            }
        }
        return -1;
    }

    std::unique_ptr<ThreadContext> context_;
    std::unique_ptr<Connected> connection_;
    std::vector<Element> elements_;
    sqlca ca_{};
};

TEST_F(Db2SimAutoConfig, DefaultsGiveDeterministicAdviceFreedOnlyByFreeMemory) {
    long long before = db2sim_counter("memory");
    Interface first = request("SAMPLE", 0);
    ASSERT_EQ(0, configure(first));
    EXPECT_GT(db2sim_counter("memory"), before);

    const auto& out = first.oResult;
    ASSERT_GT(out.oNewDbValues.numElements, 0u);
    EXPECT_EQ(out.oOldDbValues.numElements, out.oNewDbValues.numElements);
    EXPECT_EQ(out.oOldDbmValues.numElements, out.oNewDbmValues.numElements);
    EXPECT_EQ(20, newValue(out.oNewDbValues, kMaxappls));  // 10 remote apps + half + 5
    EXPECT_EQ(40, newValue(out.oOldDbValues, kMaxappls));
    ASSERT_EQ(4u, out.oDiagnostics.numElements);
    EXPECT_EQ(-1, out.oDiagnostics.pElements[0].token);
    EXPECT_EQ(8192, out.oDiagnostics.pElements[0].value);
    ASSERT_EQ(1u, out.oNewBpValues.numElements);
    EXPECT_STREQ("IBMDEFAULTBP", out.oNewBpValues.pElements[0].pName);
    EXPECT_EQ(1000, out.oOldBpValues.pElements[0].value);
    EXPECT_EQ(262144, out.oNewBpValues.pElements[0].value);  // half of 25% of 8 GiB

    Interface second = request("sample", 0, {{1, 25}, {2, 2}, {8, 10}});
    ASSERT_EQ(0, configure(second));
    EXPECT_EQ(newValue(out.oNewDbValues, 505), newValue(second.oResult.oNewDbValues, 505));

    EXPECT_EQ(0, release(first));
    EXPECT_EQ(0, release(second));
    EXPECT_EQ(before, db2sim_counter("memory"));
    EXPECT_EQ(nullptr, first.oResult.oNewDbValues.pConfigs);
    EXPECT_EQ(0, release(first));  // all null now: nothing to give back
    EXPECT_EQ(40, cfgValue<uint16_t>(db2CfgDatabase, kMaxappls, "SAMPLE"));  // mode 0
}

TEST_F(Db2SimAutoConfig, Version8ListsAreSqlfupdItems) {
    Interface iface = request("SAMPLE", 0);
    ASSERT_EQ(0, configure(iface, db2Version810));
    auto* items = reinterpret_cast<sqlfupd*>(iface.oResult.oNewDbValues.pConfigs);
    bool found = false;
    for (db2Uint32 i = 0; i < iface.oResult.oNewDbValues.numElements; ++i) {
        if (items[i].token == kMaxappls) {
            uint16_t value;
            std::memcpy(&value, items[i].ptrvalue, sizeof(value));
            EXPECT_EQ(20, value);
            found = true;
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(0, release(iface));
}

TEST_F(Db2SimAutoConfig, ApplyModesChangeTheirScopeOnly) {
    Interface iface = request("SAMPLE", DB2_SG_APPLY_DB);
    ASSERT_EQ(0, configure(iface));
    EXPECT_EQ(0, release(iface));
    EXPECT_EQ(20, cfgValue<uint16_t>(db2CfgDatabase, kMaxappls, ""));  // via the connection
    EXPECT_EQ(200, cfgValue<int32_t>(db2CfgDatabaseManager, kMaxCoordagents, nullptr));

    iface = request("", DB2_SG_APPLY_DBM);
    ASSERT_EQ(0, configure(iface));
    EXPECT_EQ(262144, iface.oResult.oOldBpValues.pElements[0].value);  // applied with the db
    EXPECT_EQ(0, release(iface));
    EXPECT_EQ(20, cfgValue<int32_t>(db2CfgDatabaseManager, kMaxCoordagents, nullptr));
}

TEST_F(Db2SimAutoConfig, RefusalsHandOutNothing) {
    long long before = db2sim_counter("memory");
    Interface iface = request("SAMPLE", 3);
    EXPECT_EQ(-2032, configure(iface));
    iface = request("SAMPLE", 0, {{11, 1}});
    EXPECT_EQ(-2032, configure(iface));
    iface = request("SAMPLE", 0, {{1, 101}});
    EXPECT_EQ(-2032, configure(iface));
    iface = request("NOSUCHDB", 0);
    EXPECT_EQ(-1013, configure(iface));
    iface = request("SAMPLE", 0);
    std::memset(iface.iDbAlias, 'A', sizeof(iface.iDbAlias));  // no NUL within 9
    EXPECT_EQ(-2032, configure(iface));
    EXPECT_EQ(-2032, db2AutoConfig(db2Version900, nullptr, &ca_));
    EXPECT_EQ(before, db2sim_counter("memory"));

    connection_.reset();
    iface = request("SAMPLE", 0);
    EXPECT_EQ(-1024, configure(iface));
}

TEST_F(Db2SimAutoConfig, UpdateThroughTheConnectionNeedsNoName) {
    uint16_t value = 55;
    db2CfgParam item{kMaxappls, reinterpret_cast<char*>(&value), 0};
    db2Cfg cfg{1, &item, db2CfgDatabase | db2CfgImmediate, const_cast<char*>(""), 0};
    ASSERT_EQ(0, db2CfgSet(db2Version810, &cfg, &ca_));
    EXPECT_EQ(55, cfgValue<uint16_t>(db2CfgDatabase, kMaxappls, "SAMPLE"));
}

}  // namespace
