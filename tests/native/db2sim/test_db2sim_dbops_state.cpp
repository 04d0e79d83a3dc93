// Instance and database state on the stand-in: start and stop on both interfaces, activation,
// quiesce (and who may still connect), restart, migrate, and the partition commands of a
// single-partition instance.
#include <cstring>
#include <string>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

// Makes `ctx` the calling thread's context for the life of the object.
using OnThread = OnContext;

class Db2SimDbopsState : public Db2SimInstanceTest {
  protected:
    int start(db2StartOptionsStruct* options = nullptr, const char* remote = nullptr) {
        db2DasCommData comm{};
        db2InstanceStartStruct in{};
        in.iIsRemote = remote != nullptr ? 1 : 0;
        in.piRemoteInstName = const_cast<char*>(remote);
        in.piCommData = remote != nullptr ? &comm : nullptr;
        in.piStartOpts = options;
        ca_ = zeroed();
        return db2InstanceStart(db2Version810, &in, &ca_);
    }
    int stop(db2Uint32 option = 0) {
        db2StopOptionsStruct options{};
        options.iStopOption = option;
        db2DasCommData comm{};
        db2InstanceStopStruct in{0, nullptr, &comm, &options};
        ca_ = zeroed();
        return db2InstanceStop(db2Version810, &in, &ca_);
    }
    int activation(bool on, const char* alias) {
        ca_ = zeroed();
        char* a = const_cast<char*>(alias);
        return on ? sqle_activate_db_api(a, nullptr, nullptr, nullptr, &ca_)
                  : sqle_deactivate_db_api(a, nullptr, nullptr, nullptr, &ca_);
    }
    int quiesceDatabase(bool on, const char* name) {
        ca_ = zeroed();
        db2DbQuiesceStruct q{const_cast<char*>(name), 1, 0, 0};
        db2DbUnquiesceStruct u{const_cast<char*>(name)};
        return on ? db2DatabaseQuiesce(db2Version810, &q, &ca_)
                  : db2DatabaseUnquiesce(db2Version810, &u, &ca_);
    }
    int restart(db2Uint32 version, const char* alias, db2int32 option = 0) {
        db2RestartDbStruct in{const_cast<char*>(alias), nullptr, nullptr, nullptr, option};
        ca_ = zeroed();
        return db2DatabaseRestart(version, &in, &ca_);
    }

    sqlca ca_{};
};

TEST_F(Db2SimDbopsState, StartAndStopChangeTheManagerOnBothInterfaces) {
    EXPECT_EQ(1026, start()) << "running already: a warning, nothing changes";
    ASSERT_EQ(0, stop());
    EXPECT_EQ(-1032, stop());
    ThreadContext thread;
    sqlca ca = zeroed();
    EXPECT_EQ(-1032, sqleatin_api(nullptr, nullptr, nullptr, &ca));
    Connected app;
    EXPECT_EQ(SQL_ERROR, app.connect("SAMPLE"));

    sqle_start_options old{};
    std::memcpy(old.sqloptid, SQLE_STARTOPTID_V51, SQL_EYECATCHER_SZ);
    ca = zeroed();
    ASSERT_EQ(0, sqlepstart_api(&old, &ca));
    EXPECT_EQ(0, sqleatin_api(nullptr, nullptr, nullptr, &ca));
    sqledbstopopt oldStop{};
    EXPECT_EQ(0, sqlepstp(&oldStop, &ca)) << "an attachment does not keep the manager up";
    old.sqloptid[7] = '2';
    EXPECT_EQ(-2032, sqlepstart_api(&old, &ca));
    EXPECT_EQ(0, sqlepstart_api(nullptr, &ca)) << "null options mean the defaults";
}

