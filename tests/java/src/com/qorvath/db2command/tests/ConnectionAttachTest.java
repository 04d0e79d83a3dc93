package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.Arrays;
import java.util.List;
import java.util.Locale;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Nested;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;

/** ATTACH and DETACH on the stand-in instance. */
class ConnectionAttachTest extends Session {
    static final String INSTANCE = instanceName();
    static final String ADMIN_PASSWORD = "db2sim";

    @BeforeEach
    void fresh() {
        begin();  // a known client level, so that no call is made to learn it
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
        assertEquals(0, Db2Sim.liveAttachments(), "attachments");
    }

    @Nested
    class Attach {
        @Test
        void localInstanceAsCurrentUser() throws SQLException {
            Db2Sim.setProductSignature("SQL08020");
            assertTrue(run(new DB2CommandAttach()));

            assertTrue(context.isAttached());
            assertEquals(List.of("SERVER", "PLATFORM", "VERSION", "AUTH ID", "ALIAS"),
                    box.getColumnNames());
            assertEquals(1, box.getRowCount());
            String user = System.getProperty("user.name").toUpperCase(Locale.ROOT);
            String node = INSTANCE.toUpperCase(Locale.ROOT);
            assertEquals(List.of("DB2", "LINUXX8664", "08.02.00", user, node), box.getRows().get(0));

            assertEquals(List.of("08.02.00", 8, 2, 1, 1208, user, node, "DB2", "LINUXX8664", 0, 1),
                    List.of(context.getInstanceServerVersionText(),
                            context.getInstanceServerVersion().getMajor(),
                            context.getInstanceServerVersion().getMinor(),
                            context.getServerRegionCode(), context.getServerCodePage(),
                            context.getAuthorizationId(), context.getNodeName(),
                            context.getServerIdentity(), context.getServerPlatformType(),
                            context.getNodeNumber(), context.getNumOfDbPartitions()));
            assertTrue(context.getServerAgentId() > 0);

            // Empty user and password travel as empty texts; no partition is set for node id -1.
            List<String> attach = journal("sqleatin_api");
            assertEquals(1, attach.size());
            assertTrue(attach.get(0).contains("pNodeName=\"\""), attach.get(0));
            assertTrue(attach.get(0).contains("pUserName=\"\""), attach.get(0));
            assertTrue(journal("sqlesetc_api").isEmpty());
            assertEquals(1, Db2Sim.liveContexts());
            assertEquals(1, Db2Sim.liveAttachments());
        }

        @Test
        void namedInstanceWithCredentials() throws SQLException {
            DB2CommandAttach attach = new DB2CommandAttach(INSTANCE, INSTANCE, ADMIN_PASSWORD);
            assertTrue(run(attach));
            assertEquals(INSTANCE.toUpperCase(Locale.ROOT), context.getAuthorizationId());
            assertTrue(journal("sqleatin_api").get(0).contains("pPassword=***"));
        }

        @Test
        void partitionIsSetBeforeAttachingWhenNodeIdIsGiven() throws SQLException {
            context.setAttachNodeId(0);
            assertTrue(run(new DB2CommandAttach()));
            List<String> setc = journal("sqlesetc_api");
            assertEquals(1, setc.size());
            assertTrue(setc.get(0).contains("8:0"), setc.get(0));
            List<String> all = Arrays.asList(Db2Sim.journal());
            assertTrue(indexOf(all, "sqlesetc_api(") < indexOf(all, "sqleatin_api("));
        }

        @Test
        void refusedPartitionFailsBeforeAttaching() {
            context.setAttachNodeId(3);
            assertTrue(failure(new DB2CommandAttach()).startsWith("SQL"));
            assertTrue(journal("sqlesetc_api").get(0).contains("8:3"));
            assertTrue(journal("sqleatin_api").isEmpty());
            assertFalse(context.isAttached());
        }

