// Configuration of the stand-in: db2CfgGet/db2CfgSet widths, immediate and delayed values, the
// AUTOMATIC flag, DB2's refusals, persistence, the 8.x and 9.x db2Cfg layouts, and the resets.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

constexpr unsigned kNumdb = 6;             // manager, Uint16, default 8
constexpr unsigned kSvcename = 24;         // manager, char(14)
constexpr unsigned kMaxcagents = 13;       // manager, Sint32, default -1
constexpr unsigned kInstanceMemory = 803;  // manager, Uint64, AUTOMATIC by default
constexpr unsigned kRelease = 101;         // manager, read-only
constexpr unsigned kDiaglevel = 64;        // manager, 0 to 4
constexpr unsigned kMaxappls = 6;          // database, Uint16, default 40
constexpr unsigned kLocklist = 704;        // database, Uint64
constexpr unsigned kLocklistOld = 1;       // database, Uint16, same parameter
constexpr size_t kGuard = 16;
constexpr unsigned char kFill = 0xAB;

// One parameter's buffer with guard bytes after it, to see how much the stand-in wrote.
struct Slot {
    explicit Slot(unsigned token, size_t room = 8) : bytes(room + kGuard, kFill) {
        param.token = token;
        param.ptrvalue = reinterpret_cast<char*>(bytes.data());
        param.flags = 0;
    }
    size_t written() const {
        size_t last = bytes.size();
        while (last > 0 && bytes[last - 1] == kFill) {
            --last;
        }
        return last;
    }
    template <class T>
    T as() const {
        T value;
        std::memcpy(&value, bytes.data(), sizeof(value));
        return value;
    }
    std::string text() const { return std::string(param.ptrvalue); }

    std::vector<unsigned char> bytes;
    db2CfgParam param{};
};

class Db2SimConfig : public Db2SimInstanceTest {
  protected:
    int call(bool set, db2Uint32 flags, std::vector<db2CfgParam> items,
             const char* dbname = nullptr, db2Uint32 version = db2Version810) {
        db2Cfg cfg{};
        cfg.numItems = static_cast<db2Uint32>(items.size());
        cfg.paramArray = items.data();
        cfg.flags = flags;
        cfg.dbname = const_cast<char*>(dbname);
        ca_ = zeroed();
        int rc = set ? db2CfgSet(version, &cfg, &ca_) : db2CfgGet(version, &cfg, &ca_);
        for (size_t i = 0; i < items.size(); ++i) {
            flagsOut_.push_back(items[i].flags);
        }
        return rc;
    }
    int get(db2Uint32 flags, Slot& slot, const char* dbname = nullptr) {
        flagsOut_.clear();
        int rc = call(false, flags, {slot.param}, dbname);
        slot.param.flags = flagsOut_.empty() ? 0 : flagsOut_[0];
        return rc;
    }
    template <class T>
    int set(db2Uint32 flags, unsigned token, T value, db2Uint32 itemFlags = 0,
            const char* dbname = nullptr) {
        db2CfgParam item{token, reinterpret_cast<char*>(&value), itemFlags};
        return call(true, flags, {item}, dbname);
    }
    uint16_t numdb(db2Uint32 flags = db2CfgDatabaseManager) {
        Slot slot(kNumdb);
        EXPECT_EQ(0, get(flags, slot));
        return slot.as<uint16_t>();
    }

    sqlca ca_{};
    std::vector<db2Uint32> flagsOut_;
};

constexpr db2Uint32 kDbm = db2CfgDatabaseManager;
constexpr db2Uint32 kDb = db2CfgDatabase;

TEST_F(Db2SimConfig, GetWritesExactlyTheParameterWidth) {
    Slot numdb(kNumdb), svcename(kSvcename, 32), maxcagents(kMaxcagents), memory(kInstanceMemory);
    ASSERT_EQ(0, call(false, kDbm, {numdb.param, svcename.param, maxcagents.param, memory.param}));
    EXPECT_EQ(2u, numdb.written());
    EXPECT_EQ(8, numdb.as<uint16_t>());
    EXPECT_EQ(15u, svcename.written());  // char(14) and its NUL
    EXPECT_EQ(-1, maxcagents.as<int32_t>());
    EXPECT_EQ(4u, maxcagents.written());
    EXPECT_EQ(0u, memory.as<uint64_t>());
    EXPECT_EQ(kFill, memory.bytes[8]);
    EXPECT_EQ(std::vector<db2Uint32>({0, 0, 0, db2CfgParamAutomatic}), flagsOut_);
}

