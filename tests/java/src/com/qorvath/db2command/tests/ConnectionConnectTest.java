package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Nested;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;

/** CONNECT and DISCONNECT on the stand-in instance, which holds the database SAMPLE. */
class ConnectionConnectTest extends Session {
    static final String INSTANCE = instanceName();

    /**
     * A run-time context that counts Java's disconnect() calls and, when asked, runs the native
     * disconnect from inside it, as an application's own override might.
     */
    static class RecordingContext extends DB2CommandRuntimeContext {
        int disconnects;
        boolean disconnectNatively;
        final List<Boolean> nativeResults = new ArrayList<>();
        boolean refuseSet;
        boolean refuseGet;

        @Override
        public synchronized void setDatabaseConnectionContext(int ctx, int env, int dbc) {
            if (refuseSet && ctx != 0) {
                throw new IllegalStateException("refused");
            }
            super.setDatabaseConnectionContext(ctx, env, dbc);
        }

        @Override
        public synchronized int getDatabaseConnectionEnvHandler() {
            if (refuseGet) {
                throw new IllegalStateException("refused");
            }
            return super.getDatabaseConnectionEnvHandler();
        }

        @Override
        public synchronized void disconnect() {
            disconnects++;
            if (disconnectNatively) {
                try {
                    nativeResults.add(TarvinexUtil.executeDB2Command(new DB2CommandDisconnect(),
                            this, new DB2APIDataContainer()));
                } catch (SQLException e) {
                    throw new IllegalStateException(e);
                }
            }
            super.disconnect();
        }
    }

    RecordingContext recording;

    @BeforeEach
    void fresh() {
        oneBoxPerRun = true;
        begin(recording = new RecordingContext());
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
        assertEquals(0, Db2Sim.liveCliHandles(), "CLI handles");
        assertEquals(0, Db2Sim.liveConnections(), "connections");
    }

    static DB2CommandConnect sample() {
        return new DB2CommandConnect("SAMPLE", "", "");
    }

    /** The stand-in's live contexts, CLI handles and connections. */
    static List<Long> live() {
        return List.of(Db2Sim.liveContexts(), Db2Sim.liveCliHandles(), Db2Sim.liveConnections());
    }

    static int[] triple(DB2CommandRuntimeContext c) {
        return new int[] {c.getDatabaseConnectionContext(), c.getDatabaseConnectionEnvHandler(),
            c.getDatabaseConnectionDbcHandler()};
    }

    @Nested
    class Connect {
        @Test
        void storesTheConnectionAndTheServerVersion() throws SQLException {
            assertTrue(run(sample()));
            assertTrue(Arrays.stream(triple(context)).allMatch(held -> held != 0));
            assertEquals("09.07.0004", context.getDatabaseServerVersionText());
            assertEquals(List.of(1L, 2L, 1L), live(), "contexts, CLI handles, connections");
            assertEquals(0, recording.disconnects, "nothing to replace");
        }

        @Test
        void callSequenceWithoutPartition() throws SQLException {
            assertTrue(run(sample()));
            List<String> alloc = journal("SQLAllocHandle");
            assertEquals(2, alloc.size());
            assertTrue(alloc.get(0).contains("fHandleType=1, hInput=0"), alloc.get(0));
            assertTrue(alloc.get(1).contains("fHandleType=2"), alloc.get(1));
            String env = journal("SQLSetEnvAttr").get(0);
            assertTrue(env.contains("Attribute=200, Value=3"), env);
            List<String> attrs = journal("SQLSetConnectAttr");
            assertEquals(1, attrs.size(), "only the context is bound when the node id is -1");
            assertTrue(attrs.get(0).contains("Attribute=1269"), attrs.get(0));
            String connect = journal("SQLConnect").get(0);
            assertTrue(connect.contains("ServerName=\"SAMPLE\", NameLength1=-3"), connect);
            assertTrue(connect.contains("UserName=\"\", NameLength2=-3"), connect);
            assertTrue(connect.contains("NameLength3=-3"), connect);
        }

