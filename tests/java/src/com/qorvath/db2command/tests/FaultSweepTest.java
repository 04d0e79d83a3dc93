package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.DynamicTest.dynamicTest;

import com.qorvath.db2command.*;
import com.qorvath.db2command.DB2CommandCreateDatabase.ContainerDefinition;
import com.qorvath.db2command.DB2CommandCreateDatabase.TablespaceDefinition;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.monitor.MonitorSnapshot;
import com.qorvath.db2command.monitor.MonitorSnapshot.EnumSnapshotType;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.io.IOException;
import java.io.UncheckedIOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.Callable;
import java.util.function.Consumer;
import java.util.function.Supplier;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import org.junit.jupiter.api.DynamicTest;
import org.junit.jupiter.api.TestFactory;

/**
 * Every native operation against every fault of every DB2 entry point it calls: the entry point
 * missing, failing, or warning. Whatever happens, the JVM survives, the outcome is a value or an
 * SQLException with a message, the stand-in's live counters come back to where they were, and a
 * warning that leaves the command successful reaches the run-time context. Each new command adds
 * its row to {@link #SWEEP}.
 *
 * <p>The one exception to the counters: when an entry point that hands a resource back (end a
 * context, free a handle, close a scan) is itself missing or failing, DB2 has kept the resource
 * and the library cannot release it; the counters are not compared for those cases.
 */
class FaultSweepTest {
    /** A step around the operation, run without faults. */
    interface Step {
        void run() throws Exception;
    }

    /**
     * One operation and the entry points it calls. {@code setUp} prepares what the operation needs
     * and {@code tearDown} ends what it left behind; both run without faults.
     */
    record Row(String operation, List<String> entryPoints, Step setUp, Callable<Object> run,
            Step tearDown) {}

    /** The entry points that hand a resource back. */
    static final Set<String> RELEASES = Set.of("sqleEndCtx", "SQLDisconnect", "SQLFreeHandle",
            "sqlencls_api", "sqledcls_api", "sqlegdcl_api", "db2AutoConfigFreeMemory",
            "sqlefmem_api", "db2HistoryCloseScan");

    static Row row(String operation, Step setUp, Supplier<DB2Command> command, Step tearDown,
            String... entryPoints) {
        return new Row(operation, List.of(entryPoints), setUp,
                () -> Session.run(command.get()), tearDown);
    }

    static Row row(String operation, Step setUp, Supplier<DB2Command> command,
            String... entryPoints) {
        return row(operation, setUp, command, Session::close, entryPoints);
    }

    /** A command on a context of its own: begun, made current, its calls, ended. */
    static Row ownContext(String operation, Step setUp, Supplier<DB2Command> command,
            Step tearDown, String... calls) {
        List<String> all = new ArrayList<>(List.of("sqleBeginCtx", "sqleAttachToCtx"));
        all.addAll(List.of(calls));
        all.add("sqleEndCtx");
        return row(operation, setUp, command, tearDown, all.toArray(String[]::new));
    }

    /** A command on a private context around its one DB2 call. */
    static Row privateCall(String operation, String entry, Supplier<DB2Command> command) {
        return ownContext(operation, Session::open, command, Session::close, entry);
    }

    static <T extends DB2Command> T with(T command, Consumer<T> settings) {
        settings.accept(command);
        return command;
    }

    static DB2Command aliased(DB2CommandActivateDatabase command) {
        command.setAlias("SAMPLE");
        return command;
    }

