package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandActivateDatabase;
import com.qorvath.db2command.DB2CommandChangeDBComment;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDeActivateDatabase;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandMigrateDatabase;
import com.qorvath.db2command.DB2CommandQuiesceDatabase;
import com.qorvath.db2command.DB2CommandQuiesceInstance;
import com.qorvath.db2command.DB2CommandRestartDatabase;
import com.qorvath.db2command.DB2CommandUnQuiesceDatabase;
import com.qorvath.db2command.DB2CommandUnQuiesceInstance;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.List;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** Activate, deactivate, quiesce, unquiesce, restart, migrate and comment on the stand-in. */
class DatabaseStateTest extends Session {
    static final String INSTANCE = instanceName();
    static final String REQUIRES_DATABASE = "Error: This command requires database connection!";
    static final String REQUIRES_INSTANCE = "Error: This command requires instance connection!";

    @BeforeEach
    void fresh() {
        oneBoxPerRun = true;
        begin();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    /** The only journal line of an entry point. */
    static String call(String entry) {
        String[] lines = Db2Sim.journal(entry);
        assertEquals(1, lines.length, entry + " called once");
        return lines[0];
    }

    void connectToSample() throws SQLException {
        connect("SAMPLE");
        context.setDatabaseAlias("SAMPLE");
    }

    static <T extends DB2CommandActivateDatabase> T activation(T command, String user,
            String password) {
        command.setAlias("SAMPLE");
        command.setUserId(user);
        command.setPassword(password);
        return command;
    }

    @Test
    void activationPassesEmptyUserAndPasswordAsNullOnAPrivateContextAndDeactivationWarns()
            throws SQLException {
        assertTrue(run(activation(new DB2CommandActivateDatabase(), "", "")));
        assertContains(call("sqle_activate_db_api"), "pDbAlias=\"SAMPLE\"",
                "pUserName=null", "pPassword=null");
        assertEquals(1, Db2Sim.journal("sqleBeginCtx").length);
        assertEquals(1, Db2Sim.journal("sqleEndCtx").length);
        assertTrue(run(activation(new DB2CommandDeActivateDatabase(), "", "")));
        assertEquals(null, context.getWarningMessage());
        assertTrue(run(activation(new DB2CommandDeActivateDatabase(), "", "")),
                "not active: a warning is success");
        assertNotNull(context.getWarningMessage());
        Db2Sim.injectMissing("sqle_deactivate_db_api", 0);
        assertEquals("Call DB2 API fail, no such function",
                failure(activation(new DB2CommandDeActivateDatabase(), "", "")));
    }

    @Test
    void aGivenUserIsPassedAndAnUnknownAliasIsTheDb2Error() throws SQLException {
        Db2Sim.addUser("actuser", "actpw");
        assertTrue(run(activation(new DB2CommandActivateDatabase(), "actuser", "actpw")));
        assertContains(call("sqle_activate_db_api"), "pUserName=\"actuser\"", "pPassword=***");
        DB2CommandActivateDatabase missing = new DB2CommandActivateDatabase();
        missing.setAlias("NOSUCHDB");
        assertContains(failure(missing), "SQL1013N");
    }

    static DB2CommandQuiesceDatabase quiesce(Boolean defer, Boolean force, Integer timeOut) {
        DB2CommandQuiesceDatabase command = new DB2CommandQuiesceDatabase();
        command.setDefer(defer);
        command.setForce(force);
        command.setTimeOut(timeOut);
        return command;
    }

    @Test
    void quiesceSettingsGoThroughForTheConnectionsAlias() throws SQLException {
        assertTrue(run(new DB2CommandConnect("sample", "", "")));
        context.setDatabaseAlias("SAMPLE");
        Db2Sim.clearJournal();
        assertTrue(run(quiesce(null, null, null)));
        assertContains(call("db2DatabaseQuiesce"), "versionNumber=8010000",
                "piDatabaseName=\"SAMPLE\"", "iImmediate=1", "iForce=0", "iTimeout=0");
        assertTrue(run(new DB2CommandUnQuiesceDatabase()));
        assertContains(call("db2DatabaseUnquiesce"), "versionNumber=8010000",
                "piDatabaseName=\"SAMPLE\"");
        Db2Sim.clearJournal();
        assertTrue(run(quiesce(true, true, 7)));
        assertContains(call("db2DatabaseQuiesce"), "iImmediate=0", "iForce=1", "iTimeout=7");
        assertTrue(run(new DB2CommandUnQuiesceDatabase()));
    }

    @Test
    void withoutAConnectionOrAnAttachmentOrBefore8NothingReachesDb2() throws SQLException {
        Db2Sim.clearJournal();
        assertEquals(REQUIRES_DATABASE, failure(quiesce(null, null, null)));
        assertEquals(REQUIRES_DATABASE, failure(new DB2CommandUnQuiesceDatabase()));
        context.setClientVersion(new ServerVersion(7, 2, 0));
        assertEquals("unknown command type!", failure(quiesce(null, null, null)));
        assertEquals("unknown command type!", failure(new DB2CommandUnQuiesceInstance()));
        context.setClientVersion(new ServerVersion(9, 7, 4));
        assertNoCalls("db2DatabaseQuiesce", "db2DatabaseUnquiesce", "db2InstanceUnquiesce");
        connectToSample();  // a database connection is not an attachment
        assertEquals(REQUIRES_INSTANCE, failure(new DB2CommandQuiesceInstance()));
        assertEquals(REQUIRES_INSTANCE, failure(new DB2CommandUnQuiesceInstance()));
        assertNoCalls("db2InstanceQuiesce", "db2InstanceUnquiesce");
    }

    static void assertNoCalls(String... entries) {
        for (String entry : entries) {
            assertEquals(0, Db2Sim.journal(entry).length, entry);
        }
    }

    @Test
    void userAndGroupArePassedEvenWhenEmpty() throws SQLException {
        attach();
        DB2CommandQuiesceInstance command = new DB2CommandQuiesceInstance();
        command.setInstanceName(INSTANCE);
        command.setUser("");
        command.setGroup("");
        command.setDefer(true);
        assertTrue(run(command));
        assertContains(call("db2InstanceQuiesce"), "versionNumber=8010000",
                "piInstanceName=\"" + INSTANCE + "\"", "piUserId=\"\"", "piGroupId=\"\"",
                "iImmediate=0", "iForce=0", "iTimeout=0");

        DB2CommandUnQuiesceInstance unquiesce = new DB2CommandUnQuiesceInstance();
        unquiesce.setInstanceName(INSTANCE);
        assertTrue(run(unquiesce));
        assertContains(call("db2InstanceUnquiesce"), "piInstanceName=\"" + INSTANCE + "\"");
    }

    static DB2CommandRestartDatabase restart(String tablespaces, Boolean writeResume) {
        DB2CommandRestartDatabase command = new DB2CommandRestartDatabase();
        command.setAlias("SAMPLE");
        command.setUserName("");
        command.setPassword("");
        command.setTablespaceString(tablespaces);
        command.setWriteResume(writeResume);
        return command;
    }

    @Test
    void restartVersionTablespacesAndWriteResume() throws SQLException {
        context.setClientVersion(new ServerVersion(7, 2, 0));
        assertTrue(run(restart("", null)));
        assertContains(call("db2DatabaseRestart"), "versionNumber=7010000",
                "piDatabaseName=\"SAMPLE\"", "piUserId=\"\"", "piPassword=***",
                "piTablespaceNames=null", "iOption=0");
        assertEquals(0, Db2Sim.liveContexts(), "the private context is ended");
        context.setClientVersion(new ServerVersion(8, 0, 0));
        assertContains(handed(restart("TS1,TS2", true), "db2DatabaseRestart"),
                "versionNumber=8010000", "piTablespaceNames=\"TS1,TS2\"", "iOption=1");
        assertContains(handed(restart("", false), "db2DatabaseRestart"), "iOption=0");
    }

    @Test
    void migrateAndCommentPassEmptyTextsAsTextAndThePathNeverReachesDb2() throws SQLException {
        DB2CommandMigrateDatabase migrate = new DB2CommandMigrateDatabase();
        migrate.setAlias("SAMPLE");
        migrate.setUsername("");
        migrate.setPassword("");
        assertContains(onlyCall(migrate, "sqlemgdb_api"), "pDbAlias=\"SAMPLE\"", "pUserName=\"\"",
                "pPassword=***");
        DB2CommandChangeDBComment command = new DB2CommandChangeDBComment();
        command.setAlias("SAMPLE");
        command.setComment("state test comment");
        command.setPath("/somewhere/else");
        assertTrue(run(command));
        assertContains(call("sqledcgd_api"), "pDbAlias=\"SAMPLE\"", "pPath=\"\"",
                "pComment=\"state test comment\"");
        assertTrue(run(new DB2CommandListDBDirectory()));
        int column = box.getColumnNames().indexOf("comment");
        boolean found = false;
        for (List<String> row : box.getRows()) {
            if (row.get(0).equals("SAMPLE")) {
                assertEquals("state test comment", row.get(column));
                found = true;
            }
        }
        assertTrue(found, "SAMPLE is listed");
    }
}