        /** 65536 in the 16-bit setting would mean partition 0. */
        @ParameterizedTest
        @ValueSource(ints = {65536, 196608, Integer.MIN_VALUE})
        void aNodeIdTheSettingCannotHoldIsRefused(int nodeId) {
            context.setAttachNodeId(nodeId);
            assertEquals("getAttachNodeId() gave " + nodeId + ", outside 0 to 65535",
                    failure(new DB2CommandAttach()));
            assertTrue(journal("sqlesetc_api").isEmpty());
            assertTrue(journal("sqleatin_api").isEmpty());
            assertFalse(context.isAttached());
        }

        /** DB2 reads a text up to its first NUL: "\0db2inst1" would be the trusted empty user. */
        @Test
        void aTextHoldingNulNeverReachesDb2() {
            assertEquals("getPassword" + HOLDS_NUL,
                    failure(new DB2CommandAttach(INSTANCE, INSTANCE, ADMIN_PASSWORD + "\0anything")));
            assertEquals("getUserId" + HOLDS_NUL,
                    failure(new DB2CommandAttach(INSTANCE, "\0" + INSTANCE, "wrong")));
            assertEquals("getNodeName" + HOLDS_NUL, failure(new DB2CommandAttach(INSTANCE + "\0x", "", "")));
            assertTrue(journal("sqleatin_api").isEmpty());
            assertFalse(context.isAttached());
        }

        @Test
        void missingPartitionEntryPointFailsTheAttach() {
            context.setAttachNodeId(0);
            Db2Sim.injectMissing("sqlesetc_api", 0);
            assertEquals("Call DB2 API fail, no such function", failure(new DB2CommandAttach()));
            assertTrue(journal("sqleatin_api").isEmpty());
            assertFalse(context.isAttached());
        }

        @Test
        void failuresRaiseTheDb2TextAndLeaveNothing() {
            String bad = failure(new DB2CommandAttach(INSTANCE, INSTANCE, "wrong"));
            assertTrue(bad.startsWith("SQL30082N"), bad);
            assertTrue(failure(new DB2CommandAttach("NOSUCH", "", "")).startsWith("SQL1097N"));
            Db2Sim.stopInstance();
            try {
                assertTrue(failure(new DB2CommandAttach()).startsWith("SQL1032N"));
            } finally {
                Db2Sim.startInstance();
            }
            Db2Sim.injectMissing("sqleatin_api", 0);
            assertEquals("Call DB2 API fail, no such function", failure(new DB2CommandAttach()));
            assertFalse(context.isAttached());
            assertEquals(0, box.getColumnCount());
            assertEquals(journal("sqleBeginCtx").size(), journal("sqleEndCtx").size(),
                    "every context made was ended");
        }

        @Test
        void noContextMeansFalseWithoutException() throws SQLException {
            Db2Sim.injectMissing("sqleBeginCtx", 0);
            assertFalse(run(new DB2CommandAttach()));
            Db2Sim.clearFaults();
            Db2Sim.injectError("sqleBeginCtx", -1441, "", 0);
            assertFalse(run(new DB2CommandAttach()));
            assertFalse(context.isAttached());
        }

        @Test
        void aRepeatedAttachKeepsTheStoredContext() throws SQLException {
            assertTrue(run(new DB2CommandAttach()));
            int stored = context.getInstanceConnectionContext();

            assertTrue(run(new DB2CommandAttach(INSTANCE, INSTANCE, ADMIN_PASSWORD)));
            assertEquals(stored, context.getInstanceConnectionContext());
            assertEquals(INSTANCE.toUpperCase(Locale.ROOT), context.getAuthorizationId());

            assertThrows(SQLException.class,
                    () -> run(new DB2CommandAttach(INSTANCE, INSTANCE, "wrong")));
            assertEquals(stored, context.getInstanceConnectionContext());
            assertEquals(1, Db2Sim.liveContexts());
            assertEquals(1, journal("sqleBeginCtx").size(), "the stored context was reused");
        }

        @Test
        void warningIsPassedOnAndAnOddReplyIsReadSafely() throws SQLException {
            // The warning's tokens replace the reply: two tokens, the first with a blank inside.
            Db2Sim.injectWarning("sqleatin_api", 1014, "1 2,77", 0);
            assertTrue(run(new DB2CommandAttach()));
            assertFalse(context.takeWarningMessages().isEmpty());
            assertEquals(12, context.getServerRegionCode());
            assertEquals(77, context.getServerCodePage());
            assertEquals("", context.getAuthorizationId());
            assertEquals(List.of("", "", "09.07.40", "", ""), box.getRows().get(0));
        }
    }

