package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandStartDBM;
import com.qorvath.db2command.DB2CommandStartDBM.AddDBPartitioinOption;
import com.qorvath.db2command.DB2CommandStartDBM.EnumStartOption;
import com.qorvath.db2command.DB2CommandStartDBM.RestartOption;
import com.qorvath.db2command.DB2CommandStopDBM;
import com.qorvath.db2command.DB2CommandStopDBM.EnumStopMode;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.List;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** START DBM and STOP DBM on both DB2 interfaces, read back through the stand-in's journal. */
class InstanceStartStopTest extends Session {
    @BeforeEach
    void fresh() {
        oneBoxPerRun = true;
        begin();
        client(8, 0);
    }

    @AfterEach
    void contextsEnded() {
        Db2Sim.clearFaults();
        Db2Sim.startInstance();
        assertEquals(0, Db2Sim.liveContexts(), "the private context is always ended");
    }

    void client(int major, int minor) {
        context.setClientVersion(new ServerVersion(major, minor, 0));
    }

    /** Fails unless the call holds every "name=value" argument. */
    static void assertFields(String call, String... pairs) {
        for (String pair : pairs) {
            String[] nv = pair.split("=", 2);
            assertEquals(nv[1], field(call, nv[0]), nv[0]);
        }
    }

    static DB2CommandStartDBM addPartition(Integer like, Boolean without) {
        DB2CommandStartDBM start = new DB2CommandStartDBM();
        start.setStartOption(EnumStartOption.ADD_DB_PARTITION);
        AddDBPartitioinOption option = new AddDBPartitioinOption();
        option.setHostname("host2");
        option.setPort(3);
        option.setLikeDBPartition(like);
        option.setWithoutTablespace(without);
        start.setAddDBPartionOption(option);
        return start;
    }

    @Test
    void exactlyEightTakesTheVersion8InterfaceAndSevenTwoTheOlderOne() throws SQLException {
        client(8, 0);
        String v8 = handed(new DB2CommandStartDBM(), "db2InstanceStart");
        assertTrue(v8.contains("8010000"), v8);
        handed(new DB2CommandStopDBM(), "db2InstanceStop");
        client(7, 2);
        assertEquals(0, handed(new DB2CommandStartDBM(),
                "sqlepstart_api").indexOf("sqlepstart_api"));
        handed(new DB2CommandStopDBM(), "sqlepstp");
        assertEquals(0, Db2Sim.journal("db2InstanceStop").length);
    }

    @Test
    void stopThenStartAndAttachOnTheStoppedInstanceGivesDb2sMessage() throws SQLException {
        assertTrue(run(new DB2CommandStopDBM()));
        assertTrue(failure(new DB2CommandAttach()).startsWith("SQL1032N"));
        assertTrue(run(new DB2CommandStartDBM()));
        assertTrue(run(new DB2CommandStartDBM()), "already active is a warning");
        assertTrue(context.getWarningMessage().startsWith("SQL1026"),
                context.getWarningMessage());
    }

    @Test
    void plainStartPassesTablespaceTypeOneOnNodeZeroAndNothingElse() {
        assertFields(handed(new DB2CommandStartDBM(), "db2InstanceStart"), "iIsRemote=0",
                "piCommData=null", "iIsProfile=0", "piProfile=null", "iIsNodeNum=0", "iOption=0",
                "iIsHostName=0", "iIsPort=0", "iIsNetName=0", "iTblspaceType=1",
                "iTblspaceNode=0", "iIsComputer=0", "piUserName=null", "piPassword=null",
                "iIsQRequested=0");
    }

    @Test
    void remoteStartPrefersTheAdminNodeAndFallsBackToTheHost() {
        DB2CommandStartDBM start = new DB2CommandStartDBM();
        start.setRemoteInstanceName("REMINST");
        start.setRemoteAdminNodeName("ADMNODE");
        start.setRemoteHostName("remhost");
        start.setRemoteUserId("ruser");
        start.setRemotePassword("rpw");
        start.setIsAdminNode(true);
        start.setUser("notpassed");
        String call = handed(start, "db2InstanceStart");
        assertFields(call, "iIsRemote=1", "piRemoteInstName=\"REMINST\"", "iCommParam=1",
                "piNodeOrHostName=\"ADMNODE\"", "piUserId=\"ruser\"", "piUserPw=***");
        assertFalse(call.contains("notpassed"), call);

        start.setRemoteAdminNodeName("");
        start.setRemoteUserId("");
        call = handed(start, "db2InstanceStart");
        assertFields(call, "iCommParam=1", "piNodeOrHostName=\"remhost\"", "piUserId=\"\"");
    }

    @Test
    void partitionProfileAndOptionDataAreFlaggedOnlyWhenGiven() {
        DB2CommandStartDBM start = new DB2CommandStartDBM();
        start.setPartitionNum(0);
        start.setProfile("prof.sh");
        start.setStartOption(EnumStartOption.RESTART);
        RestartOption restart = new RestartOption();
        restart.setHostname("host9");
        restart.setPort(2);
        restart.setNetName("net9");
        restart.setComputerName("COMP9");
        restart.setUserName("u9");
        restart.setPassword("p9");
        start.setRestartOptionData(restart);
        assertFields(handed(start, "db2InstanceStart"), "iIsProfile=1", "piProfile=\"prof.sh\"",
                "iIsNodeNum=1", "iNodeNum=0", "iOption=6", "iIsHostName=1",
                "piHostName=\"host9\"", "iIsPort=1", "iPort=2", "iIsNetName=1",
                "piNetName=\"net9\"", "iIsComputer=1", "piComputer=\"COMP9\"",
                "piUserName=\"u9\"", "piPassword=***");
    }

