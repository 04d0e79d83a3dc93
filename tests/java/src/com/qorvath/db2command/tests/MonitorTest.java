package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandForceApplication;
import com.qorvath.db2command.DB2CommandListDRDAIndoubtTrans;
import com.qorvath.db2command.DB2CommandListIndoubtTrans;
import com.qorvath.db2command.DB2CommandListTablespaceContainer;
import com.qorvath.db2command.DB2CommandListTablespaces;
import com.qorvath.db2command.DB2CommandResetMonitor;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandUpdateMonitorSwitches;
import com.qorvath.db2command.DB2CommandUpdateMonitorSwitches.EnumSwitchState;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.monitor.MonitorElement;
import com.qorvath.db2command.monitor.MonitorSnapshot;
import com.qorvath.db2command.monitor.MonitorSnapshot.EnumSnapshotType;
import com.qorvath.db2command.monitor.MonitorStreamDecoder;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.nio.ByteBuffer;
import java.sql.SQLException;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/**
 * The monitor: switches, snapshots into a direct buffer, resets, forcing applications, and the
 * table space, container and in-doubt listings, on the stand-in.
 */
class MonitorTest extends Session {
    @BeforeEach
    void fresh() {
        begin();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
        assertEquals(0, Db2Sim.liveAttachments(), "attachments");
        assertEquals(0, Db2Sim.memoryHandedOut(), "memory");
    }

    ByteBuffer snapshot(EnumSnapshotType type, String object) throws SQLException {
        return MonitorSnapshot.take(type, object, 0, MonitorSnapshot.CURRENT_PARTITION, context);
    }

    static MonitorElement decoded(ByteBuffer stream) throws Exception {
        assertNotNull(stream, "a snapshot");
        assertTrue(stream.isDirect());
        assertEquals(MonitorSnapshot.header(stream, 0).size() + 8, stream.capacity(),
                "exactly the stream DB2 wrote");
        return MonitorStreamDecoder.decode(stream);
    }

    // ---------------------------------------------------------------------------------------
    // Switches and snapshots

    @Test
    void switchesOnThenADatabaseSnapshotInOneCall() throws Exception {
        attach();
        DB2CommandUpdateMonitorSwitches on = new DB2CommandUpdateMonitorSwitches();
        on.setUOWSwitch(EnumSwitchState.ON);
        on.setLockSwitch(EnumSwitchState.ON);
        on.setStatementSwitch(EnumSwitchState.OFF);
        on.setTimestampSwitch(EnumSwitchState.ON);
        String call = handed(on, "db2MonitorSwitches");
        assertContains(call, "versionNumber=8010000", "input_state=\"1,0,2,2,1,2,1\"", "iVersion=7",
                "iNodeNumber=-1");
        connect("SAMPLE");
        MonitorElement collected = decoded(snapshot(EnumSnapshotType.DATABASE, "SAMPLE"));
        assertEquals("collected", collected.name());
        assertEquals("SAMPLE", collected.find("input_db_alias").text().strip());
        String[] calls = Db2Sim.journal("db2GetSnapshot");
        assertEquals(1, calls.length, "one call fits 409600 bytes");
        assertContains(calls[0], "iBufferSize=409600", "iVersion=7", "iSnapshotClass=2",
                "'SAMPLE'");
        assertEquals(0, Db2Sim.journal("db2GetSnapshotSize").length);
    }

    @Test
    void anOldClientSendsSixGroupsAndAsksForTheOlderStream() throws Exception {
        context.setClientVersion(new ServerVersion(7, 2, 0));
        DB2CommandUpdateMonitorSwitches on = new DB2CommandUpdateMonitorSwitches();
        on.setSortSwitch(EnumSwitchState.ON);
        on.setTimestampSwitch(EnumSwitchState.ON);
        on.setIsGlobal(true);
        assertContains(handed(on, "db2MonitorSwitches"), "versionNumber=7010000",
                "input_state=\"2,2,2,2,2,1\"", "iVersion=6", "iNodeNumber=-2");
        Db2Sim.clearJournal();
        decoded(snapshot(EnumSnapshotType.DATABASE_MANAGER, null));
        assertContains(Db2Sim.journal("db2GetSnapshot")[0], "iVersion=6");
    }