    static final List<Row> SWEEP = List.of(
            new Row("getClientVersion", List.of("sqleGetCurrentCtx", "sqleBeginCtx", "sqleEndCtx"),
                    () -> Session.context = null, TarvinexUtil::getClientVersion, () -> {}),
            row("attach", Session::open, DB2CommandAttach::new, "sqleBeginCtx", "sqleAttachToCtx",
                    "sqlesetc_api", "sqleatin_api", "sqleEndCtx"),
            row("detach", Session::attached, DB2CommandDetach::new, "sqleAttachToCtx",
                    "sqledtin_api", "sqleEndCtx"),
            row("connect", Session::open, Session::connect, "sqleBeginCtx", "SQLAllocHandle",
                    "SQLSetEnvAttr", "SQLSetConnectAttr", "SQLConnect", "SQLGetInfo",
                    "SQLDisconnect", "SQLFreeHandle", "sqleEndCtx"),
            row("reconnect", Session::connected, Session::connect, "sqleGetCurrentCtx",
                    "sqleAttachToCtx", "SQLDisconnect", "SQLFreeHandle", "sqleEndCtx",
                    "sqleBeginCtx", "SQLAllocHandle", "SQLConnect", "SQLGetInfo"),
            row("disconnect", Session::connected, DB2CommandDisconnect::new, "SQLDisconnect",
                    "SQLFreeHandle", "sqleAttachToCtx", "sqleEndCtx"),
            ownContext("list node directory", Session::nodeEntry,
                    DB2CommandListNodeDirectory::new, Session::close, "sqlenops_api",
                    "sqlengne_api", "sqlencls_api"),
            ownContext("catalog node", Session::noNodes, Session::tcpipNode, Session::close,
                    "sqlectnd_api"),
            ownContext("catalog appn node", Session::noNodes,
                    () -> with(new DB2CommandCatalogAPPNNode(), n -> {
                        n.setNodeName("SWEEPA");
                        n.setPartnerLu("PARTNER");
                    }), Session::close, "sqlectnd_api"),
            ownContext("uncatalog node", Session::nodeEntry,
                    () -> Session.uncatalogNode("SWEEPN"), Session::close, "sqleuncn_api"),
            ownContext("list db directory", Session::dbEntry, DB2CommandListDBDirectory::new,
                    Session::forgetEntries, "sqledosd_api", "sqledgne_api", "sqlegins_api",
                    "sqledcls_api"),
            ownContext("catalog database", Session::noEntries,
                    () -> new DB2CommandCatalogDatabase("SWEEPDB", "SWEEPDB"),
                    Session::forgetEntries, "sqlecadb_api"),
            ownContext("uncatalog database", Session::dbEntry,
                    () -> new DB2CommandUnCatalogDatabase("SWEEPDB"), Session::forgetEntries,
                    "sqleuncd_api"),
            ownContext("list dcs directory", Session::dcsEntry, DB2CommandListDCSDirectory::new,
                    Session::forgetEntries, "sqlegdsc_api", "sqlegdgt_api", "sqlegdcl_api"),
            ownContext("catalog dcs db", Session::noEntries,
                    () -> new DB2CommandCatalogDCSDB("SWEEPDB", "HOSTDB"), Session::forgetEntries,
                    "sqlegdad_api"),
            ownContext("uncatalog dcs db", Session::dcsEntry,
                    () -> new DB2CommandUnCatalogDCSDB("SWEEPDB"), Session::forgetEntries,
                    "sqlegdel_api"),
            privateCall("get-dbm-cfg", "db2CfgGet", DB2CommandGetDBMCfg::new),
            row("get-dbm-cfg attached", Session::attached, DB2CommandGetDBMCfg::new,
                    "sqleAttachToCtx", "db2CfgGet"),
            row("get-db-cfg through the attachment", Session::attached,
                    () -> new DB2CommandGetDBCfg("SAMPLE", false), "sqleAttachToCtx", "db2CfgGet"),
            row("get-db-cfg detail", Session::connected,
                    () -> with(new DB2CommandGetDBCfg(), g -> g.setShowDetail(true)),
                    "sqleAttachToCtx", "db2CfgGet"),
            row("update-dbm-cfg", Session::attached,
                    () -> with(new DB2CommandUpdateDBMCfg(),
                            u -> u.setKeywordValueMap(Map.of("diaglevel", "3"))),
                    "sqleAttachToCtx", "db2CfgSet"),
            row("update-db-cfg", Session::connected, () -> with(new DB2CommandUpdateDBCfg(), u -> {
                u.setDefered(true);
                u.setKeywordValueMap(Map.of("logprimary", "5"));
            }), "sqleAttachToCtx", "db2CfgSet"),
            row("reset-dbm-cfg", Session::attached, DB2CommandResetDBMConfigure::new,
                    "sqleAttachToCtx", "sqlfrsys"),
            row("reset-db-cfg", Session::attached,
                    () -> with(new DB2CommandResetDBConfigure(), r -> r.setAlias("SAMPLE")),
                    "sqleAttachToCtx", "sqlfrdb"),
            row("autoconfigure", Session::connected, () -> with(new DB2CommandAutoConfigure(), a -> {
                a.setRemoteDatabaseName("SAMPLE");
                a.setApplyType(DB2CommandAutoConfigure.EnumApplyType.DB_ONLY);
            }), "sqleAttachToCtx", "db2AutoConfig", "db2AutoConfigFreeMemory"),
            privateCall("activate database", "sqle_activate_db_api",
                    () -> aliased(new DB2CommandActivateDatabase())),
            privateCall("deactivate database", "sqle_deactivate_db_api",
                    () -> aliased(new DB2CommandDeActivateDatabase())),
            row("quiesce database", Session::connectedToSample, DB2CommandQuiesceDatabase::new,
                    "sqleAttachToCtx", "db2DatabaseQuiesce"),
            row("unquiesce database", Session::connectedToSample,
                    DB2CommandUnQuiesceDatabase::new, "sqleAttachToCtx", "db2DatabaseUnquiesce"),
            row("quiesce instance", Session::attached, DB2CommandQuiesceInstance::new,
                    "sqleAttachToCtx", "db2InstanceQuiesce"),
            row("unquiesce instance", Session::attached, DB2CommandUnQuiesceInstance::new,
                    "sqleAttachToCtx", "db2InstanceUnquiesce"),
            privateCall("restart database", "db2DatabaseRestart",
                    () -> with(new DB2CommandRestartDatabase(), r -> r.setAlias("SAMPLE"))),
            privateCall("migrate database", "sqlemgdb_api",
                    () -> with(new DB2CommandMigrateDatabase(), m -> m.setAlias("SAMPLE"))),
            privateCall("change db comment", "sqledcgd_api",
                    () -> with(new DB2CommandChangeDBComment(), c -> {
                        c.setAlias("SAMPLE");
                        c.setComment("sweep");
                    })),
            privateCall("add db partition", "sqleaddn_api", DB2CommandAddDBPartNum::new),
            privateCall("drop db partition verify", "sqledrpn_api",
                    DB2CommandDropDBPartNumVerify::new),
            row("redistribute", Session::connected,
                    () -> with(new DB2CommandRedistributeDBPartGroup(), r -> {
                        r.setDbPartitionGroup("IBMDEFAULTGROUP");
                        r.setRedistributeOption(
                                DB2CommandRedistributeDBPartGroup.EnumRedistributeOption.UNIFORM);
                    }), "sqleAttachToCtx", "sqludrdt_api"),
            row("runstats", Session::connected,
                    () -> with(new DB2CommandRunStats(), r -> r.setObjectName(sweepTable())),
                    "sqleAttachToCtx", "db2Runstats", "SQLEndTran"),
            row("reorg", Session::connected,
                    () -> with(new DB2CommandReorg(), r -> r.setTableName(sweepTable())),
                    "sqleAttachToCtx", "db2Reorg"),
            row("inspect", Session::connected, () -> with(new DB2CommandInspect(), i -> {
                i.setIsTable(true);
                i.setTableName(sweepTable());
            }), "sqleAttachToCtx", "db2Inspect"),
            row("bind", Session::connected,
                    () -> with(new DB2CommandBind(), b -> b.setBindFile(sweepFile("sweep.bnd",
                            "DB2SIM BIND 1\nPROGRAM sweep.sqc\nPACKAGE .SWEEP\nVERSION \n"
                                    + "STATEMENTS 1\n6:COMMIT\nEND\n"))),
                    "sqleAttachToCtx", "sqlabndx"),
            row("rebind", Session::connected,
                    () -> with(new DB2CommandRebind(), r -> r.setPackageName("NULLID.SYSSH100")),
                    "sqleAttachToCtx", "sqlarbnd"),
            row("precompile", Session::connected, () -> with(new DB2CommandPrecompile(),
                    p -> p.setFilename(sweepFile("sweep.sqc", "EXEC SQL COMMIT;\n"))),
                    "sqleAttachToCtx", "sqlaprep"),
            row("set utility priority", Session::attached,
                    () -> with(new DB2CommandSetUtilImpactPriority(), u -> {
                        u.setUtilityId((int) Db2Sim.startUtility("SAMPLE", "SWEEP", 50));
                        u.setPriority(20);
                    }), "sqleAttachToCtx", "db2UtilityControl"),
            row("export", Session::connected, DataMoves::exportStaff, "sqleAttachToCtx",
                    "db2Export"),
            row("import", DataMoves::exported, () -> with(new DB2CommandImport(), i -> {
                i.setFilename(DataMoves.file());
                i.setFiletype("DEL");
                i.setActionString("REPLACE INTO " + DataMoves.STAFF);
                i.setMessageFile(DataMoves.file() + ".msg");
            }), "sqleAttachToCtx", "db2Import"),
            row("load", DataMoves::exported, () -> with(new DB2CommandLoad(), l -> {
                l.setFromListString(DataMoves.file());
                l.setFileType("DEL");
                l.setActionString("REPLACE INTO " + DataMoves.STAFF);
                l.setLocalMsgFileName(DataMoves.file() + ".msg");
            }), "sqleAttachToCtx", "db2Load"),
            row("load query", Session::connected,
                    () -> with(new DB2CommandLoadQuery(), q -> q.setTableName(DataMoves.STAFF)),
                    "sqleAttachToCtx", "db2LoadQuery"),
            row("create database", () -> Session.attachedWithout("SWEEPCR"),
                    () -> with(new DB2CommandCreateDatabase("SWEEPCR"),
                            c -> c.setUserTablespaceDefinition(new TablespaceDefinition()
                                    .addContainer(new ContainerDefinition("/sweep/u1"))
                                    .addContainer(new ContainerDefinition("/sweep/u2")))),
                    () -> Session.dropAndClose("SWEEPCR"), "sqleAttachToCtx", "sqlecrea_api"),
            row("drop database", () -> {
                Session.attachedWithout("SWEEPDR");
                Session.run(new DB2CommandCreateDatabase("SWEEPDR"));
            }, () -> new DB2CommandDropDatabase("SWEEPDR"), () -> Session.dropAndClose("SWEEPDR"),
                    "sqleAttachToCtx", "sqledrpd_api"),
            privateCall("start dbm", "db2InstanceStart", DB2CommandStartDBM::new),
            ownContext("stop dbm", Session::open, DB2CommandStopDBM::new, () -> {
                Db2Sim.startInstance();
                Session.close();
            }, "db2InstanceStop"),
            snapshot("snapshot on its own context", Session::open, "sqleBeginCtx",
                    "sqleAttachToCtx", "db2GetSnapshot", "sqledtin_api", "sqleEndCtx"),
            snapshot("snapshot attached", Session::attached, "sqleAttachToCtx", "db2GetSnapshot"),
            snapshot("snapshot that grows", Session::manyApplications, "db2GetSnapshot",
                    "db2GetSnapshotSize"),
            ownContext("update monitor switches", Session::open, Session::switchesOn,
                    Session::close, "db2MonitorSwitches", "sqledtin_api"),
            row("update monitor switches attached", Session::attached, Session::switchesOn,
                    "sqleAttachToCtx", "db2MonitorSwitches"),
            row("reset monitor", Session::attached, () -> new DB2CommandResetMonitor("SAMPLE"),
                    "sqleAttachToCtx", "db2ResetMonitor"),
            row("force application", Session::attached, () -> new DB2CommandForceApplication(7),
                    "sqleAttachToCtx", "sqlefrce_api"),
            row("list tablespaces", Session::connected,
                    () -> with(new DB2CommandListTablespaces(), l -> l.setShowDetail(true)),
                    "sqleAttachToCtx", "sqlbmtsq", "sqlbgtss", "sqlefmem_api"),
            row("list tablespace containers", Session::connected,
                    () -> new DB2CommandListTablespaceContainer(0), "sqleAttachToCtx", "sqlbtcq",
                    "sqlefmem_api"),
            row("list indoubt transactions", () -> Session.inDoubt(false),
                    DB2CommandListIndoubtTrans::new, "sqleAttachToCtx", "sqlxphqr",
                    "sqlefmem_api"),
            row("list drda indoubt transactions", () -> Session.inDoubt(true),
                    DB2CommandListDRDAIndoubtTrans::new, "sqleAttachToCtx", "db2SpmListIndTrans"),
            row("list drda indoubt transactions before 9.0", () -> {
                Session.inDoubt(true);
                Session.context.setClientVersion(new ServerVersion(8, 2, 0));
            }, DB2CommandListDRDAIndoubtTrans::new, "sqleAttachToCtx", "sqlcspqy"),
            // Backup and recovery.
            ownContext("backup", Session::open, Session::backup, Session::close, "db2Backup"),
            ownContext("restore", Session::imaged, () -> with(new DB2CommandRestoreDB(), r -> {
                r.setDbAlias("SAMPLE");
                r.setTargetDBAlias("SWEEPRS");
                r.setDirectoryList(List.of(Session.images()));
                r.setWithoutPrompting(true);
            }), () -> {
                Session.attachedWithout("SWEEPRS");
                Session.close();
            }, "db2Restore"),
            privateCall("rollforward", "db2Rollforward", () -> with(new DB2CommandRollforward(),
                    r -> {
                        r.setDbAlias("SAMPLE");
                        r.setRollforwardOptionValue("QUERY_STATUS");
                    })),
            ownContext("list history", Session::imaged,
                    () -> with(new DB2CommandListHistory(), l -> l.setDbAlias("SAMPLE")),
                    Session::close, "db2HistoryOpenScan", "db2HistoryGetEntry",
                    "db2HistoryCloseScan"),
            row("prune", Session::connectedToSample,
                    () -> with(new DB2CommandPrune(), p -> p.setLogFileName("S0000001.LOG")),
                    "sqleAttachToCtx", "db2Prune"),
            row("update history", Session::connectedToSample,
                    () -> with(new DB2CommandUpdateHistoryFile(), u -> {
                        u.setEid(1);
                        u.setNewComment("sweep");
                    }), "sqleAttachToCtx", "db2HistoryUpdate"),
            row("update history by object part", Session::connectedAndImaged,
                    () -> with(new DB2CommandUpdateHistoryFile(), u -> {
                        u.setObjectPart(Session.objectPart);
                        u.setNewComment("sweep");
                    }), "sqleAttachToCtx", "sqleBeginCtx", "db2HistoryOpenScan",
                    "db2HistoryGetEntry", "db2HistoryCloseScan", "sqleEndCtx",
                    "db2HistoryUpdate"),
            privateCall("archive log", "db2ArchiveLog", () -> with(new DB2CommandArchiveLog(),
                    a -> a.setDbAlias("SAMPLE"))),
            row("quiesce tablespaces", Session::connectedToSample,
                    () -> with(new DB2CommandQuiesceTablespaces(), q -> q.setTablename("STAFF")),
                    "sqleAttachToCtx", "sqluvqdp"),
            row("set tablespace containers", Session::connectedToSample,
                    () -> with(new DB2CommandSetTablespaceContainers(), c -> {
                        c.setContainersString("/sweep/c1");
                        c.setNumberPagesString("100");
                        c.setFileString("true");
                    }), "sqleAttachToCtx", "sqlbstsc"),
            row("reconcile", () -> {
                Session.connectedToSample();
                Session.context.setClientVersion(new ServerVersion(8, 2, 0));
            }, () -> with(new DB2CommandReconcile(), r -> r.setTableName("STAFF")),
                    "sqleAttachToCtx", "sqlurcon"));