TEST_F(Db2SimConfig, DeferredChangesOnlyTheDelayedValueAndEverythingPersists) {
    ASSERT_EQ(0, set<uint16_t>(kDbm | db2CfgDelayed, kNumdb, 20));
    EXPECT_EQ(8, numdb(kDbm | db2CfgImmediate));
    EXPECT_EQ(8, numdb(kDbm));
    EXPECT_EQ(20, numdb(kDbm | db2CfgDelayed));

    ASSERT_EQ(0, set<uint16_t>(kDbm | db2CfgImmediate, kNumdb, 30));
    EXPECT_EQ(30, numdb(kDbm | db2CfgImmediate));
    EXPECT_EQ(30, numdb(kDbm | db2CfgDelayed));

    const char name[] = "db2c_inst1_long_name";
    ASSERT_EQ(0, call(true, kDbm, {db2CfgParam{kSvcename, const_cast<char*>(name), 0}}));
    resetInstance();  // read back from the state folder
    EXPECT_EQ(30, numdb());
    Slot svcename(kSvcename, 32);
    ASSERT_EQ(0, get(kDbm, svcename));
    EXPECT_EQ("db2c_inst1_lon", svcename.text());  // cut to 14
}

TEST_F(Db2SimConfig, ObsoleteAndCurrentTokensShareTheValue) {
    ASSERT_EQ(0, set<uint64_t>(kDb, kLocklist, 5000, 0, "sample"));
    Slot old(kLocklistOld);
    ASSERT_EQ(0, get(kDb, old, "SAMPLE"));
    EXPECT_EQ(5000, old.as<uint16_t>());
    EXPECT_EQ(2u, old.written());
    EXPECT_EQ(0u, old.param.flags);  // an explicit value ends AUTOMATIC
}

TEST_F(Db2SimConfig, AutomaticFlagIsSetAndCleared) {
    ASSERT_EQ(0, set<uint64_t>(kDbm, kInstanceMemory, 0, 0));
    Slot slot(kInstanceMemory);
    ASSERT_EQ(0, get(kDbm, slot));
    EXPECT_EQ(0u, slot.param.flags);
    ASSERT_EQ(0, set<uint64_t>(kDbm, kInstanceMemory, 0, db2CfgParamAutomatic));
    ASSERT_EQ(0, get(kDbm, slot));
    EXPECT_EQ(db2CfgParamAutomatic, slot.param.flags);
    EXPECT_EQ(-2032, set<uint16_t>(kDbm, kNumdb, 8, db2CfgParamAutomatic));
}

TEST_F(Db2SimConfig, RefusalsChangeNothing) {
    EXPECT_EQ(-5060, set<uint16_t>(kDbm, 9999, 1));
    EXPECT_EQ("SQL5060N  \"9999\" is not a valid configuration parameter token.\n", message(ca_));
    EXPECT_EQ(-5130, set<uint16_t>(kDbm, kDiaglevel, 5));
    EXPECT_EQ(-5131, set<uint16_t>(kDbm, kRelease, 1));

    // A batch is all or nothing.
    uint16_t good = 99, bad = 7;
    EXPECT_EQ(-5130, call(true, kDbm,
                          {db2CfgParam{kNumdb, reinterpret_cast<char*>(&good), 0},
                           db2CfgParam{kDiaglevel, reinterpret_cast<char*>(&bad), 0}}));
    EXPECT_EQ(8, numdb());

    db2Cfg cfg{1, nullptr, kDbm, nullptr, 0};
    EXPECT_EQ(-5061, db2CfgGet(db2Version810, &cfg, &ca_));
    EXPECT_EQ(-5062, call(false, kDbm, {db2CfgParam{kNumdb, nullptr, 0}}));
    EXPECT_EQ(-2032, call(false, kDbm | kDb, {}));
    EXPECT_EQ(-2032, call(false, db2CfgImmediate, {}));
    EXPECT_EQ(-2032, call(false, kDbm, {}, nullptr, db2Version720));
    EXPECT_EQ(-2032, db2CfgGet(db2Version810, nullptr, &ca_));
    EXPECT_EQ(-1, db2CfgGet(db2Version810, &cfg, nullptr));
}