        @Test
        void partitionZeroIsSet() throws SQLException {
            context.setConnectNodeId(0);
            assertTrue(run(new DB2CommandConnect("sample", INSTANCE, "db2sim")));
            List<String> attrs = journal("SQLSetConnectAttr");
            assertEquals(2, attrs.size());
            assertTrue(attrs.get(0).contains("Attribute=1290, Value=0"), attrs.get(0));
            assertTrue(attrs.get(1).contains("Attribute=1269"), attrs.get(1));
        }

        @Test
        void refusedConnectionsAnswerFalseAndFreeEverything() throws SQLException {
            assertFalse(run(new DB2CommandConnect("SAMPLE", INSTANCE, "wrong")));
            assertFalse(run(new DB2CommandConnect("NOSUCHDB", "", "")));
            assertFalse(context.isConnected());
            // The connection is closed and freed before the environment, then the context ends.
            List<String> all = Arrays.asList(Db2Sim.journal());
            int freeDbc = indexOf(all, "SQLFreeHandle(HandleType=2");
            int freeEnv = indexOf(all, "SQLFreeHandle(HandleType=1");
            int end = indexOf(all, "sqleEndCtx(");
            assertTrue(indexOf(all, "SQLDisconnect(") < freeDbc, String.join("\n", all));
            assertTrue(freeDbc < freeEnv && freeEnv < end, String.join("\n", all));
        }

        @ParameterizedTest
        @ValueSource(strings = {"SQLAllocHandle", "SQLSetEnvAttr", "SQLSetConnectAttr",
            "SQLConnect"})
        void eachFailingCliStepAnswersFalseWithoutException(String entry) throws SQLException {
            context.setConnectNodeId(0);
            Db2Sim.injectError(entry, -1, "", 0);
            assertFalse(run(sample()));
            assertFalse(context.isConnected());
            Db2Sim.clearFaults();
            Db2Sim.injectMissing(entry, 0);
            assertFalse(run(sample()));
            assertFalse(context.isConnected());
        }

        @Test
        void noContextMeansNoConnection() throws SQLException {
            Db2Sim.injectMissing("sqleBeginCtx", 0);
            assertFalse(run(sample()));
            Db2Sim.clearFaults();
            Db2Sim.injectError("sqleBeginCtx", -1441, "", 0);
            assertFalse(run(sample()));
            assertTrue(journal("SQLAllocHandle").isEmpty());
        }

        @Test
        void aFailedVersionQueryLeavesTheVersionEmpty() throws SQLException {
            Db2Sim.injectError("SQLGetInfo", -1, "", 0);
            assertTrue(run(sample()));
            assertTrue(context.isConnected());
            assertNull(context.getDatabaseServerVersion());
        }

        @Test
        void reconnectClosesThePreviousConnectionFirst() throws SQLException {
            assertTrue(run(sample()));
            int[] first = triple(context);
            Db2Sim.clearJournal();

            assertTrue(run(sample()));
            assertTrue(recording.disconnects > 0, "Java's disconnect() ran");
            int[] second = triple(context);
            assertNotEquals(first[0], second[0]);
            assertEquals(List.of(1L, 2L, 1L), live(), "contexts, CLI handles, connections");

            List<String> all = Arrays.asList(Db2Sim.journal());
            int oldClosed = indexOf(all, "SQLDisconnect(ConnectionHandle=" + first[2] + ")");
            assertTrue(oldClosed >= 0 && oldClosed < indexOf(all, "SQLAllocHandle("),
                    String.join("\n", all));
        }

        @Test
        void aJavaDisconnectThatCallsBackFindsNothingLeftToClose() throws SQLException {
            assertTrue(run(sample()));
            recording.disconnectNatively = true;
            assertTrue(run(sample()));
            recording.disconnectNatively = false;
            assertFalse(recording.nativeResults.isEmpty());
            assertFalse(recording.nativeResults.contains(true), "the old connection closes once");
            assertEquals(1, journal("SQLDisconnect").size());
            assertTrue(context.isConnected());
        }

        @Test
        void aFailedReconnectLeavesNoConnection() throws SQLException {
            assertTrue(run(sample()));
            assertFalse(run(new DB2CommandConnect("SAMPLE", INSTANCE, "wrong")));
            assertFalse(context.isConnected());
        }
    }