    @Test
    void aSnapshotLargerThanTheFirstBufferGrowsItOnceByTheEstimate() throws Exception {
        Db2Sim.setIdleApplications(5000);
        MonitorElement collected = decoded(snapshot(EnumSnapshotType.ALL_APPLICATIONS, null));
        assertTrue(collected.findAll("agent_id").size() >= 5000);
        String[] sizes = Db2Sim.journal("db2GetSnapshotSize");
        assertEquals(1, sizes.length);
        long estimate = Long.parseLong(field(sizes[0], "estimate"));
        String[] calls = Db2Sim.journal("db2GetSnapshot");
        assertEquals(2, calls.length);
        assertEquals("409600", field(calls[0], "iBufferSize"));
        assertEquals(String.valueOf(409600 + estimate + estimate / 10),
                field(calls[1], "iBufferSize"));
        assertEquals(0, Db2Sim.liveContexts(), "the snapshot's own context is ended");
    }

    @Test
    void snapshotsDB2CannotTakeGiveNull() throws Exception {
        Db2Sim.setIdleApplications(5000);
        Db2Sim.injectError("db2GetSnapshotSize", -1607, "", 0);
        assertNull(snapshot(EnumSnapshotType.ALL_APPLICATIONS, null), "no estimate");
        Db2Sim.clearFaults();
        Db2Sim.injectWarning("db2GetSnapshotSize", 1606, "", 0);
        assertNull(snapshot(EnumSnapshotType.ALL_APPLICATIONS, null), "a warned estimate");
        Db2Sim.clearFaults();
        Db2Sim.injectWarning("db2GetSnapshot", 1611, "", 0);
        assertNull(snapshot(EnumSnapshotType.DATABASE_MANAGER, null), "other warnings fail");
        Db2Sim.clearFaults();
        Db2Sim.injectMissing("db2GetSnapshot", 0);
        assertNull(snapshot(EnumSnapshotType.DATABASE_MANAGER, null));
        assertEquals(0, Db2Sim.liveContexts());
    }

    @Test
    void namesDB2WouldReadDifferentlyAreRefusedBeforeAnyCall() {
        String tooLong = "N".repeat(128);
        String message = assertThrows(SQLException.class,
                () -> snapshot(EnumSnapshotType.DATABASE, tooLong)).getMessage();
        assertTrue(message.startsWith("Snapshot object name longer than 127 characters"), message);
        assertThrows(SQLException.class, () -> snapshot(EnumSnapshotType.DATABASE, "SAM\0PLE"));
        assertThrows(SQLException.class, () -> TarvinexUtil.getSnapshotInByteBuffer(-1,
                EnumSnapshotType.DATABASE.code(), "SAMPLE", 0, null, 0));
        assertEquals(0, Db2Sim.journal("db2GetSnapshot").length);
        assertEquals(0, Db2Sim.journal("sqleBeginCtx").length);
    }

    @Test
    void theAttachmentIsUsedWhenThereIsOneAndAnOwnContextIsDetachedAndEnded() throws Exception {
        decoded(snapshot(EnumSnapshotType.DATABASE_MANAGER, "N".repeat(127)));
        List<String> calls = List.of(Db2Sim.journal());
        assertTrue(indexOf(calls, "sqledtin_api") > indexOf(calls, "db2GetSnapshot"),
                "the implicit attachment is detached");
        assertTrue(indexOf(calls, "sqleEndCtx") > indexOf(calls, "sqledtin_api"));
        assertEquals(0, Db2Sim.liveContexts());
        attach();
        decoded(snapshot(EnumSnapshotType.DATABASE_MANAGER, null));
        assertEquals(0, Db2Sim.journal("sqleBeginCtx").length, "no context of its own");
        assertEquals(0, Db2Sim.journal("sqledtin_api").length, "the attachment stays");
    }

    // ---------------------------------------------------------------------------------------
    // Reset and force

    @ParameterizedTest
    @CsvSource({"'', false, 4, iResetAll=1", "SAMPLE, false, 0, iResetAll=0",
            "SAMPLE, true, 0, iNodeNumber=-2"})
    void resetsOneDatabaseOrAllOnOnePartitionOrAll(String alias, boolean global, int partition,
            String expected) throws SQLException {
        attach();
        DB2CommandResetMonitor reset = new DB2CommandResetMonitor(alias);
        reset.setIsGlobal(global);
        reset.setDbPartitionNum(partition == 4 ? null : partition);
        String call = handed(reset, "db2ResetMonitor");
        assertContains(call, expected, "versionNumber=8010000", "iVersion=6",
                "piDbAlias=\"" + alias + "\"");
    }