    /** A run-time context that refuses to store, or to tell, its instance context. */
    static class RefusingContext extends DB2CommandRuntimeContext {
        boolean refuseSet;
        boolean refuseGet;

        @Override
        public synchronized void setInstanceConnectionContext(int handle) {
            if (refuseSet && handle != 0) {
                throw new IllegalStateException("refused");
            }
            super.setInstanceConnectionContext(handle);
        }

        @Override
        public synchronized int getInstanceConnectionContext() {
            if (refuseGet) {
                throw new IllegalStateException("refused");
            }
            return super.getInstanceConnectionContext();
        }
    }

    @Test
    void whatJavaRefusesIsEndedAndAFailedGetterStopsBeforeAnyDb2Call() throws SQLException {
        RefusingContext refusing = new RefusingContext();
        begin(refusing);
        refusing.refuseSet = true;
        for (int i = 0; i < 100; i++) {
            assertThrows(IllegalStateException.class, () -> run(new DB2CommandAttach()));
        }
        assertEquals(0, Db2Sim.liveContexts());
        assertEquals(0, Db2Sim.liveAttachments());

        refusing.refuseSet = false;
        attach();
        refusing.refuseGet = true;
        assertThrows(IllegalStateException.class, () -> run(new DB2CommandAttach()));
        refusing.refuseGet = false;
        assertEquals(List.of(), journal("sqleBeginCtx"));
        assertEquals(List.of(), journal("sqleatin_api"));
        assertEquals(1, Db2Sim.liveAttachments());
    }

    @Nested
    class Detach {
        @Test
        void endsTheAttachmentAndItsContext() throws SQLException {
            assertTrue(run(new DB2CommandAttach()));
            assertTrue(run(new DB2CommandDetach()));
            assertFalse(context.isAttached());
            assertEquals(0, Db2Sim.liveContexts());
            assertEquals(1, journal("sqledtin_api").size());
        }

        @Test
        void withoutAttachmentItMakesNoCall() throws SQLException {
            Db2Sim.clearJournal();
            assertFalse(run(new DB2CommandDetach()));
            for (String entry : List.of("sqledtin_api", "sqleBeginCtx", "sqleAttachToCtx",
                    "sqleEndCtx")) {
                assertTrue(journal(entry).isEmpty(), entry);
            }
        }

        @Test
        void missingEntryPointKeepsTheAttachment() throws SQLException {
            assertTrue(run(new DB2CommandAttach()));
            int stored = context.getInstanceConnectionContext();
            Db2Sim.injectMissing("sqledtin_api", 0);
            assertFalse(run(new DB2CommandDetach()));
            assertEquals(stored, context.getInstanceConnectionContext());
            assertEquals(1, Db2Sim.liveContexts());
        }

        @Test
        void aDb2ErrorStillEndsTheContext() throws SQLException {
            assertTrue(run(new DB2CommandAttach()));
            Db2Sim.injectError("sqledtin_api", -1427, "", 0);
            assertTrue(run(new DB2CommandDetach()));
            assertFalse(context.isAttached());
            assertEquals(0, Db2Sim.liveContexts());
        }

        @Test
        void anUnknownStoredIdCountsAsNoAttachment() throws SQLException {
            context.setInstanceConnectionContext(0x7654321);
            assertFalse(run(new DB2CommandDetach()));
            assertTrue(journal("sqledtin_api").isEmpty());
            context.setInstanceConnectionContext(0);
        }
    }

    @Test
    void detachedContextIdIsNotReused() throws SQLException {
        assertTrue(run(new DB2CommandAttach()));
        int first = context.getInstanceConnectionContext();
        assertTrue(run(new DB2CommandDetach()));
        context.setInstanceConnectionContext(first);
        assertFalse(run(new DB2CommandDetach()), "the ended context's id is forgotten");
        context.setInstanceConnectionContext(0);
        assertTrue(run(new DB2CommandAttach()));
        assertNotEquals(first, context.getInstanceConnectionContext());
    }
}
