package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandExport;
import com.qorvath.db2command.DB2CommandImport;
import com.qorvath.db2command.DB2CommandLoad;
import com.qorvath.db2command.DB2CommandLoadQuery;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.nio.file.Files;
import java.nio.file.Path;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.function.Supplier;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.MethodSource;

/**
 * Import, export, load and load query: what DB2 is handed for what Java asked, what stops a
 * command before DB2, and files moved through the stand-in's tables.
 */
class DataMovementTest extends Session {
    @TempDir Path dir;

    @BeforeEach
    void fresh() {
        oneBoxPerRun = true;
        begin();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    /** An import that notes whether any XML getter was read. */
    static final class WatchedImport extends DB2CommandImport {
        boolean xmlRead;

        @Override
        public String getXmlPathString() {
            xmlRead = true;
            return super.getXmlPathString();
        }
    }

    static DB2CommandLoad load(String from, String action) {
        DB2CommandLoad load = new DB2CommandLoad();
        load.setFromListString(from);
        load.setFileType("DEL");
        load.setActionString(action);
        return load;
    }

    void connectAt(ServerVersion client, String server) throws SQLException {
        connect("SAMPLE");
        context.setClientVersion(client);
        context.setDatabaseServerVersion(server);
    }

    @ParameterizedTest
    @CsvSource({"9, 9.7, db2Import, 9000000, true", "9, 8.2, db2Import, 8010000, false",
            "8, 9.7, db2Import, 8010000, false", "7, 9.7, sqluimpr_api, , false"})
    void importTakesTheLowerVersion(int client, String server, String entry, String level,
            boolean xml) throws SQLException {
        connectAt(new ServerVersion(client, 2, 0), server);
        WatchedImport command = new WatchedImport();
        String call = handed(command, entry);
        assertEquals(xml, command.xmlRead, "XML getters read");
        if (entry.equals("sqluimpr_api")) {
            // Version 7 takes the names as they are and no options.
            assertContains(call, "piDataFileName=\"\"", "piFileType=\"\"",
                    "piMsgFileName=\"\"", "pImportInfoIn=null");
            return;
        }
        assertEquals(level, field(call, "versionNumber"));
        assertContains(call, "piDataFileName=null", "piFileType=null",
                "piMsgFileName=\"import_msgs.log\"");
        assertEquals(xml, call.contains("piXmlPathList="), call);
    }

    @Test
    void belowVersion7IsRefusedWithoutCallingDb2() throws SQLException {
        connectAt(new ServerVersion(9, 7, 4), null);
        Db2Sim.clearJournal();
        assertTrue(failure(new DB2CommandImport()).startsWith("Unsupported DB2 version 0"));
        assertTrue(failure(new DB2CommandExport()).startsWith("Unsupported DB2 version 0"));
        DB2CommandLoadQuery query = new DB2CommandLoadQuery();
        query.setTableName("STAFF");
        assertTrue(failure(query).startsWith("Unsupported DB2 version 0"));
        assertEquals(0, journal("db2Import").size() + journal("sqluimpr_api").size()
                + journal("db2Export").size() + journal("db2LoadQuery").size());
    }

    @ParameterizedTest
    @CsvSource(value = {"null, null", "true, 2", "false, 1"}, nullValues = "null")
    void importHandsItsOptionsAsAsked(Boolean strip, String xmlParse) throws SQLException {
        connect("SAMPLE");
        DB2CommandImport command = new DB2CommandImport();
        command.setMethodLocations(true);
        command.setMethodPositions(true);
        command.setColumnStartEndString("1 10, 12 20");
        command.setColumnPositionString("3");
        command.setLobPathString("/lobs/a,/lobs/b");
        command.setWriteAccess(true);
        command.setStrip(strip);
        command.setXmlValidate(true);
        command.setXds(true);
        command.setSchemaSqlid("S");
        command.setIgnoreSchemaSqlidString("I1,I2");
        command.setMapSchemaSqlidString("(a,b),(c,d)");
        String call = handed(command, "db2Import");
        assertContains(call, "piDataDescriptor={dcolmeth='L' dcolnum=2 [(1,10),(12,20)]}",
                "piLobPathList={media_type='L' sessions=2 [\"/lobs/a\",\"/lobs/b\"]}",
                // one indicator per column of the descriptor, though none was asked for
                "piNullIndicators=[0,0]", "*piCommitcount=-1", "iNoTimeout=1", "iAccessLevel=2",
                "*piXmlParse=" + xmlParse, "piXmlValidate={iUsing=1 default=\"S\""
                        + " ignore=[\"I1\",\"I2\"] map=[(\"a\",\"b\"),(\"c\",\"d\")]}");
    }

    @Test
    void exportHandsItsListsAsAsked() throws SQLException {
        connect("SAMPLE");
        DB2CommandExport command = new DB2CommandExport();
        command.setColumnNameString("A,B");
        command.setLobPathString("/l1,/l2");
        command.setLobFileString("f1,f2");
        command.setActionString("SELECT * FROM STAFF");
        String call = handed(command, "db2Export");
        assertContains(call, "piDataDescriptor={dcolmeth='N' dcolnum=2 [\"A\",\"B\"]}",
                "piLobPathList={media_type='L' sessions=2 [\"/l1\",\"/l2\"]}",
                "piLobFileList={media_type='C' sessions=2 [\"f1\",\"f2\"]}",
                "piActionString=\"SELECT * FROM STAFF\"", "piMsgFileName=\"export_msgs.log\"",
                "piExportInfoIn={*piXmlSaveSchema=0}", "piXmlPathList={media_type='L' sessions=0");
        assertEquals("9000000", field(call, "versionNumber"));

        context.setDatabaseServerVersion("8.2");
        call = handed(new DB2CommandExport(), "db2Export");
        assertEquals("8010000", field(call, "versionNumber"));
        assertContains(call, "piDataDescriptor={dcolmeth='D' dcolnum=0 []}");
        assertFalse(call.contains("piExportInfoIn"), call);
    }

    static Stream<Arguments> loadCases() {
        return Stream.of(
                // A cursor's statement goes whole, its commas and all, in any case.
                Arguments.of("cursor", false, "SELECT A, B FROM T", "piSourceList={media_type='Q'"
                        + " sessions=1 length=18 statement=\"SELECT A, B FROM T\"}"),
                Arguments.of("DEL", true, "/d/a.del,/d/b.del",
                        "piSourceList={media_type='C' sessions=2 [\"/d/a.del\",\"/d/b.del\"]}"),
                Arguments.of("DEL", false, "/d/a.del", "piSourceList={media_type='S' sessions=1"));
    }

    @ParameterizedTest
    @MethodSource("loadCases")
    void loadSourceLists(String fileType, boolean client, String from, String expected)
            throws SQLException {
        connect("SAMPLE");
        DB2CommandLoad command = load(from, "INSERT INTO STAFF");
        command.setFileType(fileType);
        command.setClient(client);
        assertContains(handed(command, "db2Load"), expected, "piFileTypeMod=\"\"",
                "piLocalMsgFileName=\"load_msgs.log\"", "iHoldQuiesce=1", "iRestartphase=' '",
                "piPartLoadInfoIn=null", "piCopyTargetList=null");
    }

    @Test
    void loadCopyTargetTsmThenVendorThenLocal() throws SQLException {
        connect("SAMPLE");
        DB2CommandLoad command = load("/d/a.del", "INSERT INTO STAFF");
        command.setCopy(true);
        command.setNumSessions(3);
        command.setLoadLibName("/opt/vendor.so");
        command.setCopyTargetListString("/copy1,/copy2");
        command.setCopyUseLocal(true);
        assertContains(handed(command, "db2Load"),
                "piCopyTargetList={media_type='L' sessions=2 [\"/copy1\",\"/copy2\"]}");
        command.setCopyUseLoad(true);
        assertContains(handed(command, "db2Load"), "piCopyTargetList={media_type='O' sessions=3"
                + " shr_lib=\"/opt/vendor.so\" filename=\"\"}");
        command.setCopyUseTsm(true);
        assertContains(handed(command, "db2Load"), "piCopyTargetList={media_type='A' sessions=3}");
    }

    @Test
    void loadPartitionedOptionsOnlyWhenAskedAndNullCollectionsAreNoList() throws SQLException {
        connect("SAMPLE");
        List<String> read = new ArrayList<>();
        DB2CommandLoad command = new DB2CommandLoad() {
            @Override
            public String getPortRange() {
                read.add("getPortRange");
                return super.getPortRange();
            }
        };
        command.setFromListString("/d/a.del");
        handed(command, "db2Load");
        assertEquals(List.of(), read, "no partitioned getter without partition parameters");

        command.setPartitionParameters("yes");
        command.setPortRange("6000:6063");
        command.setPartitioningDBPartNums(Arrays.asList(1, 2));
        assertContains(handed(command, "db2Load"), "piOutputNodes=null",
                "piPartitioningNodes=[1,2]", "piPortRange=6000:6063", "*piMode=0");
        command.setPortRange("6000");
        assertContains(handed(command, "db2Load"), "piPortRange=6000:6000");
    }

    /** A command and the start of the refusal it must raise before any DB2 call. */
    static Stream<Arguments> refusals() {
        return Stream.of(
                Arguments.of((Supplier<DB2Command>) () -> {
                    DB2CommandImport c = new DB2CommandImport();
                    c.setNullIndicatorListString("1,12a");
                    return c;
                }, "null indicator list: \"12a\""),
                Arguments.of((Supplier<DB2Command>) () -> {
                    DB2CommandImport c = new DB2CommandImport();
                    c.setMethodPositions(true);
                    c.setColumnPositionString("3, -5");
                    return c;
                }, "column position list"),
                Arguments.of((Supplier<DB2Command>) () -> {
                    DB2CommandImport c = new DB2CommandImport();
                    c.setXmlValidate(true);
                    c.setXds(true);
                    c.setMapSchemaSqlidString("(a b)");
                    return c;
                }, "XML schema map list"),
                Arguments.of((Supplier<DB2Command>) () -> {
                    DB2CommandLoad c = load("/d/a.del", "INSERT INTO STAFF");
                    c.setPartitionParameters("yes");
                    c.setPortRange("6000:70000");
                    return c;
                }, "port range"),
                Arguments.of((Supplier<DB2Command>) () -> {
                    DB2CommandLoad c = load("/d/a.del", "INSERT INTO STAFF");
                    c.setPartitionParameters("yes");
                    c.setOutputDBPartNums(Arrays.asList(1, null));
                    return c;
                }, "output partition list"),
                Arguments.of((Supplier<DB2Command>) () -> {
                    DB2CommandLoad c = load("/d/a.del", "INSERT INTO STAFF");
                    c.setCpuParallelism(70000);
                    return c;
                }, "getCpuParallelism gave 70000"),
                Arguments.of((Supplier<DB2Command>) () -> {
                    DB2CommandExport c = new DB2CommandExport();
                    c.setLobPathString("/" + "x".repeat(300));
                    return c;
                }, "LOB path list longer than 215"));
    }

    @ParameterizedTest
    @MethodSource("refusals")
    void malformedParametersStopBeforeDb2(Supplier<DB2Command> command, String refusal)
            throws SQLException {
        connect("SAMPLE");
        String message = failure(command.get());
        assertTrue(message.contains(refusal), message);
        assertEquals(List.of(), utilityCalls());
    }

    static List<String> utilityCalls() {
        return Stream.of("db2Import", "db2Export", "db2Load", "db2LoadQuery")
                .flatMap(entry -> journal(entry).stream()).toList();
    }

    @Test
    void aFailedGetterStopsTheLoadBeforeDb2() throws SQLException {
        connect("SAMPLE");
        DB2CommandLoad command = new DB2CommandLoad() {
            @Override
            public String getActionString() {
                throw new IllegalStateException("no action today");
            }
        };
        command.setFromListString("/d/a.del");
        IllegalStateException thrown =
                assertThrows(IllegalStateException.class, () -> run(command));
        assertEquals("no action today", thrown.getMessage(), "Java's own exception, as it was");
        assertEquals(List.of(), utilityCalls());
    }

    @Test
    void connectionRequirements() throws SQLException {
        assertEquals("This command requires a database connection!",
                failure(new DB2CommandImport()));
        assertEquals("This command requires a database connection!",
                failure(new DB2CommandExport()));
        assertEquals("This command requires a database or instance connection!",
                failure(load("/d/a.del", "INSERT INTO STAFF")));
        assertEquals("Error: This command requires database connection!",
                failure(new DB2CommandLoadQuery()));
        assertEquals(List.of(), utilityCalls());
        // Load alone also runs on an instance attachment.
        attach();
        handed(load("/d/a.del", "INSERT INTO STAFF"), "db2Load");
    }

    /** SAMPLE's STAFF, in the instance owner's schema. */
    static String staff() {
        return instanceName().toUpperCase() + ".STAFF";
    }

    DB2CommandExport exportStaff(Path file) {
        DB2CommandExport command = new DB2CommandExport();
        command.setFilename(file.toString());
        command.setFiletype("DEL");
        command.setMessageFile(dir.resolve("export.msg").toString());
        command.setActionString("SELECT * FROM " + staff());
        return command;
    }

    DB2CommandLoadQuery loadQuery() {
        DB2CommandLoadQuery query = new DB2CommandLoadQuery();
        query.setTableName(staff());
        return query;
    }

    @Test
    void exportImportLoadRoundTripAndLoadQuery() throws Exception {
        connect("SAMPLE");
        Path first = dir.resolve("staff.del");
        assertTrue(run(exportStaff(first)));
        List<String> rows = Files.readAllLines(first);
        assertEquals(35, rows.size(), "the sample STAFF table");

        DB2CommandImport replace = new DB2CommandImport();
        replace.setFilename(first.toString());
        replace.setFiletype("DEL");
        replace.setActionString("REPLACE INTO " + staff());
        replace.setMessageFile(dir.resolve("import.msg").toString());
        assertTrue(run(replace));
        Path second = dir.resolve("again.del");
        assertTrue(run(exportStaff(second)));
        assertEquals(rows, Files.readAllLines(second), "the table came back as it went");

        DB2CommandLoad load = load(first.toString(), "REPLACE INTO " + staff());
        load.setLocalMsgFileName(dir.resolve("load.msg").toString());
        assertTrue(run(load));
        assertTrue(run(loadQuery()));
        assertEquals(List.of("Table State", "Which Phase", "Rows Read", "Rows Skipped",
                "Rows Committed", "Rows Loaded", "Rows Rejected", "Rows Deleted", "Current Index",
                "Num Total Indexes", "Current MPP Node", "Load Restarted", "Warning Count"),
                box.getColumnNames());
        assertEquals(1, box.getRowCount());
        assertEquals("35", box.getValue(0, "Rows Loaded"));
        assertEquals("35", box.getValue(0, "Rows Read"));
    }

    @Test
    void loadQueryWritesItsRowWithAWarningAndNoneOnAnError() throws SQLException {
        connect("SAMPLE");
        Db2Sim.injectWarning("db2LoadQuery", 3107, "", 1);
        assertTrue(run(loadQuery()));
        assertEquals(1, box.getRowCount());
        assertEquals("Normal", box.getValue(0, "Table State"));
        List<String> warnings = context.takeWarningMessages();
        assertTrue(warnings.size() == 1 && warnings.get(0).startsWith("SQL3107W"),
                warnings.toString());
        Db2Sim.injectError("db2LoadQuery", -3304, "", 1);
        assertTrue(failure(loadQuery()).startsWith("SQL3304N"));
        assertEquals(0, box.getRowCount());
    }

    @Test
    void loadQueryFailsWhenItsColumnsCannotBeAdded() throws SQLException {
        connect("SAMPLE");
        box = new DB2APIDataContainer() {
            @Override
            public void addColumn(String name) {
                throw new IllegalStateException("no columns here");
            }
        };
        oneBoxPerRun = false;
        IllegalStateException thrown =
                assertThrows(IllegalStateException.class, () -> run(loadQuery()));
        assertEquals("no columns here", thrown.getMessage());
    }
}