TEST_F(Db2SimDbopsState, StartChecksOptionsAndRemoteInstances) {
    db2StartOptionsStruct options{};
    options.iIsNodeNum = 1;
    options.iNodeNum = 1;
    EXPECT_EQ(-2032, start(&options)) << "partition 1 does not exist";
    options.iNodeNum = 0;
    options.iIsProfile = 1;
    EXPECT_EQ(-2032, start(&options)) << "profile asked for, none named";
    options.iIsProfile = 0;
    options.piUserName = const_cast<char*>("db2inst1");
    options.piPassword = const_cast<char*>("wrong");
    EXPECT_EQ(-30082, start(&options));
    EXPECT_EQ(-1212, start(nullptr, "NOWHERE"));
    ASSERT_EQ(0, db2sim_add_instance("OTHER"));
    EXPECT_EQ(0, start(nullptr, "other")) << "another known instance always runs";
    EXPECT_EQ(1026, start(nullptr, "DB2INST1"));
    EXPECT_EQ(-2032, db2InstanceStart(db2Version720, &options, &ca_));
}

TEST_F(Db2SimDbopsState, StopRefusesWhileInUseUnlessForced) {
    Connected app;
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    EXPECT_EQ(-1025, stop());
    ASSERT_EQ(SQL_SUCCESS, app.disconnect());
    ASSERT_EQ(0, activation(true, "SAMPLE"));
    EXPECT_EQ(-1025, stop());
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    ASSERT_EQ(0, stop(1)) << "forced";
    EXPECT_EQ(0, db2sim_counter("connections"));
    ASSERT_EQ(0, start());
    EXPECT_EQ(1496, activation(false, "SAMPLE")) << "a stop ends every activation";
}

TEST_F(Db2SimDbopsState, ActivationWarnsAsDb2Does) {
    EXPECT_EQ(1496, activation(false, "SAMPLE"));
    EXPECT_EQ(0, activation(true, "sample"));
    EXPECT_EQ(1490, activation(true, "SAMPLE"));
    Connected app;
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    EXPECT_EQ(1495, activation(false, "SAMPLE"));
    EXPECT_EQ(1494, activation(true, "SAMPLE"));
    EXPECT_EQ(-1013, activation(true, "NOSUCH"));
    sqlca ca = zeroed();
    char alias[] = "SAMPLE";
    char user[] = "db2inst1";
    char bad[] = "bad";
    EXPECT_EQ(-30082, sqle_activate_db_api(alias, user, bad, nullptr, &ca));
    char drop[] = "SAMPLE";
    EXPECT_EQ(-1035, sqledrpd_api(drop, nullptr, &ca)) << "connected and activated";
}

TEST_F(Db2SimDbopsState, QuiescedDatabaseAdmitsOnlyTheOwnerAndTheQuiescer) {
    ASSERT_EQ(0, db2sim_add_user("alice", "pw"));
    ASSERT_EQ(0, db2sim_add_user("bob", "pw"));
    Connected alice;
    ASSERT_EQ(SQL_SUCCESS, alice.connect("SAMPLE", "alice", "pw"));
    {
        OnThread on(alice.ctx());
        EXPECT_EQ(0, quiesceDatabase(true, "SAMPLE"));
    }
    Connected bob;
    EXPECT_EQ(SQL_ERROR, bob.connect("SAMPLE", "bob", "pw"));
    Connected owner;
    EXPECT_EQ(SQL_SUCCESS, owner.connect("SAMPLE"));
    Connected again;
    EXPECT_EQ(SQL_SUCCESS, again.connect("SAMPLE", "alice", "pw"));
    {
        OnThread on(alice.ctx());
        EXPECT_EQ(0, quiesceDatabase(false, "SAMPLE"));
    }
    EXPECT_EQ(SQL_SUCCESS, bob.connect("SAMPLE", "bob", "pw"));
    EXPECT_EQ(-1024, quiesceDatabase(true, "SAMPLE")) << "needs a connection";
}