    @Nested
    class Ownership {
        @Test
        void whatJavaRefusesIsClosedAndAFailedGetterKeepsTheConnection() throws SQLException {
            recording.refuseSet = true;
            for (int i = 0; i < 100; i++) {
                assertThrows(IllegalStateException.class, () -> run(sample()));
            }
            assertEquals(List.of(0L, 0L, 0L), live());

            recording.refuseSet = false;
            assertTrue(run(sample()));
            int[] held = triple(context);
            Db2Sim.clearJournal();
            recording.refuseGet = true;
            assertThrows(IllegalStateException.class, () -> run(sample()));
            recording.refuseGet = false;
            assertArrayEquals(held, triple(context));
            assertEquals(List.of(), Arrays.asList(Db2Sim.journal()).stream()
                    .filter(call -> !call.startsWith("sqleGetCurrentCtx")).toList());
        }

        @Test
        void handlesOfAnotherConnectionAreRefused() throws SQLException {
            assertTrue(run(sample()));
            int[] mine = triple(context);
            DB2CommandRuntimeContext other = new DB2CommandRuntimeContext();
            assertTrue(TarvinexUtil.executeDB2Command(sample(), other, new DB2APIDataContainer()));
            int[] theirs = triple(other);

            context.setDatabaseConnectionContext(mine[0], theirs[1], theirs[2]);
            assertContains(failure(new DB2CommandDisconnect()), "do not belong together");
            context.setDatabaseConnectionContext(theirs[0], mine[1], 0);
            assertContains(failure(sample()), "do not belong together");
            attach();  // an attachment's context is no database connection
            context.setDatabaseConnectionContext(context.getInstanceConnectionContext(), 0, 0);
            assertContains(failure(new DB2CommandDisconnect()), "do not belong together");
            assertEquals(2, Db2Sim.liveConnections());

            context.setDatabaseConnectionContext(mine[0], mine[1], mine[2]);
            assertTrue(TarvinexUtil.executeDB2Command(new DB2CommandDisconnect(), other,
                    new DB2APIDataContainer()));
        }
    }

    @Nested
    class Disconnect {
        @Test
        void closesEverything() throws SQLException {
            assertTrue(run(sample()));
            assertTrue(run(new DB2CommandDisconnect()));
            assertFalse(context.isConnected());
            assertEquals(List.of(0, 0, 0), List.of(triple(context)[0], triple(context)[1],
                    triple(context)[2]));
        }

        @Test
        void withoutConnectionItMakesNoCall() throws SQLException {
            Db2Sim.clearJournal();
            assertFalse(run(new DB2CommandDisconnect()));
            for (String entry : List.of("SQLDisconnect", "SQLFreeHandle", "sqleEndCtx",
                    "sqleAttachToCtx")) {
                assertTrue(journal(entry).isEmpty(), entry);
            }
        }

        @Test
        void contextWithoutHandlesSkipsTheCliCalls() throws SQLException {
            assertTrue(run(sample()));
            context.setDatabaseConnectionContext(context.getDatabaseConnectionContext(), 0, 0);
            Db2Sim.clearJournal();
            assertTrue(run(new DB2CommandDisconnect()));
            assertTrue(journal("SQLDisconnect").isEmpty());
            assertTrue(journal("SQLFreeHandle").isEmpty());
            assertEquals(1, journal("sqleEndCtx").size());
            assertFalse(context.isConnected());
            // The handles Java dropped are still allocated; ending the context closed the
            // connection. A reset frees them for the check after the test.
            assertEquals(2, Db2Sim.liveCliHandles());
            assertEquals(0, Db2Sim.liveConnections());
            Db2Sim.reset();
        }

        @Test
        void cliErrorsAreIgnored() throws SQLException {
            assertTrue(run(sample()));
            Db2Sim.injectError("SQLDisconnect", -1, "", 0);
            Db2Sim.injectError("SQLFreeHandle", -1, "", 0);
            assertTrue(run(new DB2CommandDisconnect()));
            assertFalse(context.isConnected());
            assertEquals(0, Db2Sim.liveContexts());
            Db2Sim.reset();
        }
    }
}
