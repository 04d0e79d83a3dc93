package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** The road of one command: argument checks, dispatch, life cycle, contexts, caller convention. */
class LifeCycleHarnessTest {
    private DB2CommandRuntimeContext context;
    private DB2APIDataContainer container;

    @BeforeEach
    void fresh() {
        Db2Sim.reset();
        context = new DB2CommandRuntimeContext();
        context.setClientVersion(new ServerVersion(9, 7, 4));
        container = new DB2APIDataContainer();
    }

    private static String failure(ScriptedCommand cmd, DB2CommandRuntimeContext ctx,
            DB2APIDataContainer box) {
        SQLException e = assertThrows(SQLException.class, () -> LifeCycleProbe.execute(cmd, ctx, box));
        return e.getMessage();
    }

    private String failure(ScriptedCommand cmd) {
        return failure(cmd, context, container);
    }

    @Test
    void argumentsAndTypeCodesThatAreNotServed() {
        ScriptedCommand cmd = new ScriptedCommand("");
        assertEquals("command object is null!", failure(null, null, null));
        assertEquals("context object is null!", failure(cmd, null, null));
        assertEquals("resultset object is null!", failure(cmd, context, null));
        assertEquals("", LifeCycleProbe.log(), "no step runs");
        assertEquals("get EnumDB2CommandType from DB2Command return null!",
                failure(ScriptedCommand.withoutType()));
        for (int code : new int[] {44, 75, 83, 0, -1}) {
            assertEquals("unknown command type!", failure(new ScriptedCommand(code, "")), "code " + code);
        }
    }

    @Test
    void versionEightCommandsNeedAnEightClientAndNullCountsAsZero() throws SQLException {
        ScriptedCommand gated = new ScriptedCommand(ScriptedCommand.VERSION_8, "");
        context.setClientVersion(new ServerVersion(7, 2, 0));
        assertEquals("unknown command type!", failure(gated));
        context.setClientVersion(new ServerVersion(8, 0, 0));
        assertTrue(LifeCycleProbe.execute(gated, context, container));
        context.setClientVersion(new ServerVersion(7, 2, 0));
        assertTrue(LifeCycleProbe.execute(new ScriptedCommand(""), context, container),
                "a command for any client runs with 7.2");
        DB2CommandRuntimeContext unknownClient = new DB2CommandRuntimeContext() {
            @Override
            public ServerVersion getClientVersion() {
                return null;
            }
        };
        assertEquals("unknown command type!", failure(gated, unknownClient, container),
                "a client version of null counts as 0");
    }

    @Test
    void successfulAndFailedLifeCycles() throws SQLException {
        assertTrue(LifeCycleProbe.execute(new ScriptedCommand(""), context, container));
        assertEquals("SetupData,SetupContext,current=0,CallDB2API,BuildResultSet,FreeData(true)",
                LifeCycleProbe.log());
        assertEquals("built", container.getValue(0, "STEP"));
        container = new DB2APIDataContainer();
        assertFalse(LifeCycleProbe.execute(new ScriptedCommand("setupData=fail"), context, container));
        assertEquals("SetupData,FreeData(false)", LifeCycleProbe.log());
        assertFalse(LifeCycleProbe.execute(new ScriptedCommand("setupContext=fail"), context, container));
        assertEquals("SetupData,SetupContext,FreeData(false)", LifeCycleProbe.log());
        assertFalse(LifeCycleProbe.execute(new ScriptedCommand("call=fail"), context, container));
        assertEquals("SetupData,SetupContext,current=0,CallDB2API,FreeData(false)", LifeCycleProbe.log());
        assertEquals(0, container.getRowCount(), "no rows without success");
    }

