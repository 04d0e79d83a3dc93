package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.DynamicTest.dynamicTest;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandCatalogAPPNNode;
import com.qorvath.db2command.DB2CommandCatalogNode;
import com.qorvath.db2command.DB2CommandCatalogDCSDB;
import com.qorvath.db2command.DB2CommandCatalogDatabase;
import com.qorvath.db2command.DB2CommandAutoConfigure;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandGetDBCfg;
import com.qorvath.db2command.DB2CommandGetDBMCfg;
import com.qorvath.db2command.DB2CommandListNodeDirectory;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandListDCSDirectory;
import com.qorvath.db2command.DB2CommandResetDBConfigure;
import com.qorvath.db2command.DB2CommandResetDBMConfigure;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandUnCatalogNode;
import com.qorvath.db2command.DB2CommandUnCatalogDCSDB;
import com.qorvath.db2command.DB2CommandUnCatalogDatabase;
import com.qorvath.db2command.DB2CommandUpdateDBCfg;
import com.qorvath.db2command.DB2CommandUpdateDBMCfg;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.concurrent.Callable;
import org.junit.jupiter.api.DynamicTest;
import org.junit.jupiter.api.TestFactory;

/**
 * Every native operation against every fault of every DB2 entry point it calls: the entry point
 * missing, failing, or warning. Whatever happens, the JVM survives, the outcome is a value or an
 * SQLException with a message, and the stand-in's live counters come back to where they were.
 * Each new command adds its row to {@link #SWEEP}.
 *
 * <p>The one exception: when an entry point that hands a resource back (end a context, free a
 * handle, close a scan) is itself missing or failing, DB2 has kept the resource and the library
 * cannot release it; the counters are not compared for those cases.
 */
class FaultSweepTest {
    /** A step around the operation, run without faults. */
    interface Step {
        void run() throws Exception;
    }

    /**
     * One operation, the entry points it calls, and those of them that release resources. {@code
     * setUp} prepares what the operation needs and {@code tearDown} ends what it left behind; both
     * run without faults.
     */
    record Row(String operation, List<String> entryPoints, List<String> releases, Step setUp,
            Callable<Object> run, Step tearDown) {
        Row(String operation, List<String> entryPoints, List<String> releases,
                Callable<Object> run) {
            this(operation, entryPoints, releases, () -> {}, run, () -> {});
        }
    }