    @Test
    void resetAndForceNeedAnAttachment() {
        assertEquals(REQUIRES_INSTANCE, failure(new DB2CommandResetMonitor()));
        assertEquals(REQUIRES_INSTANCE, failure(new DB2CommandForceApplication()));
        assertEquals(0, Db2Sim.journal("sqlefrce_api").length);
    }

    static final String REQUIRES_INSTANCE = "Error: This command requires instance connection!";

    @Test
    void forceEndsTheNamedConnection() throws Exception {
        DB2CommandRuntimeContext other = new DB2CommandRuntimeContext();
        other.setClientVersion(new ServerVersion(9, 7, 4));
        DB2APIDataContainer otherBox = new DB2APIDataContainer();
        assertTrue(TarvinexUtil.executeDB2Command(new DB2CommandConnect("SAMPLE", "", ""), other,
                otherBox));
        attach();
        List<MonitorElement> agents =
                decoded(snapshot(EnumSnapshotType.ALL_APPLICATIONS, null)).findAll("agent_id");
        assertEquals(1, agents.size());
        long agent = agents.get(0).number().longValue();
        long before = Db2Sim.liveConnections();
        assertContains(handed(new DB2CommandForceApplication(agent), "sqlefrce_api"),
                "NumAgentIds=1", "agentIds=\"" + agent + "\"", "ForceMode=0", "forced=1");
        assertEquals(before - 1, Db2Sim.liveConnections());
        assertTrue(TarvinexUtil.executeDB2Command(new DB2CommandDisconnect(), other, otherBox));
    }

    @ParameterizedTest
    @CsvSource(delimiter = '|', value = {"''|NumAgentIds=-1", "1,2,3|agentIds=\"1,2,3\"",
            "'12, 34'|agentIds=\"12,34\"", "'7,'|agentIds=\"7,0\"", "' 5 '|agentIds=\"5\""})
    void handleListsBecomeAgentIds(String handles, String expected) throws SQLException {
        attach();
        DB2CommandForceApplication force = new DB2CommandForceApplication();
        force.setAppHandleString(handles);
        assertContains(handed(force, "sqlefrce_api"), expected, "ForceMode=0");
    }

    @ParameterizedTest
    @CsvSource(delimiter = '|', value = {"12a", "-1", "4294967296", "3 TO 5", "1;2"})
    void aListWithSomethingElseForcesNobody(String handles) throws SQLException {
        attach();
        DB2CommandForceApplication force = new DB2CommandForceApplication();
        force.setAppHandleString(handles);
        assertTrue(failure(force).startsWith("Invalid agent id"), handles);
        assertEquals(0, Db2Sim.journal("sqlefrce_api").length);
    }

    @Test
    void aHandleListJavaFailedToGiveForcesNobody() throws SQLException {
        attach();
        IllegalStateException broken = new IllegalStateException("no list");
        DB2CommandForceApplication force = new DB2CommandForceApplication() {
            @Override
            public String getAppHandleString() {
                throw broken;
            }
        };
        assertTrue(assertThrows(IllegalStateException.class, () -> run(force)) == broken);
        assertEquals(0, Db2Sim.journal("sqlefrce_api").length, "never taken for 'all'");
    }

    // ---------------------------------------------------------------------------------------
    // Listings

    static final List<String> TABLESPACE_COLUMNS = List.of("Tablespace ID", "Name", "Type",
            "Contents", "State", "Total pages", "Useable pages", "Used pages", "Free pages",
            "High water mark (pages)", "Page size (bytes)", "Extent size (pages)",
            "Prefetch size (pages)", "Number of containers", "Minimum recovery time",
            "State change table space ID", "State change object ID", "Number of quiescers");

    DB2CommandListTablespaces tablespaces(boolean detail) {
        DB2CommandListTablespaces list = new DB2CommandListTablespaces();
        list.setShowDetail(detail);
        return list;
    }

    @Test
    void tableSpacesBrieflyAndInDetail() throws SQLException {
        connect("SAMPLE");
        assertTrue(run(tablespaces(false)));
        assertEquals(TABLESPACE_COLUMNS.subList(0, 5), box.getColumnNames());
        assertEquals(List.of("0", "SYSCATSPACE", "SMS", "regular contents", "0"),
                box.getRows().get(0));
        assertEquals("system temp data", box.getRows().get(1).get(3));
        box = new DB2APIDataContainer();
        assertTrue(run(tablespaces(true)));
        assertEquals(TABLESPACE_COLUMNS, box.getColumnNames());
        assertEquals(3, box.getRowCount());
        assertEquals(box.getRows().get(0).get(5), box.getRows().get(0).get(7), "used pages");
        assertEquals(3, Db2Sim.journal("sqlbgtss").length, "statistics per table space");
        assertEquals(2, Db2Sim.journal("sqlefmem_api").length, "each list given back");
    }