    @Test
    void aJavaFailureStopsBeforeDb2AndConnectionsAreRequired() {
        Db2Sim.clearJournal();
        assertEquals("GetMethodId() return null, methodName is noSuchGetter",
                failure(new ScriptedCommand("setupData=javaerror;call=db2")));
        assertEquals("SetupData,FreeData(false)", LifeCycleProbe.log());
        assertEquals(0, Db2Sim.journal("sqleBeginCtx").length, "DB2 was never called");
        assertEquals("Error: This command requires instance connection!",
                failure(new ScriptedCommand("setupContext=instance")));
        assertEquals("Error: This command requires database connection!",
                failure(new ScriptedCommand("setupContext=database")));
        context.setInstanceConnectionContext(12345);
        context.setDatabaseConnectionContext(54321, 1, 2);
        assertEquals("Error: This command requires instance connection!",
                failure(new ScriptedCommand("setupContext=instance")), "an unknown handle is no connection");
        assertEquals("Error: This command requires database connection!",
                failure(new ScriptedCommand("setupContext=database")));
    }

    @Test
    void aContextHandleSurvivesTheTripThroughJava() throws SQLException {
        int handle = LifeCycleProbe.beginContext(false);
        assertNotEquals(0, handle);
        if ("64".equals(System.getProperty("sun.arch.data.model"))) {
            assertTrue(Long.compareUnsigned(LifeCycleProbe.address(handle), 0xFFFFFFFFL) > 0,
                    "the stand-in's contexts live above 4 GiB, so a truncated pointer would fail");
        }
        context.setInstanceConnectionContext(handle);
        assertTrue(LifeCycleProbe.execute(new ScriptedCommand("setupContext=instance"), context, container));
        assertTrue(LifeCycleProbe.log().contains("current=" + handle), LifeCycleProbe.log());
        assertEquals(0, LifeCycleProbe.currentContext(), "the guard detaches it at the end");
        context.setDatabaseConnectionContext(handle, 0, 0);
        assertTrue(LifeCycleProbe.execute(new ScriptedCommand("setupContext=database"), context, container));
        assertTrue(LifeCycleProbe.log().contains("current=" + handle));
        LifeCycleProbe.endContext(handle);
        assertEquals(0, LifeCycleProbe.address(handle), "an ended context's handle is forgotten");
    }

    @Test
    void theGuardRestoresTheThreadsContextOnEveryPath() throws SQLException {
        long before = Db2Sim.liveContexts();
        int a = LifeCycleProbe.beginContext(true);
        assertEquals(a, LifeCycleProbe.currentContext());

        assertTrue(LifeCycleProbe.execute(new ScriptedCommand("setupContext=private"), context, container));
        assertTrue(LifeCycleProbe.log().contains("current="));
        assertFalse(LifeCycleProbe.log().contains("current=0,"), "the command ran on its own context");
        assertEquals(a, LifeCycleProbe.currentContext());

        assertFalse(LifeCycleProbe.execute(new ScriptedCommand("setupContext=private;call=fail"), context, container));
        assertEquals(a, LifeCycleProbe.currentContext());

        assertEquals("native failure: scripted failure",
                failure(new ScriptedCommand("setupContext=private;call=throw")));
        assertEquals(a, LifeCycleProbe.currentContext(), "also when a C++ exception unwinds");

        assertTrue(LifeCycleProbe.execute(new ScriptedCommand(""), context, container));
        assertTrue(LifeCycleProbe.log().contains("current=0"), "each command starts with no context");
        assertEquals(a, LifeCycleProbe.currentContext());

        LifeCycleProbe.endContext(a);
        assertEquals(before, Db2Sim.liveContexts(), "private contexts are ended");
    }

    @Test
    void callerConvention() throws SQLException {
        ScriptedCommand call = new ScriptedCommand("call=db2");
        Db2Sim.injectMissing("sqleBeginCtx", 1);
        assertEquals("Call DB2 API fail, no such function", failure(call));

        Db2Sim.injectError("sqleBeginCtx", -1013, "SAMPLE", 1);
        String text = failure(call);
        assertTrue(text.startsWith("SQL1013N  "), text);
        assertTrue(text.contains("\"SAMPLE\""), text);
        assertTrue(text.contains("SQLSTATE=42705"), text);

        Db2Sim.injectWarning("sqleBeginCtx", 1014, "", 1);
        assertTrue(LifeCycleProbe.execute(call, context, container), "a warning is success");
        assertTrue(context.getWarningMessage().startsWith("SQL1014W  "), context.getWarningMessage());
        assertEquals(0, Db2Sim.liveContexts());
    }
}