    @Test
    void addedPartitionTablespaceRulesAndAMissingOptionObject() {
        assertFields(handed(addPartition(3, null), "db2InstanceStart"), "iOption=5",
                "iTblspaceType=1", "iTblspaceNode=3");
        assertFields(handed(addPartition(null, true), "db2InstanceStart"), "iTblspaceType=1",
                "iTblspaceNode=0");
        assertFields(handed(addPartition(null, null), "db2InstanceStart"), "iTblspaceType=0",
                "iTblspaceNode=0");
        // A missing option object fails before DB2.
        DB2CommandStartDBM start = new DB2CommandStartDBM();
        start.setStartOption(EnumStartOption.RESTART);
        Db2Sim.clearJournal();
        assertFalse(failure(start).isBlank());
        start.setStartOption(EnumStartOption.ADD_DB_PARTITION);
        assertFalse(failure(start).isBlank());
        assertEquals(0, Db2Sim.journal("db2InstanceStart").length);
    }

    @Test
    void olderStartCutsTextsToTheirFieldsAndMatchesTheVersion8TablespaceRules() {
        client(7, 2);
        DB2CommandStartDBM start = addPartition(3, null);
        start.setProfile("p".repeat(300));
        start.getAddDBPartionOption().setHostname("h".repeat(300));
        start.getAddDBPartionOption().setComputerName("c".repeat(30));
        start.getAddDBPartionOption().setNetName("n".repeat(300));
        String call = handed(start, "sqlepstart_api");
        assertFields(call, "sqloptid=\"SQLOPT01\"", "isprofile=1", "option=5", "tblspace_type=1",
                "tblspace_node=3", "iscomputer=1", "computer=" + "\"" + "c".repeat(15) + "\"",
                "isport=1", "port=3");
        assertEquals(235, field(call, "profile").length() - 2);
        assertEquals("\"" + "h".repeat(255) + "\"", field(call, "hostname"));
        assertEquals("\"" + "n".repeat(255) + "\"", field(call, "netname"));

        assertFields(handed(new DB2CommandStartDBM(), "sqlepstart_api"), "tblspace_type=1",
                "tblspace_node=0");
        assertFields(handed(addPartition(null, false), "sqlepstart_api"), "tblspace_type=0",
                "isnodenum=0");
        start = new DB2CommandStartDBM();
        start.setRemoteInstanceName("REMINST");
        Db2Sim.clearJournal();
        String message = failure(start);
        assertTrue(message.contains("version 8.0"), message);
        for (String entry : new String[] {"sqleBeginCtx", "sqlepstart_api",
                "db2InstanceStart"}) {
            assertEquals(0, Db2Sim.journal(entry).length, entry);
        }
    }

    @Test
    void stopPassesNothingUnsetAndProfilePartitionAndModeOnBothInterfaces() {
        String call = handed(new DB2CommandStopDBM(), "db2InstanceStop");
        assertFields(call, "iIsRemote=0", "piRemoteInstName=null", "iIsProfile=0", "piProfile=null",
                "iIsNodeNum=0", "iStopOption=0", "iCallerac=0");
        assertNotEquals("null", field(call, "piCommData"), "the cleared communication data");
        DB2CommandStopDBM stop = new DB2CommandStopDBM();
        stop.setProfile("stop.sh");
        stop.setPartitionNum(0);
        stop.setStopMode(EnumStopMode.FORCE);
        assertFields(handed(stop, "db2InstanceStop"), "iIsProfile=1", "piProfile=\"stop.sh\"",
                "iIsNodeNum=1", "iNodeNum=0", "iStopOption=1");
        Db2Sim.startInstance();
        client(7, 2);
        stop.setProfile("q".repeat(300));
        call = handed(stop, "sqlepstp");
        assertFields(call, "isprofile=1", "isnodenum=1", "nodenum=0", "option=1", "callerac=0");
        assertEquals(235, field(call, "profile").length() - 2);
    }

    @Test
    void db2ErrorsAndMissingEntryPointsFollowTheCallerConvention() {
        Db2Sim.injectError("db2InstanceStop", -1025, "", 1);
        assertTrue(failure(new DB2CommandStopDBM()).startsWith("SQL1025N"));
        Db2Sim.injectMissing("sqlepstp", 1);
        client(7, 2);
        assertEquals("Call DB2 API fail, no such function", failure(new DB2CommandStopDBM()));
    }

    /** Read with the parameters: a throwing getter stops the command before any DB2 call. */
    @Test
    void aClientVersionGetterThrowingAfterTheDispatchStopsTheCommand() {
        for (DB2Command command : List.of(new DB2CommandStartDBM(), new DB2CommandStopDBM())) {
            IllegalStateException thrown = new IllegalStateException("version unknown");
            begin(new DB2CommandRuntimeContext() {
                private int calls;

                @Override
                public ServerVersion getClientVersion() {
                    if (++calls > 1) {
                        throw thrown;
                    }
                    return new ServerVersion(8, 0, 0);
                }
            });
            assertSame(thrown, assertThrows(IllegalStateException.class, () -> run(command)));
            for (String entry : List.of("db2InstanceStart", "sqlepstart_api", "db2InstanceStop",
                         "sqlepstp")) {
                assertEquals(0, Db2Sim.journal(entry).length, entry);
            }
        }
    }
}