TEST_F(Db2SimDbopsState, QuiescedInstanceAdmitsTheNamedUser) {
    ASSERT_EQ(0, db2sim_add_user("carol", "pw"));
    ASSERT_EQ(0, db2sim_add_user("dave", "pw"));
    db2InsQuiesceStruct q{};
    q.piInstanceName = const_cast<char*>("");
    q.piUserId = const_cast<char*>("carol");
    EXPECT_EQ(-1427, db2InstanceQuiesce(db2Version810, &q, &ca_)) << "needs an attachment";
    ThreadContext thread;
    sqlca ca = zeroed();
    ASSERT_EQ(0, sqleatin_api(nullptr, nullptr, nullptr, &ca));
    ASSERT_EQ(0, db2InstanceQuiesce(db2Version810, &q, &ca_)) << message(ca_);
    Connected carol, dave;
    EXPECT_EQ(SQL_SUCCESS, carol.connect("SAMPLE", "carol", "pw"));
    EXPECT_EQ(SQL_ERROR, dave.connect("SAMPLE", "dave", "pw"));
    db2InsUnquiesceStruct u{const_cast<char*>("DB2INST1")};
    ASSERT_EQ(0, db2InstanceUnquiesce(db2Version810, &u, &ca_));
    EXPECT_EQ(SQL_SUCCESS, dave.connect("SAMPLE", "dave", "pw"));
    u.piInstanceName = const_cast<char*>("NOWHERE");
    EXPECT_EQ(-1212, db2InstanceUnquiesce(db2Version810, &u, &ca_));
    db2sim_reset();
    EXPECT_EQ(0, db2sim_counter("connections"));
}

TEST_F(Db2SimDbopsState, RestartTakesBothVersionsAndChecksItsOption) {
    EXPECT_EQ(0, restart(db2Version710, "SAMPLE"));
    EXPECT_EQ(0, restart(db2Version810, "SAMPLE", DB2_DB_RESUME_WRITE));
    EXPECT_EQ(-2032, restart(db2Version810, "SAMPLE", 7));
    EXPECT_EQ(-2032, restart(7000000, "SAMPLE"));
    EXPECT_EQ(-1013, restart(db2Version810, "NOSUCH"));
}

TEST_F(Db2SimDbopsState, MigrateRaisesAnOlderDatabaseOnce) {
    ASSERT_EQ(0, db2sim_set_product("SQL08020"));
    char name[] = "OLDDB";
    sqlca ca = zeroed();
    ASSERT_EQ(0, sqlecrea_api(name, nullptr, nullptr, nullptr, nullptr, 0, nullptr, &ca));
    ASSERT_EQ(0, db2sim_set_product("SQL09074"));
    EXPECT_EQ(0, sqlemgdb_api(name, nullptr, nullptr, &ca));
    EXPECT_EQ(1103, sqlemgdb_api(name, nullptr, nullptr, &ca));
    char missing[] = "NOSUCH";
    EXPECT_EQ(-1013, sqlemgdb_api(missing, nullptr, nullptr, &ca));
}

TEST_F(Db2SimDbopsState, PartitionCommandsAnswerAsOnASinglePartition) {
    sqle_addn_options add{};
    std::memcpy(add.sqladdid, SQLE_ADDOPTID_V51, SQL_EYECATCHER_SZ);
    add.tblspace_type = SQLE_TABLESPACES_LIKE_CATALOG;
    sqlca ca = zeroed();
    EXPECT_EQ(-6073, sqleaddn_api(&add, &ca));
    add.tblspace_type = 3;
    EXPECT_EQ(-2032, sqleaddn_api(&add, &ca));
    EXPECT_EQ(6035, sqledrpn_api(SQL_DROPNODE_VERIFY, nullptr, &ca));
    EXPECT_EQ("SAMPLE", std::string(ca.sqlerrmc, ca.sqlerrml));
    EXPECT_EQ(-2032, sqledrpn_api(2, nullptr, &ca));

    char group[] = "IBMDEFAULTGROUP";
    EXPECT_EQ(-1024, sqludrdt_api(group, nullptr, nullptr, nullptr, 0, nullptr, 0, 'U', &ca));
    Connected app;
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    OnThread on(app.ctx());
    EXPECT_EQ(0, sqludrdt_api(group, nullptr, nullptr, nullptr, 0, nullptr, 0, 'U', &ca));
    EXPECT_EQ(-2032, sqludrdt_api(group, nullptr, nullptr, nullptr, 0, nullptr, 0, 0, &ca));
    EXPECT_EQ(-2032, sqludrdt_api(group, nullptr, nullptr, nullptr, 0, nullptr, 0, 'T', &ca));
    char unknown[] = "NOGROUP";
    EXPECT_EQ(-204, sqludrdt_api(unknown, nullptr, nullptr, nullptr, 0, nullptr, 0, 'U', &ca));
}

}  // namespace
