package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.EnumDB2CommandType;
import com.qorvath.db2command.util.ServerVersion;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import org.junit.jupiter.api.Test;

/** The run-time context's own behaviour, with the native side played by the test. */
class JavaSideRuntimeContextTest {
    /** A context whose native calls are answered by the test. */
    private static final class FakeNativeContext extends DB2CommandRuntimeContext {
        String clientLevel = "09074";
        int levelReads;
        final List<DB2Command> executed = new ArrayList<>();
        Effect commandEffect = c -> {};

        @Override
        protected String readClientLevel() {
            levelReads++;
            return clientLevel;
        }

        @Override
        protected boolean executeCommand(DB2Command command) throws SQLException {
            executed.add(command);
            commandEffect.apply(this);
            return true;
        }
    }

    /** What the played native side does while running a command. */
    private interface Effect {
        void apply(FakeNativeContext context) throws SQLException;
    }

    private static DB2Command command(EnumDB2CommandType type) {
        return new DB2Command() {
            @Override
            public EnumDB2CommandType getType() {
                return type;
            }
        };
    }

    private final FakeNativeContext ctx = new FakeNativeContext();

    @Test
    void aFreshContextIsDetachedAndANegativeHandleIsAnAttachment() {
        assertFalse(ctx.isAttached());
        assertEquals(0, ctx.getInstanceConnectionContext());
        assertEquals(-1, ctx.getAttachNodeId());
        assertNull(ctx.getInstanceServerVersion());
        ctx.setInstanceConnectionContext(-5);
        assertTrue(ctx.isAttached());
    }

    @Test
    void detachOrAZeroContextForgetsContextAndVersionButKeepsThePartitionSetting() {
        ctx.setAttachNodeId(3);
        ctx.setInstanceServerVersion("09.07.40");
        ctx.setInstanceConnectionContext(42);
        ctx.setServerCodePage(1208);
        assertEquals(new ServerVersion(9, 7, 4), ctx.getInstanceServerVersion());

        ctx.detach();
        assertFalse(ctx.isAttached());
        assertNull(ctx.getInstanceServerVersion());
        assertNull(ctx.getInstanceServerVersionText());
        assertEquals(3, ctx.getAttachNodeId());
        assertEquals(1208, ctx.getServerCodePage());
        ctx.setInstanceServerVersion("09.07.40");
        ctx.setInstanceConnectionContext(42);
        ctx.setInstanceConnectionContext(0);
        assertFalse(ctx.isAttached());
        assertNull(ctx.getInstanceServerVersion());
    }

    private void connect() {
        ctx.setConnectNodeId(2);
        ctx.setDatabaseConnectionContext(-7, 1, 2);
        ctx.setDatabaseServerVersion("09.07.0004");
        ctx.setDatabaseAlias("SAMPLE");
    }

    @Test
    void disconnectOrThreeZerosForgetTheConnectionButKeepThePartitionSetting() {
        connect();
        assertTrue(ctx.isConnected());
        assertEquals(new ServerVersion(9, 7, 4), ctx.getDatabaseServerVersion());
        ctx.setDatabaseConnectionUserId("db2inst1");
        ctx.disconnect();
        assertFalse(ctx.isConnected());
        assertEquals(0, ctx.getDatabaseConnectionEnvHandler());
        assertEquals(0, ctx.getDatabaseConnectionDbcHandler());
        assertNull(ctx.getDatabaseServerVersion());
        assertNull(ctx.getDatabaseAlias());
        // A connect that replaces a connection calls disconnect() and then reads the partition.
        assertEquals(2, ctx.getConnectNodeId());
        assertEquals("db2inst1", ctx.getDatabaseConnectionUserId());
        connect();
        ctx.setDatabaseConnectionContext(0, 0, 0);
        assertFalse(ctx.isConnected());
        assertNull(ctx.getDatabaseServerVersion());
        assertNull(ctx.getDatabaseAlias());
    }

    @Test
    void aContextWithoutCliHandlesIsAConnectionAndAnUnreadableVersionIsKept() {
        ctx.setDatabaseConnectionContext(9, 0, 0);
        assertTrue(ctx.isConnected());
        ctx.setDatabaseServerVersion("");
        assertNull(ctx.getDatabaseServerVersion());
        assertEquals("", ctx.getDatabaseServerVersionText());
    }