    /** A database-manager snapshot; it answers whether a stream came back. */
    static Row snapshot(String operation, Step setUp, String... entryPoints) {
        return new Row(operation, List.of(entryPoints), setUp,
                () -> MonitorSnapshot.take(EnumSnapshotType.DATABASE_MANAGER, null, 0,
                        MonitorSnapshot.CURRENT_PARTITION, Session.context) != null,
                Session::close);
    }

    /** The run-time context the rows share while one case runs, and the steps around them. */
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

        static void connectedToSample() throws SQLException {
            connected();
            context.setDatabaseAlias("SAMPLE");
        }

        /** The folder the sweep's backup images go to. */
        static String images() {
            if (images == null) {
                try {
                    images = java.nio.file.Files.createTempDirectory("sweepimages").toString();
                } catch (java.io.IOException e) {
                    throw new IllegalStateException(e);
                }
            }
            return images;
        }

        static String images;
        /** The object part of the history entry of the backup imaged() took. */
        static String objectPart;

        static DB2Command backup() {
            return with(new DB2CommandBackupDB(), b -> {
                b.setDatabaseAlias("SAMPLE");
                b.setDirectoryList(List.of(images()));
            });
        }

        /** A backup of SAMPLE taken, its history entry's object part known. */
        static void imaged() throws SQLException {
            open();
            assertEquals(true, run(backup()));
            DB2APIDataContainer rows = new DB2APIDataContainer();
            assertEquals(true, TarvinexUtil.executeDB2Command(
                    with(new DB2CommandListHistory(), l -> l.setDbAlias("SAMPLE")), context, rows));
            objectPart = rows.getValue(rows.getRowCount() - 1, "Timestamp Sequence");
        }