TEST_F(Db2SimConfig, DatabaseLevelNamesTheDatabaseOrNeedsAConnection) {
    Slot maxappls(kMaxappls);
    ASSERT_EQ(0, get(kDb, maxappls, "sample"));
    EXPECT_EQ(40, maxappls.as<uint16_t>());  // same token as numdb, other scope
    EXPECT_EQ(db2CfgParamAutomatic, maxappls.param.flags);
    EXPECT_EQ(-1013, get(kDb, maxappls, "NOSUCHDB"));
    EXPECT_EQ(-1024, get(kDb, maxappls, ""));
    EXPECT_EQ(-1024, get(kDb, maxappls));
}

// Only 9.x reads dbpartitionnum: the 8.x structure ends before it.
TEST_F(Db2SimConfig, PartitionNumberIsReadOnlyFromVersion9) {
    Slot slot(kNumdb);
    db2Cfg cfg{1, &slot.param, kDbm | db2CfgSingleDbpartition, nullptr, 3};
    EXPECT_EQ(0, db2CfgGet(db2Version810, &cfg, &ca_));
    EXPECT_EQ(-2032, db2CfgGet(db2Version900, &cfg, &ca_));
    cfg.dbpartitionnum = 0;
    EXPECT_EQ(0, db2CfgGet(db2Version900, &cfg, &ca_));
}

// A version names a layout of the client's own release or an older one, never a newer one.
TEST_F(Db2SimConfig, VersionNewerThanTheClientIsRefused) {
    Slot slot(kNumdb);
    db2Cfg cfg{1, &slot.param, kDbm, nullptr, 0};
    EXPECT_EQ(0, db2CfgGet(db2Version970, &cfg, &ca_));  // a 9.7 client
    EXPECT_EQ(-2032, db2CfgGet(9080000, &cfg, &ca_));
    ASSERT_EQ(0, db2sim_set_product("SQL08020"));
    EXPECT_EQ(0, db2CfgGet(db2Version820, &cfg, &ca_));
    EXPECT_EQ(-2032, db2CfgGet(db2Version900, &cfg, &ca_));
    EXPECT_EQ(-2032, db2CfgSet(db2Version900, &cfg, &ca_));
    EXPECT_EQ(8, numdb());
}

TEST_F(Db2SimConfig, ResetsRestoreDefaults) {
    ASSERT_EQ(0, set<uint16_t>(kDbm, kNumdb, 50));
    ASSERT_EQ(0, set<uint16_t>(kDb, kMaxappls, 77, 0, "SAMPLE"));
    ca_ = zeroed();
    ASSERT_EQ(0, sqlfrsys(&ca_));
    EXPECT_EQ(8, numdb());

    char alias[] = "sample";
    ASSERT_EQ(0, sqlfrdb(alias, &ca_));
    Slot maxappls(kMaxappls);
    ASSERT_EQ(0, get(kDb, maxappls, "SAMPLE"));
    EXPECT_EQ(40, maxappls.as<uint16_t>());

    char missing[] = "NOSUCHDB";
    EXPECT_EQ(-1013, sqlfrdb(missing, &ca_));
    EXPECT_EQ(-1013, sqlfrdb(nullptr, &ca_));
    EXPECT_EQ(-1, sqlfrsys(nullptr));
}

TEST_F(Db2SimConfig, FaultsAndJournal) {
    db2sim_inject("db2CfgSet", DB2SIM_FAULT_ERROR, -5005, nullptr, 1);
    EXPECT_EQ(-5005, set<uint16_t>(kDbm, kNumdb, 12));
    EXPECT_EQ(8, numdb());
    ASSERT_EQ(0, set<uint16_t>(kDbm, kNumdb, 12));
    std::vector<std::string> lines = journal();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(std::string::npos, lines[lines.size() - 1].find("values=\"numdb=12\""));
}

}  // namespace