    @Test
    void nodeNamesAreFoundWhateverTheAliasCase() {
        ctx.setNodeNameForAlias("sample", "NODE1");
        assertEquals("NODE1", ctx.getNodeNameForAlias("SAMPLE"));
        assertEquals("NODE1", ctx.getNodeNameForAlias(" Sample "));
        assertNull(ctx.getNodeNameForAlias("OTHER"));
        assertNull(ctx.getNodeNameForAlias(null));
        ctx.setNodeNameForAlias("SAMPLE", null);
        assertNull(ctx.getNodeNameForAlias("sample"));
    }

    @Test
    void warningsAreKeptInOrderUntilTakenAndBoundedDroppingTheOldest() {
        assertNull(ctx.getWarningMessage());
        ctx.setWarningMessage("SQL1 first");
        ctx.setWarningMessage(null);
        ctx.setWarningMessage("SQL2 second");
        assertEquals("SQL2 second", ctx.getWarningMessage());
        assertEquals(List.of("SQL1 first", "SQL2 second"), ctx.takeWarningMessages());
        assertTrue(ctx.takeWarningMessages().isEmpty());
        assertNull(ctx.getWarningMessage());
        for (int i = 0; i < DB2CommandRuntimeContext.MAX_WARNINGS + 5; i++) {
            ctx.setWarningMessage("w" + i);
        }
        List<String> kept = ctx.takeWarningMessages();
        assertEquals(DB2CommandRuntimeContext.MAX_WARNINGS, kept.size());
        assertEquals("w5", kept.get(0));
    }

    @Test
    void clientVersionIsAskedOfTheLibraryOnceAndAnExplicitOneWins() {
        assertEquals(new ServerVersion(9, 7, 4), ctx.getClientVersion());
        ctx.clientLevel = "08020";
        assertEquals(new ServerVersion(9, 7, 4), ctx.getClientVersion());
        assertEquals(1, ctx.levelReads);
        ctx.setClientVersion(new ServerVersion(7, 2, 0));
        assertEquals(new ServerVersion(7, 2, 0), ctx.getClientVersion());
        assertEquals(1, ctx.levelReads);
        ctx.setClientVersion(null);
        assertEquals(new ServerVersion(8, 2, 0), ctx.getClientVersion(), "cleared: asked again");
        assertEquals(2, ctx.levelReads);
    }

    @Test
    void anUnreadableLevelIsNullAndNotAskedAgainAndALibraryThatCannotTellGivesNull() {
        ctx.clientLevel = "\0\0\0\0\0";
        assertNull(ctx.getClientVersion());
        assertNull(ctx.getClientVersion());
        assertEquals(1, ctx.levelReads);
        DB2CommandRuntimeContext broken = new DB2CommandRuntimeContext() {
            @Override
            protected String readClientLevel() {
                throw new UnsatisfiedLinkError("no libtarvinex");
            }
        };
        assertNull(broken.getClientVersion());
    }

    private final DB2Command attach = command(EnumDB2CommandType.ATTACH);
    private final DB2Command connect = command(EnumDB2CommandType.CONNECT);

    @Test
    void automaticCommandsRunOnlyWhenRegisteredAndNeededOnThisContext() throws SQLException {
        ctx.autoAttach();
        ctx.autoConnect();
        assertTrue(ctx.executed.isEmpty());
        ctx.setAutoAttachCommand(attach);
        ctx.setAutoConnectCommand(connect);
        ctx.commandEffect = c -> c.setInstanceConnectionContext(11);
        ctx.autoAttach();
        assertTrue(ctx.isAttached());
        ctx.autoConnect();
        assertEquals(List.of(attach, connect), ctx.executed);
        ctx.setDatabaseConnectionContext(12, 13, 14);
        ctx.autoAttach();
        ctx.autoConnect();
        assertEquals(2, ctx.executed.size(), "an attachment or connection held is not replaced");
    }

    @Test
    void theGuardStopsACommandThatAsksAgainAndIsReleasedEvenOnFailure() throws SQLException {
        ctx.setAutoAttachCommand(attach);
        ctx.commandEffect = DB2CommandRuntimeContext::autoAttach;
        ctx.autoAttach();
        assertEquals(1, ctx.executed.size());
        ctx.autoAttach(); // the guard is released afterwards
        assertEquals(2, ctx.executed.size());
        ctx.setAutoConnectCommand(connect);
        ctx.commandEffect = c -> {
            throw new SQLException("SQL1013N  not found");
        };
        assertThrows(SQLException.class, ctx::autoConnect);
        ctx.commandEffect = c -> {};
        ctx.autoConnect();
        assertEquals(4, ctx.executed.size());
        assertSame(connect, ctx.getAutoConnectCommand());
    }
}