        static void connectedAndImaged() throws SQLException {
            imaged();
            assertEquals(true, run(connect()));
            context.setDatabaseAlias("SAMPLE");
        }

        static DB2Command connect() {
            return new DB2CommandConnect("SAMPLE", "", "");
        }

        /** Runs the command and ignores a refusal: whatever was to be removed is not there. */
        static void removed(DB2Command command) {
            try {
                run(command);
            } catch (SQLException absent) {
                // nothing to remove
            }
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

        static void forgetEntries() {
            removed(new DB2CommandUnCatalogDatabase("SWEEPDB"));
            removed(new DB2CommandUnCatalogDCSDB("SWEEPDB"));
        }

        static DB2Command tcpipNode() {
            return with(new DB2CommandCatalogNode(), node -> {
                node.setName("SWEEPN");
                node.setHostName("localhost");
                node.setService("50000");
            });
        }

        static DB2Command uncatalogNode(String name) {
            return with(new DB2CommandUnCatalogNode(), node -> node.setNodeName(name));
        }

        /** Node directories outlive a reset: remove the sweep's nodes left by an earlier case. */
        static void noNodes() {
            open();
            removed(uncatalogNode("SWEEPN"));
            removed(uncatalogNode("SWEEPA"));
        }

        static void nodeEntry() throws SQLException {
            noNodes();
            assertEquals(true, run(tcpipNode()));
        }

        static void manyApplications() {
            open();
            Db2Sim.setIdleApplications(5000);
        }

        static DB2Command switchesOn() {
            DB2CommandUpdateMonitorSwitches on = new DB2CommandUpdateMonitorSwitches();
            on.setLockSwitch(DB2CommandUpdateMonitorSwitches.EnumSwitchState.ON);
            return on;
        }

        static void inDoubt(boolean drda) throws SQLException {
            connected();
            Db2Sim.addIndoubtTransaction(drda, "SAMPLE", "SWEEP", null);
        }

        static void attachedWithout(String database) throws SQLException {
            attached();
            removed(new DB2CommandDropDatabase(database));
        }

        static void dropAndClose(String database) throws SQLException {
            removed(new DB2CommandDropDatabase(database));
            close();
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

    /** The data movement rows' file: SAMPLE's STAFF table in DEL form. */
    static final class DataMoves {
        /** SAMPLE's STAFF, in the instance owner's schema. */
        static final String STAFF = instanceOwner() + ".STAFF";
        private static Path folder;

        private static String instanceOwner() {
            String name = System.getenv("DB2INSTANCE");
            return (name == null || name.isEmpty() ? "db2inst1" : name).toUpperCase();
        }

        static String file() {
            try {
                if (folder == null) {
                    folder = Files.createTempDirectory("sweep-datamove");
                    folder.toFile().deleteOnExit();
                }
            } catch (IOException e) {
                throw new UncheckedIOException(e);
            }
            return folder.resolve("staff.del").toString();
        }

        static DB2CommandExport exportStaff() {
            return with(new DB2CommandExport(), e -> {
                e.setFilename(file());
                e.setFiletype("DEL");
                e.setActionString("SELECT * FROM " + STAFF);
                e.setMessageFile(file() + ".export.msg");
            });
        }

        /** Connected, with the file written. */
        static void exported() throws SQLException {
            Session.connected();
            assertEquals(true, Session.run(exportStaff()));
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

    private static List<Long> counters() {
        return List.of(Db2Sim.liveContexts(), Db2Sim.liveCliHandles(), Db2Sim.openScans(),
                Db2Sim.memoryHandedOut(), Db2Sim.liveConnections(), Db2Sim.liveAttachments());
    }

    private static void runOne(Row row, String entry, Fault fault) throws Exception {
        Db2Sim.reset();
        List<Long> before = counters();
        row.setUp().run();
        if (Session.context != null) {
            Session.context.takeWarningMessages();
        }
        switch (fault) {
            case MISSING -> Db2Sim.injectMissing(entry, 0);
            case ERROR -> Db2Sim.injectError(entry, -1092, "SWEEP", 0);
            case WARNING -> Db2Sim.injectWarning(entry, 1014, "", 0);
        }
        // A context DB2 will not make current fails the command with DB2's text, before any
        // other DB2 call.
        boolean noContext = fault == Fault.ERROR && entry.equals("sqleAttachToCtx");
        SQLException failed = null;
        try {
            Object answer = row.run().call();
            assertFalse(noContext, "answered " + answer + " without its context");
            assertNotNull(answer, "an answer, never null");
        } catch (SQLException e) {
            failed = e;
            assertNotNull(e.getMessage());
            assertFalse(e.getMessage().isBlank(), "a failure says what failed");
            assertTrue(!noContext || e.getMessage().startsWith("SQL1092N"), e.getMessage());
        } finally {
            Db2Sim.clearFaults();
        }
        if (noContext) {
            assertOnlyContextCallsAfterTheRefusedAttach();
        }
        if (fault == Fault.WARNING) {
            assertWarningPassedOn(entry, failed);
        }
        row.tearDown().run();
        if (fault == Fault.WARNING || !RELEASES.contains(entry)) {
            assertEquals(before, counters(), "contexts, CLI handles, scans, memory, connections"
                    + " and attachments are back where they were");
        }
    }

    /**
     * Entry points whose warning no command reports: context bookkeeping and CLI calls (no
     * sqlca; connect takes SQL_SUCCESS_WITH_INFO as success), scan fetches (1014 is the end of
     * the scan), scan closes, the instance-name query of the database listing, the detach (the
     * attachment ends whatever DB2 says) and the freeing of the autoconfigure output; the
     * table space statistics (a listing shows what it gets), the return of DB2's lists, and the
     * snapshot (any answer but data and 1606 gives null, with no message).
     */
    static final Set<String> UNREPORTED = Set.of("sqleGetCurrentCtx", "sqleBeginCtx",
            "sqleAttachToCtx", "sqleEndCtx", "SQLAllocHandle", "SQLSetEnvAttr",
            "SQLSetConnectAttr", "SQLConnect", "SQLGetInfo", "SQLDisconnect", "SQLFreeHandle",
            "sqledgne_api", "sqlengne_api", "sqlegdgt_api", "sqledcls_api", "sqlencls_api",
            "sqlegdcl_api", "sqlegins_api", "sqledtin_api", "db2AutoConfigFreeMemory",
            "sqlbgtss", "sqlefmem_api", "db2GetSnapshot", "db2GetSnapshotSize",
            "db2HistoryGetEntry", "SQLEndTran");

    /** Entry points whose every non-zero result, a warning too, fails the command. */
    static final Set<String> WARNING_FAILS = Set.of("db2AutoConfig");

    /**
     * A warning that landed on the command's own DB2 call reaches the run-time context as DB2's
     * text of the sqlcode the call gave, and the command succeeds, unless the command is one that
     * fails on any non-zero result.
     */
    private static void assertWarningPassedOn(String entry, SQLException failed) {
        List<String> codes = Arrays.stream(Db2Sim.journal(entry)).map(LANDED::matcher)
                .filter(Matcher::find).map(landed -> landed.group(1)).toList();
        if (codes.isEmpty() || UNREPORTED.contains(entry)) {
            return;  // DB2 refused the call itself: no warning was given
        }
        if (WARNING_FAILS.contains(entry)) {
            assertNotNull(failed, "a warning of " + entry + " fails the command");
            return;
        }
        assertNull(failed, () -> "a warning is success: " + failed.getMessage());
        String code = "SQL" + codes.get(codes.size() - 1);
        List<String> warnings = Session.context.takeWarningMessages();
        assertTrue(warnings.stream().anyMatch(w -> w.startsWith(code)),
                () -> code + " of " + entry + " reached the context: " + warnings);
    }

    /** A journal line of a call that succeeded with the injected warning: its sqlcode. */
    private static final Pattern LANDED = Pattern.compile("sqlcode=([1-9]\\d*)\\b.*fault=warning");

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

    /** The sample table of the maintenance rows, in the instance owner's schema. */
    static String sweepTable() {
        String instance = System.getenv("DB2INSTANCE");
        return (instance == null || instance.isEmpty() ? "db2inst1" : instance).toUpperCase()
                + ".STAFF";
    }

    /** A file of the maintenance rows, written afresh in the JVM's temporary folder. */
    static String sweepFile(String name, String content) {
        try {
            Path file = Path.of(System.getProperty("java.io.tmpdir"), "tarvinex-" + name);
            Files.writeString(file, content);
            return file.toString();
        } catch (IOException e) {
            throw new UncheckedIOException(e);
        }
    }
}