    @Test
    void missingStatisticsLeaveTheirColumnsEmpty() throws SQLException {
        connect("SAMPLE");
        Db2Sim.injectError("sqlbgtss", -1092, "", 0);
        assertTrue(run(tablespaces(true)));
        List<String> first = box.getRows().get(0);
        assertEquals(Arrays.asList(null, null, null), first.subList(7, 10));
        assertEquals("4096", first.get(10));
    }

    @Test
    void containersOfATableSpace() throws SQLException {
        connect("SAMPLE");
        assertTrue(run(new DB2CommandListTablespaceContainer(2)));
        assertEquals(List.of("CONTAINER ID", "Name", "Type"), box.getColumnNames());
        assertEquals("path", box.getRows().get(0).get(2));
        assertTrue(box.getRows().get(0).get(1).endsWith("T0000002"), box.getRows().toString());
        DB2CommandListTablespaceContainer detail = new DB2CommandListTablespaceContainer(2);
        detail.setShowDetail(true);
        box = new DB2APIDataContainer();
        assertTrue(run(detail));
        assertEquals(List.of("CONTAINER ID", "Name", "Type", "Total pages", "Useable pages",
                "Accessible", "NTBS"), box.getColumnNames());
        assertEquals(List.of("1", "1"), box.getRows().get(0).subList(5, 7));
        assertTrue(failure(new DB2CommandListTablespaceContainer(-1))
                .startsWith("getTablespaceId gave -1"));
    }

    @Test
    void listingsNeedADatabaseConnection() {
        String requires = "Error: This command requires database connection!";
        assertEquals(requires, failure(tablespaces(false)));
        assertEquals(requires, failure(new DB2CommandListTablespaceContainer(0)));
        assertEquals(requires, failure(new DB2CommandListIndoubtTrans()));
        assertEquals(requires, failure(new DB2CommandListDRDAIndoubtTrans()));
    }

    @Test
    void xaTransactionsInDoubt() throws SQLException {
        connect("SAMPLE");
        assertTrue(run(new DB2CommandListIndoubtTrans()));
        assertEquals(9, box.getColumnCount());
        assertEquals(0, box.getRowCount());
        Db2Sim.addIndoubtTransaction(false, "SAMPLE", "GTRID-ONE", null);
        Db2Sim.addIndoubtTransaction(false, "SAMPLE", "GTRID-TWO", "alice");
        box = new DB2APIDataContainer();
        assertTrue(run(new DB2CommandListIndoubtTrans()));
        assertEquals(List.of("Originator", "Application ID", "Sequence Number", "Status",
                "Time Stamp", "Authorization ID", "Log Full", "Type", "XID"),
                box.getColumnNames());
        assertEquals(2, box.getRowCount());
        List<String> second = box.getRows().get(1);
        assertEquals(String.valueOf((int) 'i'), second.get(3), "status 'i' as a number");
        assertEquals("ALICE", second.get(5));
        assertTrue(second.get(8).startsWith("GTRID-TWO"), second.get(8));
    }

    @ParameterizedTest
    @CsvSource({"8, 2, 0", "9, 0, 9"})
    void drdaTransactionsInDoubtByClientVersion(int major, int minor, int emptyColumns)
            throws SQLException {
        context.setClientVersion(new ServerVersion(major, minor, 0));
        connect("SAMPLE");
        assertTrue(run(new DB2CommandListDRDAIndoubtTrans()));
        assertEquals(emptyColumns, box.getColumnCount(), "an empty list");
        Db2Sim.addIndoubtTransaction(true, "SAMPLE", "DRDA-GTRID", null);
        box = new DB2APIDataContainer();
        assertTrue(run(new DB2CommandListDRDAIndoubtTrans()));
        assertEquals(List.of("DB Name", "DB Alias", "LUW ID", "Partner LU", "UOW Status",
                "Partner Status", "Role", "Corrtok", "XID"), box.getColumnNames());
        assertEquals(1, box.getRowCount());
        assertEquals("SAMPLE", box.getRows().get(0).get(1));
        assertTrue(box.getRows().get(0).get(8).startsWith("DRDA-GTRID"));
        assertFalse(Db2Sim.journal(major >= 9 ? "db2SpmListIndTrans" : "sqlcspqy").length == 0);
    }
}