    static final List<Row> SWEEP = List.of(
            new Row("getClientVersion", List.of("sqleGetCurrentCtx", "sqleBeginCtx", "sqleEndCtx"),
                    List.of("sqleEndCtx"), TarvinexUtil::getClientVersion),
            new Row("attach",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlesetc_api", "sqleatin_api",
                        "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::open, () -> Session.run(new DB2CommandAttach()),
                    Session::close),
            new Row("detach", List.of("sqleAttachToCtx", "sqledtin_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::attached,
                    () -> Session.run(new DB2CommandDetach()), Session::close),
            new Row("connect",
                    List.of("sqleBeginCtx", "SQLAllocHandle", "SQLSetEnvAttr", "SQLSetConnectAttr",
                        "SQLConnect", "SQLGetInfo", "SQLDisconnect", "SQLFreeHandle", "sqleEndCtx"),
                    List.of("SQLDisconnect", "SQLFreeHandle", "sqleEndCtx"), Session::open,
                    () -> Session.run(Session.connect()), Session::close),
            new Row("reconnect",
                    List.of("sqleGetCurrentCtx", "sqleAttachToCtx", "SQLDisconnect",
                        "SQLFreeHandle", "sqleEndCtx", "sqleBeginCtx", "SQLAllocHandle",
                        "SQLConnect", "SQLGetInfo"),
                    List.of("SQLDisconnect", "SQLFreeHandle", "sqleEndCtx"), Session::connected,
                    () -> Session.run(Session.connect()), Session::close),
            new Row("disconnect",
                    List.of("SQLDisconnect", "SQLFreeHandle", "sqleAttachToCtx", "sqleEndCtx"),
                    List.of("SQLDisconnect", "SQLFreeHandle", "sqleEndCtx"), Session::connected,
                    () -> Session.run(new DB2CommandDisconnect()), Session::close),
            new Row("list node directory",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlenops_api", "sqlengne_api",
                        "sqlencls_api", "sqleEndCtx"),
                    List.of("sqlencls_api", "sqleEndCtx"), Session::nodeEntry,
                    () -> Session.run(new DB2CommandListNodeDirectory()), Session::close),
            new Row("catalog node",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlectnd_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::noNodes, () -> Session.run(Session.tcpipNode()),
                    Session::close),
            new Row("catalog appn node",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlectnd_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::noNodes, () -> Session.run(Session.appnNode()),
                    Session::close),
            new Row("uncatalog node",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqleuncn_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::nodeEntry,
                    () -> Session.run(Session.uncatalogNode()), Session::close),
            new Row("list db directory",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqledosd_api", "sqledgne_api",
                        "sqlegins_api", "sqledcls_api", "sqleEndCtx"),
                    List.of("sqledcls_api", "sqleEndCtx"), Session::dbEntry,
                    () -> Session.run(new DB2CommandListDBDirectory()), Session::forgetEntries),
            new Row("catalog database",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlecadb_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::noEntries,
                    () -> Session.run(new DB2CommandCatalogDatabase("SWEEPDB", "SWEEPDB")),
                    Session::forgetEntries),
            new Row("uncatalog database",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqleuncd_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::dbEntry,
                    () -> Session.run(new DB2CommandUnCatalogDatabase("SWEEPDB")),
                    Session::forgetEntries),
            new Row("list dcs directory",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlegdsc_api", "sqlegdgt_api",
                        "sqlegdcl_api", "sqleEndCtx"),
                    List.of("sqlegdcl_api", "sqleEndCtx"), Session::dcsEntry,
                    () -> Session.run(new DB2CommandListDCSDirectory()), Session::forgetEntries),
            new Row("catalog dcs db",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlegdad_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::noEntries,
                    () -> Session.run(new DB2CommandCatalogDCSDB("SWEEPDB", "HOSTDB")),
                    Session::forgetEntries),
            new Row("uncatalog dcs db",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "sqlegdel_api", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::dcsEntry,
                    () -> Session.run(new DB2CommandUnCatalogDCSDB("SWEEPDB")),
                    Session::forgetEntries),
            new Row("get-dbm-cfg",
                    List.of("sqleBeginCtx", "sqleAttachToCtx", "db2CfgGet", "sqleEndCtx"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(new DB2CommandGetDBMCfg()), Session::close),
            new Row("get-db-cfg detail", List.of("sqleAttachToCtx", "db2CfgGet"), List.of(),
                    Session::connected, () -> Session.run(Session.getDbDetail()), Session::close),
            new Row("update-dbm-cfg", List.of("sqleAttachToCtx", "db2CfgSet"), List.of(),
                    Session::attached, () -> Session.run(Session.updateDbm()), Session::close),
            new Row("update-db-cfg", List.of("sqleAttachToCtx", "db2CfgSet"), List.of(),
                    Session::connected, () -> Session.run(Session.updateDb()), Session::close),
            new Row("reset-dbm-cfg", List.of("sqleAttachToCtx", "sqlfrsys"), List.of(),
                    Session::attached, () -> Session.run(new DB2CommandResetDBMConfigure()),
                    Session::close),
            new Row("reset-db-cfg", List.of("sqleAttachToCtx", "sqlfrdb"), List.of(),
                    Session::attached, () -> Session.run(Session.resetDb()), Session::close),
            new Row("autoconfigure",
                    List.of("sqleAttachToCtx", "db2AutoConfig", "db2AutoConfigFreeMemory"),
                    List.of("db2AutoConfigFreeMemory"), Session::connected,
                    () -> Session.run(Session.autoConfigure()), Session::close));

    /** The run-time context the connection rows share while one case runs. */
    static final class Session {
        static DB2CommandRuntimeContext context;

        static void open() {
            context = new DB2CommandRuntimeContext();
            context.setClientVersion(new ServerVersion(9, 7, 4));
            context.setAttachNodeId(0);
            context.setConnectNodeId(0);
        }

        static void attached() throws SQLException {
            open();
            assertEquals(true, run(new DB2CommandAttach()));
        }

        static void connected() throws SQLException {
            open();
            assertEquals(true, run(connect()));
        }

        // The directories live in the state folder, which a reset keeps: the directory rows
        // start from a known entry (SWEEPDB in the database and DCS directories) or none.
        static void noEntries() throws SQLException {
            open();
            forgetEntries();
        }

        static void dbEntry() throws SQLException {
            noEntries();
            assertEquals(true, run(new DB2CommandCatalogDatabase("SWEEPDB", "SWEEPDB")));
        }

        static void dcsEntry() throws SQLException {
            noEntries();
            assertEquals(true, run(new DB2CommandCatalogDCSDB("SWEEPDB", "HOSTDB")));
        }

        static void forgetEntries() throws SQLException {
            for (DB2Command uncatalog : List.of(new DB2CommandUnCatalogDatabase("SWEEPDB"),
                         new DB2CommandUnCatalogDCSDB("SWEEPDB"))) {
                try {
                    run(uncatalog);
                } catch (SQLException absent) {
                    // not catalogued: nothing to forget
                }
            }
        }

        static DB2Command tcpipNode() {
            DB2CommandCatalogNode node = new DB2CommandCatalogNode();
            node.setName("SWEEPN");
            node.setHostName("localhost");
            node.setService("50000");
            return node;
        }

        static DB2Command appnNode() {
            DB2CommandCatalogAPPNNode node = new DB2CommandCatalogAPPNNode();
            node.setNodeName("SWEEPA");
            node.setPartnerLu("PARTNER");
            return node;
        }

        static DB2Command uncatalogNode() {
            DB2CommandUnCatalogNode node = new DB2CommandUnCatalogNode();
            node.setNodeName("SWEEPN");
            return node;
        }

        /** Node directories outlive a reset: remove the sweep's nodes left by an earlier case. */
        static void noNodes() throws SQLException {
            open();
            for (String name : List.of("SWEEPN", "SWEEPA")) {
                DB2CommandUnCatalogNode node = new DB2CommandUnCatalogNode();
                node.setNodeName(name);
                try {
                    run(node);
                } catch (SQLException e) {
                    // not catalogued: nothing to remove
                }
            }
        }

        static void nodeEntry() throws SQLException {
            noNodes();
            assertEquals(true, run(tcpipNode()));
        }

        static DB2Command connect() {
            return new DB2CommandConnect("SAMPLE", "", "");
        }

        static DB2Command getDbDetail() {
            DB2CommandGetDBCfg get = new DB2CommandGetDBCfg();
            get.setShowDetail(true);
            return get;
        }

        static DB2Command updateDbm() {
            DB2CommandUpdateDBMCfg update = new DB2CommandUpdateDBMCfg();
            update.setKeywordValueMap(Map.of("diaglevel", "3"));
            return update;
        }

        static DB2Command updateDb() {
            DB2CommandUpdateDBCfg update = new DB2CommandUpdateDBCfg();
            update.setDefered(true);
            update.setKeywordValueMap(Map.of("logprimary", "5"));
            return update;
        }

        static DB2Command resetDb() {
            DB2CommandResetDBConfigure reset = new DB2CommandResetDBConfigure();
            reset.setAlias("SAMPLE");
            return reset;
        }

        static DB2Command autoConfigure() {
            DB2CommandAutoConfigure auto = new DB2CommandAutoConfigure();
            auto.setRemoteDatabaseName("SAMPLE");
            auto.setApplyType(DB2CommandAutoConfigure.EnumApplyType.DB_ONLY);
            return auto;
        }

        static Boolean run(DB2Command command) throws SQLException {
            return TarvinexUtil.executeDB2Command(command, context, new DB2APIDataContainer());
        }

        static void close() throws SQLException {
            if (context.isAttached()) {
                run(new DB2CommandDetach());
            }
            if (context.isConnected()) {
                run(new DB2CommandDisconnect());
            }
        }
    }

    private enum Fault { MISSING, ERROR, WARNING }

    @TestFactory
    List<DynamicTest> sweep() {
        List<DynamicTest> tests = new ArrayList<>();
        for (Row row : SWEEP) {
            for (String entry : row.entryPoints()) {
                for (Fault fault : Fault.values()) {
                    tests.add(dynamicTest(row.operation() + " / " + entry + " " + fault,
                            () -> runOne(row, entry, fault)));
                }
            }
        }
        return tests;
    }

    private static long[] counters() {
        return new long[] {Db2Sim.liveContexts(), Db2Sim.liveCliHandles(), Db2Sim.openScans(),
            Db2Sim.memoryHandedOut(), Db2Sim.liveConnections(), Db2Sim.liveAttachments()};
    }

    private static void runOne(Row row, String entry, Fault fault) throws Exception {
        Db2Sim.reset();
        long[] before = counters();
        row.setUp().run();
        switch (fault) {
            case MISSING -> Db2Sim.injectMissing(entry, 0);
            case ERROR -> Db2Sim.injectError(entry, -1092, "SWEEP", 0);
            case WARNING -> Db2Sim.injectWarning(entry, 1014, "", 0);
        }
        try {
            assertNotNull(row.run().call(), "an answer, never null");
        } catch (SQLException e) {
            assertNotNull(e.getMessage());
            assertFalse(e.getMessage().isBlank(), "a failure says what failed");
        } finally {
            Db2Sim.clearFaults();
        }
        row.tearDown().run();
        if (fault != Fault.WARNING && row.releases().contains(entry)) {
            return;
        }
        assertEquals(asList(before), asList(counters()),
                "contexts, CLI handles, scans, memory, connections and attachments are back where"
                        + " they were");
    }

    private static List<Long> asList(long[] values) {
        List<Long> list = new ArrayList<>();
        for (long v : values) {
            list.add(v);
        }
        return list;
    }
}
