package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandArchiveLog;
import com.qorvath.db2command.DB2CommandBackupDB;
import com.qorvath.db2command.DB2CommandBind;
import com.qorvath.db2command.DB2CommandListHistory;
import com.qorvath.db2command.DB2CommandPrune;
import com.qorvath.db2command.DB2CommandQuiesceTablespaces;
import com.qorvath.db2command.DB2CommandRebind;
import com.qorvath.db2command.DB2CommandReconcile;
import com.qorvath.db2command.DB2CommandRestoreDB;
import com.qorvath.db2command.DB2CommandRollforward;
import com.qorvath.db2command.DB2CommandSetTablespaceContainers;
import com.qorvath.db2command.DB2CommandUpdateHistoryFile;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.io.File;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.Collection;
import java.util.HashMap;
import java.util.List;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/** Backup, restore, rollforward, the recovery history and the log and container utilities. */
class RecoveryTest extends Session {
    Path images;

    @BeforeEach
    void fresh() throws Exception {
        oneBoxPerRun = true;
        begin();
        images = Files.createTempDirectory("images");
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    DB2CommandBackupDB backup(String alias) {
        DB2CommandBackupDB backup = new DB2CommandBackupDB();
        backup.setDatabaseAlias(alias);
        backup.setDirectoryList(List.of(images.toString()));
        backup.setWithoutPrompting(true);
        return backup;
    }

    DB2CommandRestoreDB restore(String source, String target) {
        DB2CommandRestoreDB restore = new DB2CommandRestoreDB();
        restore.setDbAlias(source);
        restore.setTargetDBAlias(target);
        restore.setDirectoryList(List.of(images.toString()));
        restore.setWithoutPrompting(true);
        return restore;
    }

    static DB2CommandRollforward rollforward(String alias, String option) {
        DB2CommandRollforward rollforward = new DB2CommandRollforward();
        rollforward.setDbAlias(alias);
        rollforward.setRollforwardOptionValue(option);
        return rollforward;
    }

    DB2APIDataContainer history(String alias) throws SQLException {
        DB2CommandListHistory list = new DB2CommandListHistory();
        list.setDbAlias(alias);
        assertTrue(run(list));
        return box;
    }

    /** The rollforward rows as "param=value" texts. */
    List<String> pairs() {
        List<String> pairs = new ArrayList<>();
        for (List<String> row : box.getRows()) {
            pairs.add(row.get(0) + "=" + row.get(1));
        }
        return pairs;
    }

    @Test
    void backUpListRestoreIntoANewAliasRollForwardAndPrune() throws Exception {
        assertTrue(run(backup("SAMPLE")));
        assertEquals(1, Files.list(images).count(), "one image file");
        assertEquals(1, Db2Sim.journal("sqleBeginCtx").length, "no connection: a context of its own");

        DB2APIDataContainer listed = history("SAMPLE");
        assertEquals(List.of("Timestamp Sequence", "End Time", "First Log", "Last Log", "ID",
                "Table Qualifier", "Table Name", "Location", "Comment", "Command Text",
                "Last Log Seq Num", "Entry ID", "Tablespace", "Operation", "OpType", "Object",
                "Status", "Device Type", "sqlca error code"), listed.getColumnNames());
        int last = listed.getRowCount() - 1;
        assertEquals("B", listed.getValue(last, "Operation"));
        assertEquals("F", listed.getValue(last, "OpType"), "offline, full");
        assertEquals("D", listed.getValue(last, "Object"), "the database");
        assertEquals(images.toString(), listed.getValue(last, "Location"));
        assertEquals(12, listed.getValue(last, "Last Log Seq Num").length());

        assertTrue(run(restore("SAMPLE", "RECOPY")));
        assertContains(handedLast("db2Restore"), "piTargetDBAlias=\"RECOPY\"", "iCallerAction=3");
        assertTrue(run(rollforward("RECOPY", "TO_END_OF_LOGS")));
        assertTrue(run(rollforward("RECOPY", "STOP")));
        List<String> status = pairs();
        assertEquals("Num_Replies=1", status.get(1));
        assertEquals(List.of("=", "Node_Number=0", "State=rollforward_not_pending"),
                status.subList(2, 5));
        assertEquals("Time used:=UTC", status.get(status.size() - 1));
        assertEquals(10, status.size());

        connect("RECOPY");
        context.setDatabaseAlias("RECOPY");
        DB2CommandPrune prune = new DB2CommandPrune();
        prune.setTimestamp("2999");
        prune.setWithForce(true);
        assertTrue(run(prune));
        assertContains(handedLast("db2Prune"), "piString=\"2999\"", "iAction=1", "iOptions=1");
        disconnect();
        dropDatabase("RECOPY");
    }

    /** The last journal line of an entry point. */
    static String handedLast(String entry) {
        String[] lines = Db2Sim.journal(entry);
        assertTrue(lines.length > 0, entry + " called");
        return lines[lines.length - 1];
    }

    void disconnect() throws SQLException {
        assertTrue(run(new com.qorvath.db2command.DB2CommandDisconnect()));
    }

    void dropDatabase(String alias) throws SQLException {
        attach();
        assertTrue(run(new com.qorvath.db2command.DB2CommandDropDatabase(alias)));
        assertTrue(run(new com.qorvath.db2command.DB2CommandDetach()));
    }

    @Test
    void aRestoreOverADatabaseBringsBackItsPackagesAsTheyWere() throws Exception {
        assertTrue(run(backup("SAMPLE")));
        connect("SAMPLE");
        DB2CommandBind bind = new DB2CommandBind();
        bind.setBindFile(Files.writeString(images.resolve("later.bnd"),
                "DB2SIM BIND 1\nPROGRAM later.sqc\nPACKAGE .LATER\nVERSION \n"
                        + "STATEMENTS 1\n6:COMMIT\nEND\n").toString());
        assertTrue(run(bind));
        DB2CommandRebind later = new DB2CommandRebind();
        later.setPackageName("LATER");
        assertTrue(run(later));
        endAll();  // the same instance: no reset in between

        DB2CommandRestoreDB restore = restore("SAMPLE", "SAMPLE");
        restore.setWithoutRollingForward(true);
        assertTrue(run(restore));
        connect("SAMPLE");
        assertTrue(failure(later).startsWith("SQL0204N"), "bound after the image was taken");
        DB2CommandRebind kept = new DB2CommandRebind();
        kept.setPackageName("NULLID.SYSSH100");
        assertTrue(run(kept));
    }

    @Test
    void backupTargetsAndOptionsReachDb2AsSet() throws SQLException {
        DB2CommandBackupDB vendor = backup("SAMPLE");
        vendor.setLoadLibraryName("/opt/vendor/libbackup.so");
        vendor.setOptionsFilename("vendor.opt");
        vendor.setOptionsString("ignored");
        vendor.setTablespaceList(List.of());
        vendor.setOnline(true);
        vendor.setCompress(true);
        vendor.setExcludeComprLib(true);
        assertContains(handed(vendor, "db2Backup"), "piMediaList=\"O[/opt/vendor/libbackup.so]\"",
                "iVendorOptionsSize=11", "piTablespaceList=\"[]\"", "iOptions=\"0xD03\"");

        DB2CommandBackupDB userExit = backup("SAMPLE");
        userExit.setDirectoryList(null);
        assertContains(handed(userExit, "db2Backup"), "piMediaList=\"U[]\"", "iOptions=\"0x0\"");

        DB2CommandBackupDB negative = backup("SAMPLE");
        negative.setBufferSize(-1);
        Db2Sim.clearJournal();
        assertEquals("getBufferSize gave -1, outside 0 to 4294967295", failure(negative));
        assertEquals(0, Db2Sim.journal("db2Backup").length);
    }

    @Test
    void aRestoreThatNeedsItsTableSpacesNeverRunsWithout() throws SQLException {
        DB2CommandRestoreDB tablespaces = restore("SAMPLE", "");
        tablespaces.setRestoreOptionString("TABLESPACE");
        assertEquals("A table space restore needs its table spaces: getTablespaceList() returned"
                + " null", failure(tablespaces));
        DB2CommandRestoreDB rebuild = restore("SAMPLE", "");
        rebuild.setRestoreOptionString("REBUILD_WITH");
        assertTrue(failure(rebuild).contains("getRebuildTablespaceList() returned null"));
        DB2CommandRestoreDB failing = new DB2CommandRestoreDB() {
            @Override
            public Collection<String> getDirectoryList() {
                throw new IllegalStateException("directories unreadable");
            }
        };
        failing.setDbAlias("SAMPLE");
        Db2Sim.clearJournal();
        assertThrowsMessage("directories unreadable", failing);
        assertEquals(0, Db2Sim.journal("db2Restore").length, "no restore on a partly read request");
    }

    @ParameterizedTest
    @CsvSource(delimiter = '|', value = {
            "TABLESPACE|''|''|true|true|0x244|3|[USERSPACE1]",
            "REBUILD_WITH|''|''|false|false|0x3000|3|[REBUILD1]",
            "REBUILD_WITH|ALL_TABLESPACES_IN_IMAGE|ABORT|false|false|0x2000|13|[]",
            "tablespace|''|AUTOMATIC|false|false|0x100|3|[]"})
    void restoreOptionsAndTableSpaces(String option, String rebuild, String incremental,
            boolean online, boolean noRollforward, String bits, String action, String names) {
        DB2CommandRestoreDB restore = restore("SAMPLE", "");
        restore.setRestoreOptionString(option);
        restore.setRebuildOptionString(rebuild);
        if (option.equals("REBUILD_WITH") && rebuild.isEmpty()) {
            restore.setRebuildTablespaceList(List.of("REBUILD1"));
        }
        restore.setTablespaceList(List.of("USERSPACE1"));
        restore.setIncrementalOptionString(incremental);
        restore.setOnline(online);
        restore.setWithoutRollingForward(noRollforward);
        assertContains(handed(restore, "db2Restore"), "iOptions=\"" + bits + "\"",
                "iCallerAction=" + action, "piTablespaceList=\"" + names + "\"");
    }

    /** Stored contexts are used as they are; a context of the command's own is ended. */
    @Test
    void utilitiesRunOnTheStoredContextWhenThereIsOne() throws SQLException {
        attach();
        assertTrue(run(backup("SAMPLE")), "backup: no database connection, a context of its own");
        assertEquals(1, Db2Sim.journal("sqleBeginCtx").length);
        Db2Sim.clearJournal();
        history("SAMPLE");
        assertEquals(0, Db2Sim.journal("sqleBeginCtx").length, "history: the attachment");
        Db2Sim.clearJournal();
        Db2Sim.injectError("db2HistoryGetEntry", -1092, "SWEEP", 0);
        assertTrue(failure(new DB2CommandListHistory() {
            {
                setDbAlias("SAMPLE");
            }
        }).startsWith("SQL1092N"));
        assertEquals(1, Db2Sim.journal("db2HistoryCloseScan").length, "closed after a failed get");
        assertEquals(0, Db2Sim.openScans());
        Db2Sim.clearFaults();
        context.setClientVersion(new ServerVersion(8, 2, 0));
        DB2CommandRestoreDB script = restore("SAMPLE", "RECOPY");
        script.setDateTime("1999");  // no such image: nothing is restored
        script.setRedirectGenerateScript("/tmp/never.clp");
        assertContains(handed(script, "db2Restore"), "versionNumber=8010000", "iOptions=\"0x0\"");
    }

    void assertThrowsMessage(String message, com.qorvath.db2command.DB2Command command) {
        Throwable thrown = org.junit.jupiter.api.Assertions.assertThrows(Throwable.class,
                () -> run(command));
        assertEquals(message, thrown.getMessage());
    }

    @ParameterizedTest
    @CsvSource({"'', 1, 9999-12-31-23.59.59.999999", "TO_ISOTIME, 3, 2026-01-02-03.04.05.000000",
            "QUERY_STATUS, 4, 2026-01-02-03.04.05.000000", "CANCEL, 8, 9999-12-31-23.59.59.999999"})
    void rollforwardActions(String option, String action, String stopTime) {
        DB2CommandRollforward rollforward = rollforward("SAMPLE", option);
        rollforward.setIsoTime("2026-01-02-03.04.05.000000");
        rollforward.setAndComplete(true);
        assertContains(handed(rollforward, "db2Rollforward"), "iCallerAction=" + action,
                "piStopTime=\"" + stopTime + "\"");
    }

    @Test
    void rollforwardRefusesAnUnknownOptionAndOverLongNamesAndSizesItsStatusForAllPartitions()
            throws SQLException {
        Db2Sim.clearJournal();
        assertTrue(failure(rollforward("SAMPLE", "to_end_of_logs"))
                .startsWith("Unknown rollforward option \"to_end_of_logs\""));
        DB2CommandRollforward longName = rollforward("SAMPLE", "QUERY_STATUS");
        longName.setTablespaceList(List.of("A_TABLE_SPACE_NAME_19"));
        assertEquals("table space name longer than 18 characters: A_TABLE_SPACE_NAME_19",
                failure(longName));
        assertEquals(0, Db2Sim.journal("db2Rollforward").length);

        DB2CommandRollforward all = rollforward("SAMPLE", "QUERY_STATUS");
        all.setAllDbPartitionNums(true);
        all.setIntegerPartitionList(List.of(1, 2));
        HashMap<String, Integer> overflow = new HashMap<>();
        overflow.put("/logs/p1", 1);
        overflow.put("/logs/p0", null);
        all.setOverflowLogList(overflow);
        assertContains(handed(all, "db2Rollforward"), "iAllNodeFlag=2", "iNumNodes=2",
                "iNumNodeInfo=1000", "iNumChngLgOvrflw=2");
    }

    @Test
    void updateByObjectPartFindsTheEntryOrUpdatesNothing() throws SQLException {
        assertTrue(run(backup("SAMPLE")));
        String objectPart = history("SAMPLE").getValue(box.getRowCount() - 1, "Timestamp Sequence");
        connect("SAMPLE");
        context.setDatabaseAlias("SAMPLE");

        DB2CommandUpdateHistoryFile unknown = new DB2CommandUpdateHistoryFile();
        unknown.setObjectPart("19990101000000001");
        unknown.setNewComment("never");
        assertEquals("No recovery history entry of SAMPLE has the object part"
                + " \"19990101000000001\"; nothing was updated", failure(unknown));
        assertEquals(0, Db2Sim.journal("db2HistoryUpdate").length);
        assertEquals(1, Db2Sim.journal("db2HistoryCloseScan").length, "the scan closed once");

        DB2CommandUpdateHistoryFile known = new DB2CommandUpdateHistoryFile();
        known.setObjectPart(objectPart);
        known.setNewComment("checked");
        assertTrue(run(known));
        assertEquals("checked", history("SAMPLE").getValue(box.getRowCount() - 1, "Comment"));
    }

    @ParameterizedTest
    @CsvSource(delimiter = '|', value = {
            "true|''|''|iAllNodeFlag=1, iNumNodes=0",
            "true|''|2 TO 3|iAllNodeFlag=2, iNumNodes=2, piNodeList=\"[2,3]\"",
            "false|1,3 TO 5|''|iAllNodeFlag=0, iNumNodes=4, piNodeList=\"[1,3,4,5]\""})
    void archiveLogPartitions(boolean all, String listed, String except, String expected) {
        DB2CommandArchiveLog archive = new DB2CommandArchiveLog();
        archive.setDbAlias("SAMPLE");
        archive.setAllDBPartitionNums(all);
        archive.setDbPartitionNumsString(listed);
        archive.setExceptDBPartitionNumsString(except);
        assertContains(handed(archive, "db2ArchiveLog"), expected.split(", "));
    }

    @Test
    void archiveLogRefusesADescendingRangeAndAnOldClientTakesTheOlderEntryPoint()
            throws SQLException {
        DB2CommandArchiveLog archive = new DB2CommandArchiveLog();
        archive.setDbAlias("SAMPLE");
        archive.setDbPartitionNumsString("5 TO 3");
        Db2Sim.clearJournal();
        assertTrue(failure(archive).startsWith("partition list"));
        assertEquals(0, Db2Sim.journal("db2ArchiveLog").length);
        assertEquals(0, Db2Sim.journal("sqleBeginCtx").length, "refused before any DB2 call");

        archive.setDbPartitionNumsString("");
        context.setClientVersion(new ServerVersion(7, 2, 0));
        assertContains(handed(archive, "db2ArchiveLog"), "versionNumber=7010000");
    }

    @Test
    void tableSpaceUtilitiesNeedTheConnectionAndWholeLists() throws SQLException {
        DB2CommandQuiesceTablespaces quiesce = new DB2CommandQuiesceTablespaces();
        quiesce.setTablename("STAFF");
        quiesce.setQuiesceMode(DB2CommandQuiesceTablespaces.EnumQuiesceMode.EXCLUSIVE);
        assertEquals("This command requires a database connection!", failure(quiesce));
        connect("SAMPLE");
        assertContains(handed(quiesce, "sqluvqdp"), "QuiesceMode=2");

        DB2CommandSetTablespaceContainers set = new DB2CommandSetTablespaceContainers();
        set.setContainersString("/c1,/c2");
        set.setNumberPagesString("100");
        set.setFileString("true,false");
        Db2Sim.clearJournal();
        assertEquals("set table space containers: 2 containers, but 1 page counts and 2 file"
                + " flags", failure(set));
        assertEquals(0, Db2Sim.journal("sqlbstsc").length);

        DB2CommandReconcile reconcile = new DB2CommandReconcile();
        reconcile.setTableName("STAFF");
        assertEquals("The RECONCILE command is not supported in DB2 version9", failure(reconcile));
        assertEquals(0, Db2Sim.journal("sqlurcon").length);
        context.setClientVersion(new ServerVersion(8, 2, 0));
        assertContains(handed(reconcile, "sqlurcon"), "pTableName=\"STAFF\"");
    }

    /** A backup image taken here is restored by a JVM of another instance. */
    @Test
    void anImageRestoresInAnotherJvm() throws Exception {
        assertTrue(run(backup("SAMPLE")));
        Path home = Files.createTempDirectory("otherhome");
        Path out = home.resolve("out.txt");
        ProcessBuilder builder = new ProcessBuilder(
                Paths.get(System.getProperty("java.home"), "bin", "java").toString(),
                "-Xcheck:jni", "-Djava.library.path=" + System.getProperty("java.library.path"),
                "-cp", location(RecoveryChildMain.class) + File.pathSeparator
                        + location(DB2APIDataContainer.class),
                RecoveryChildMain.class.getName(), images.toString());
        builder.environment().put("DB2SIM_HOME", home.resolve("state").toString());
        Process child = builder.redirectErrorStream(true).redirectOutput(out.toFile()).start();
        assertTrue(child.waitFor(120, TimeUnit.SECONDS), "child JVM did not finish");
        String output = Files.readString(out);
        assertEquals(0, child.exitValue(), output);
        assertTrue(output.contains("restored=true\nconnected=true\nrestore listed=R\n"), output);
        assertFalse(output.contains("WARNING") || output.contains("FATAL"), output);
    }

    private static String location(Class<?> type) throws Exception {
        return Paths.get(type.getProtectionDomain().getCodeSource().getLocation().toURI())
                .toString();
    }
}
