package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.DynamicTest.dynamicTest;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandActivateDatabase;
import com.qorvath.db2command.DB2CommandAddDBPartNum;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandAutoConfigure;
import com.qorvath.db2command.DB2CommandCatalogAPPNNode;
import com.qorvath.db2command.DB2CommandCatalogDCSDB;
import com.qorvath.db2command.DB2CommandCatalogDatabase;
import com.qorvath.db2command.DB2CommandCatalogNode;
import com.qorvath.db2command.DB2CommandChangeDBComment;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandCreateDatabase.ContainerDefinition;
import com.qorvath.db2command.DB2CommandCreateDatabase.TablespaceDefinition;
import com.qorvath.db2command.DB2CommandCreateDatabase;
import com.qorvath.db2command.DB2CommandDeActivateDatabase;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandDropDBPartNumVerify;
import com.qorvath.db2command.DB2CommandDropDatabase;
import com.qorvath.db2command.DB2CommandGetDBCfg;
import com.qorvath.db2command.DB2CommandGetDBMCfg;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandListDCSDirectory;
import com.qorvath.db2command.DB2CommandListNodeDirectory;
import com.qorvath.db2command.DB2CommandMigrateDatabase;
import com.qorvath.db2command.DB2CommandQuiesceDatabase;
import com.qorvath.db2command.DB2CommandQuiesceInstance;
import com.qorvath.db2command.DB2CommandRedistributeDBPartGroup;
import com.qorvath.db2command.DB2CommandResetDBConfigure;
import com.qorvath.db2command.DB2CommandResetDBMConfigure;
import com.qorvath.db2command.DB2CommandRestartDatabase;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandStartDBM;
import com.qorvath.db2command.DB2CommandStopDBM;
import com.qorvath.db2command.DB2CommandUnCatalogDCSDB;
import com.qorvath.db2command.DB2CommandUnCatalogDatabase;
import com.qorvath.db2command.DB2CommandUnCatalogNode;
import com.qorvath.db2command.DB2CommandUnQuiesceDatabase;
import com.qorvath.db2command.DB2CommandUnQuiesceInstance;
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
import java.util.Set;
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
            new Row("get-dbm-cfg attached", List.of("sqleAttachToCtx", "db2CfgGet"), List.of(),
                    Session::attached, () -> Session.run(new DB2CommandGetDBMCfg()),
                    Session::close),
            new Row("get-db-cfg through the attachment", List.of("sqleAttachToCtx", "db2CfgGet"),
                    List.of(), Session::attached,
                    () -> Session.run(new DB2CommandGetDBCfg("SAMPLE", false)), Session::close),
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
                    () -> Session.run(Session.autoConfigure()), Session::close),
            new Row("activate database", Session.privateCall("sqle_activate_db_api"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(Session.activation(new DB2CommandActivateDatabase())),
                    Session::close),
            new Row("deactivate database", Session.privateCall("sqle_deactivate_db_api"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(Session.activation(new DB2CommandDeActivateDatabase())),
                    Session::close),
            new Row("quiesce database", List.of("sqleAttachToCtx", "db2DatabaseQuiesce"),
                    List.of(), Session::connectedToSample,
                    () -> Session.run(new DB2CommandQuiesceDatabase()), Session::close),
            new Row("unquiesce database", List.of("sqleAttachToCtx", "db2DatabaseUnquiesce"),
                    List.of(), Session::connectedToSample,
                    () -> Session.run(new DB2CommandUnQuiesceDatabase()), Session::close),
            new Row("quiesce instance", List.of("sqleAttachToCtx", "db2InstanceQuiesce"),
                    List.of(), Session::attached,
                    () -> Session.run(new DB2CommandQuiesceInstance()), Session::close),
            new Row("unquiesce instance", List.of("sqleAttachToCtx", "db2InstanceUnquiesce"),
                    List.of(), Session::attached,
                    () -> Session.run(new DB2CommandUnQuiesceInstance()), Session::close),
            new Row("restart database", Session.privateCall("db2DatabaseRestart"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(Session.restart()), Session::close),
            new Row("migrate database", Session.privateCall("sqlemgdb_api"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(Session.migrate()), Session::close),
            new Row("change db comment", Session.privateCall("sqledcgd_api"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(Session.changeComment()), Session::close),
            new Row("add db partition", Session.privateCall("sqleaddn_api"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(new DB2CommandAddDBPartNum()), Session::close),
            new Row("drop db partition verify", Session.privateCall("sqledrpn_api"),
                    List.of("sqleEndCtx"), Session::open,
                    () -> Session.run(new DB2CommandDropDBPartNumVerify()), Session::close),
            new Row("redistribute", List.of("sqleAttachToCtx", "sqludrdt_api"), List.of(),
                    Session::connected, () -> Session.run(Session.redistribute()),
                    Session::close),
            new Row("create database", List.of("sqleAttachToCtx", "sqlecrea_api"), List.of(),
                    () -> Databases.attachedWithout("SWEEPCR"),
                    () -> Session.run(Databases.createWithTablespaces("SWEEPCR")),
                    () -> Databases.dropAndClose("SWEEPCR")),
            new Row("drop database", List.of("sqleAttachToCtx", "sqledrpd_api"), List.of(),
                    () -> Databases.attachedWith("SWEEPDR"),
                    () -> Session.run(new DB2CommandDropDatabase("SWEEPDR")),
                    () -> Databases.dropAndClose("SWEEPDR")),
            new Row("start dbm", Session.privateCall("db2InstanceStart"), List.of("sqleEndCtx"),
                    Session::open, () -> Session.run(new DB2CommandStartDBM()), Session::close),
            new Row("stop dbm", Session.privateCall("db2InstanceStop"), List.of("sqleEndCtx"),
                    Session::open, () -> Session.run(new DB2CommandStopDBM()),
                    Databases::startedAndClosed));

    /** Steps of the create, drop, start and stop rows. */
    static final class Databases {
        static void attachedWithout(String name) throws SQLException {
            Session.attached();
            dropIfThere(name);
        }

        static void dropIfThere(String name) {
            try {
                Session.run(new DB2CommandDropDatabase(name));
            } catch (SQLException e) {
                // not there
            }
        }

        static void attachedWith(String name) throws SQLException {
            attachedWithout(name);
            Session.run(new DB2CommandCreateDatabase(name));
        }

        static DB2Command createWithTablespaces(String name) {
            DB2CommandCreateDatabase create = new DB2CommandCreateDatabase(name);
            create.setUserTablespaceDefinition(new TablespaceDefinition()
                    .addContainer(new ContainerDefinition("/sweep/u1"))
                    .addContainer(new ContainerDefinition("/sweep/u2")));
            return create;
        }

        static void dropAndClose(String name) throws SQLException {
            dropIfThere(name);
            Session.close();
        }

        static void startedAndClosed() throws SQLException {
            Db2Sim.startInstance();
            Session.close();
        }
    }

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

        /** The calls of a command on a private context around its one DB2 call. */
        static List<String> privateCall(String entry) {
            return List.of("sqleBeginCtx", "sqleAttachToCtx", entry, "sqleEndCtx");
        }

        static void connectedToSample() throws SQLException {
            connected();
            context.setDatabaseAlias("SAMPLE");
        }

        static DB2Command activation(DB2CommandActivateDatabase command) {
            command.setAlias("SAMPLE");
            return command;
        }

        static DB2Command restart() {
            DB2CommandRestartDatabase restart = new DB2CommandRestartDatabase();
            restart.setAlias("SAMPLE");
            return restart;
        }

        static DB2Command migrate() {
            DB2CommandMigrateDatabase migrate = new DB2CommandMigrateDatabase();
            migrate.setAlias("SAMPLE");
            return migrate;
        }

        static DB2Command changeComment() {
            DB2CommandChangeDBComment change = new DB2CommandChangeDBComment();
            change.setAlias("SAMPLE");
            change.setComment("sweep");
            return change;
        }

        static DB2Command redistribute() {
            DB2CommandRedistributeDBPartGroup redistribute =
                    new DB2CommandRedistributeDBPartGroup();
            redistribute.setDbPartitionGroup("IBMDEFAULTGROUP");
            redistribute.setRedistributeOption(
                    DB2CommandRedistributeDBPartGroup.EnumRedistributeOption.UNIFORM);
            return redistribute;
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
        // A context DB2 will not make current fails the command with DB2's text, before any
        // other DB2 call.
        boolean noContext = fault == Fault.ERROR && entry.equals("sqleAttachToCtx");
        try {
            Object answer = row.run().call();
            assertFalse(noContext, "answered " + answer + " without its context");
            assertNotNull(answer, "an answer, never null");
        } catch (SQLException e) {
            assertNotNull(e.getMessage());
            assertFalse(e.getMessage().isBlank(), "a failure says what failed");
            assertTrue(!noContext || e.getMessage().startsWith("SQL1092N"), e.getMessage());
        } finally {
            Db2Sim.clearFaults();
        }
        if (noContext) {
            assertOnlyContextCallsAfterTheRefusedAttach();
        }
        row.tearDown().run();
        if (fault != Fault.WARNING && row.releases().contains(entry)) {
            return;
        }
        assertEquals(asList(before), asList(counters()),
                "contexts, CLI handles, scans, memory, connections and attachments are back where"
                        + " they were");
    }

    /** What may follow a refused attach: ending the context, restoring the thread, the text. */
    private static final Set<String> CONTEXT_CALLS = Set.of("sqleGetCurrentCtx",
            "sqleDetachFromCtx", "sqleAttachToCtx", "sqleEndCtx", "sqlaintp_api");

    private static void assertOnlyContextCallsAfterTheRefusedAttach() {
        List<String> calls = List.of(Db2Sim.journal());
        int refused = 0;
        while (refused < calls.size() && !(calls.get(refused).startsWith("sqleAttachToCtx(")
                && calls.get(refused).contains("sqlcode=-1092"))) {
            refused++;
        }
        assertTrue(refused < calls.size(), "the refused attach is in the journal");
        for (String call : calls.subList(refused + 1, calls.size())) {
            assertTrue(CONTEXT_CALLS.contains(call.substring(0, call.indexOf('('))),
                    "no DB2 call after the refused attach: " + call);
        }
    }

    private static List<Long> asList(long[] values) {
        List<Long> list = new ArrayList<>();
        for (long v : values) {
            list.add(v);
        }
        return list;
    }
}
