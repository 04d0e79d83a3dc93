package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandAutoConfigure;
import com.qorvath.db2command.DB2CommandResetDBConfigure;
import com.qorvath.db2command.DB2CommandResetDBMConfigure;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** RESET DBM CFG, RESET DB CFG and AUTOCONFIGURE on the stand-in instance. */
class ConfigResetAutoConfigureTest extends Session {
    static final String REQUIRES_INSTANCE = "Error: This command requires instance connection!";
    static final String REQUIRES_DATABASE = "Error: This command requires database connection!";
    static final List<String> COLUMNS = List.of("name", "type", "token", "current/old value",
            "recommended value", "value was applied", "brief");

    @BeforeEach
    void fresh() {
        begin();
        context.setAttachNodeId(0);
        context.setConnectNodeId(0);
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
        assertEquals(0, Db2Sim.memoryHandedOut(), "memory handed out by the client");
    }

    void connect() throws SQLException {
        connect("SAMPLE");
    }

    static DB2CommandResetDBConfigure resetDb(String alias) {
        DB2CommandResetDBConfigure reset = new DB2CommandResetDBConfigure();
        reset.setAlias(alias);
        return reset;
    }

    @Test
    void resetsNeedTheAttachmentAndReachTheClient() throws SQLException {
        assertEquals(REQUIRES_INSTANCE, failure(new DB2CommandResetDBMConfigure()));
        assertEquals(REQUIRES_INSTANCE, failure(resetDb("SAMPLE")));
        assertEquals(List.of(), journal("sqlfrsys"));
        assertEquals(List.of(), journal("sqlfrdb"));
        assertEquals(List.of(), journal("sqleBeginCtx"), "no private context is made");
        attach();
        assertTrue(run(new DB2CommandResetDBMConfigure()));
        assertTrue(run(resetDb("SAMPLE")));
        assertEquals(1, journal("sqlfrsys").size());
        List<String> db = journal("sqlfrdb");
        assertEquals(1, db.size());
        assertTrue(db.get(0).contains("SAMPLE"), db.get(0));
        assertEquals(0, box.getColumnCount(), "resets list nothing");
    }

    @Test
    void resetFailuresFollowTheCallerConvention() throws SQLException {
        attach();
        String message = failure(resetDb("NOSUCHDB"));
        assertTrue(message.contains("SQL1013N"), message);
        Db2Sim.injectMissing("sqlfrsys", 0);
        assertEquals("Call DB2 API fail, no such function",
                failure(new DB2CommandResetDBMConfigure()));
        Db2Sim.clearFaults();

        Db2Sim.injectError("sqlfrsys", -1092, "RESET", 0);
        assertTrue(failure(new DB2CommandResetDBMConfigure()).contains("SQL1092N"));
        Db2Sim.clearFaults();

        Db2Sim.injectWarning("sqlfrdb", 1014, "", 0);
        assertTrue(run(resetDb("SAMPLE")), "a warning is a success");
        assertTrue(context.getWarningMessage().contains("SQL1014W"),
                context.getWarningMessage());
    }

    DB2CommandAutoConfigure sample() {
        DB2CommandAutoConfigure auto = new DB2CommandAutoConfigure();
        auto.setRemoteDatabaseName("SAMPLE");
        return auto;
    }

    List<String> column(String name) {
        List<String> values = new ArrayList<>();
        for (int row = 0; row < box.getRowCount(); row++) {
            values.add(box.getValue(row, name));
        }
        return values;
    }

    /** The group of each row: 0 diagnostics, 1 DB, 2 DBM, 3 buffer pools. */
    List<Integer> groups() {
        List<Integer> groups = new ArrayList<>();
        for (List<String> row : box.getRows()) {
            String type = row.get(1);
            String applied = row.get(5);
            if ("DIAGNOSTIC".equals(applied)) {
                groups.add(0);
            } else if ("DB".equals(type)) {
                groups.add(1);
            } else if ("DBM".equals(type)) {
                groups.add(2);
            } else {
                assertEquals("0", type, "a buffer pool row");
                groups.add(3);
            }
        }
        return groups;
    }

    @Test
    void needsTheConnectionAndAnAliasOfEightAtMost() throws SQLException {
        assertEquals(REQUIRES_DATABASE, failure(sample()));
        attach();
        assertEquals(REQUIRES_DATABASE, failure(sample()), "an attachment is not enough");
        assertEquals(List.of(), journal("db2AutoConfig"));
        connect();
        DB2CommandAutoConfigure auto = sample();
        auto.setRemoteDatabaseName("SAMPLEXYZ");
        assertTrue(failure(auto).contains("SAMPLEXYZ"));
        auto.setRemoteDatabaseName("SAMPLE\0x");  // eight characters for Java, six for DB2
        assertEquals("getRemoteDatabaseName" + HOLDS_NUL, failure(auto));
        assertEquals(List.of(), journal("db2AutoConfig"));
    }

