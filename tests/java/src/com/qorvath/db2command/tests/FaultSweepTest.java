package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.DynamicTest.dynamicTest;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
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
                    () -> Session.run(new DB2CommandDisconnect()), Session::close));

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

        static DB2Command connect() {
            return new DB2CommandConnect("SAMPLE", "", "");
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