    @Test
    void defaultsListEveryGroupInOrderNamedAndApplyNothing() throws SQLException {
        connect();
        assertTrue(run(sample()));

        assertEquals(COLUMNS, box.getColumnNames());
        List<Integer> groups = groups();
        assertTrue(groups.contains(1) && groups.contains(2) && groups.contains(3), groups
                .toString());
        List<Integer> sorted = new ArrayList<>(groups);
        sorted.sort(null);
        assertEquals(sorted, groups, "diagnostics, DB, DBM, buffer pools");
        for (List<String> row : box.getRows()) {
            if (!"DIAGNOSTIC".equals(row.get(5))) {
                assertTrue(row.get(5).equals("No") || row.get(4).equals("No"),
                        "nothing applied: " + row);
            }
        }
        String call = journal("db2AutoConfig").get(0);
        assertTrue(call.contains("9000000"), call);
        assertEquals(1, journal("db2AutoConfigFreeMemory").size(), "output released");
        boolean named = false;
        for (List<String> row : box.getRows()) {
            if ("Unknown parameter".equals(row.get(0))) {
                assertEquals("Unknown parameter", row.get(6), "brief of " + row);
            } else if ("DB".equals(row.get(1)) || "DBM".equals(row.get(1))) {
                named = true;
                assertFalse(row.get(6).isEmpty(), "a brief for " + row);
            }
        }
        assertTrue(named, "the catalogue names the recommendations");
    }

    List<List<String>> rowsOf(DB2CommandAutoConfigure auto) throws SQLException {
        box = new DB2APIDataContainer();
        assertTrue(run(auto));
        return box.getRows();
    }

    @Test
    void unsetSettingsMeanTheUsualWorkload() throws SQLException {
        connect();
        List<List<String>> defaults = rowsOf(sample());

        DB2CommandAutoConfigure spelled = sample();
        spelled.setApplyType(DB2CommandAutoConfigure.EnumApplyType.NONE);
        spelled.setMemoryPercentage(25);
        spelled.setWorkloadType(DB2CommandAutoConfigure.EnumWorkloadType.MIXED);
        spelled.setNumStmts(10);
        spelled.setTransactionPerMinute(60);
        spelled.setAdminPriority(DB2CommandAutoConfigure.EnumAdminPriority.BOTH);
        spelled.setIsPopulated(true);
        spelled.setNumLocalApps(0);
        spelled.setNumRemoteApps(10);
        spelled.setIsolation(DB2CommandAutoConfigure.EnumIsolation.RR);
        spelled.setBufferpoolResizable(true);
        assertEquals(defaults, rowsOf(spelled));

        DB2CommandAutoConfigure more = sample();
        more.setMemoryPercentage(60);
        assertFalse(defaults.equals(rowsOf(more)), "the workload reaches the client");
    }

    @Test
    void applyDbOnlySaysYesForDatabaseRowsOnly() throws SQLException {
        connect();
        DB2CommandAutoConfigure auto = sample();
        auto.setApplyType(DB2CommandAutoConfigure.EnumApplyType.DB_ONLY);
        assertTrue(run(auto));
        List<String> types = column("type");
        List<String> applied = column("value was applied");
        for (int i = 0; i < types.size(); i++) {
            if ("DB".equals(types.get(i))) {
                assertEquals("Yes", applied.get(i));
            } else if ("DBM".equals(types.get(i))) {
                assertEquals("No", applied.get(i));
            }
        }
        assertTrue(types.contains("DB") && types.contains("DBM"));
    }

    @Test
    void an8xClientUsesTheOlderItemsAndExactly9TheNewer() throws SQLException {
        context.setClientVersion(new ServerVersion(8, 2, 0));
        connect();
        assertTrue(run(sample()));
        assertTrue(journal("db2AutoConfig").get(0).contains("8010000"));
        assertTrue(column("type").contains("DB"));
        for (List<String> row : box.getRows()) {
            if ("DB".equals(row.get(1)) && !"Unknown parameter".equals(row.get(0))) {
                assertFalse(row.get(4).isEmpty(), "a recommended value for " + row);
            }
        }
        context.setClientVersion(new ServerVersion(9, 0, 0));
        connect();
        assertTrue(run(sample()));
        assertTrue(journal("db2AutoConfig").get(0).contains("9000000"));
    }

    @Test
    void clientFailuresAndNoLeftoverMemory() throws SQLException {
        connect();
        Db2Sim.injectMissing("db2AutoConfig", 0);
        assertEquals("Call DB2 API fail, no such function", failure(sample()));
        Db2Sim.clearFaults();

        Db2Sim.injectError("db2AutoConfig", -1092, "AUTO", 0);
        assertEquals("Error in db2autoconfigure call.", failure(sample()));
        Db2Sim.clearFaults();
        assertEquals(List.of(), journal("db2AutoConfigFreeMemory"),
                "nothing to free when the call failed");

        Db2Sim.injectWarning("db2AutoConfig", 1014, "", 0);
        assertEquals("Error in db2autoconfigure call.", failure(sample()));
        Db2Sim.clearFaults();
        assertEquals(0, Db2Sim.memoryHandedOut(), "a warning's output is released too");

        assertTrue(run(sample()));
        assertEquals(0, Db2Sim.memoryHandedOut());
    }
}
