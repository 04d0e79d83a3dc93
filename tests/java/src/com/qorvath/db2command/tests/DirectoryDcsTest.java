package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandCatalogDCSDB;
import com.qorvath.db2command.DB2CommandListDCSDirectory;
import com.qorvath.db2command.DB2CommandUnCatalogDCSDB;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.List;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** CATALOG DCS, UNCATALOG DCS and LIST DCS DIRECTORY on the stand-in. */
class DirectoryDcsTest extends Session {
    static final List<String> COLUMNS = List.of("Local database name", "Target database name",
            "Application requestor name", "DCS parameters", "Comment",
            "DCS directory release level");

    @BeforeEach
    void fresh() {
        begin();
        // The directory lives in the state folder: earlier tests' entries are still there.
        try {
            for (List<String> row : listing()) {
                assertTrue(run(new DB2CommandUnCatalogDCSDB(row.get(0))));
            }
        } catch (SQLException e) {
            throw new AssertionError(e);
        }
        box = new DB2APIDataContainer();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
        assertEquals(0, Db2Sim.openScans(), "scans");
        assertEquals(0, Db2Sim.memoryHandedOut(), "memory");
    }

    List<List<String>> listing() throws SQLException {
        box = new DB2APIDataContainer();
        assertTrue(run(new DB2CommandListDCSDirectory()));
        return box.getRows();
    }

    static DB2CommandCatalogDCSDB entry(String db, String target, String lib, String params,
            String comment) {
        DB2CommandCatalogDCSDB c = new DB2CommandCatalogDCSDB(db, target);
        c.setLibName(lib);
        c.setParams(params);
        c.setComment(comment);
        return c;
    }

    @Test
    void anEmptyDirectoryGivesNoColumnsAndEntriesAreListedInSixColumns() throws SQLException {
        assertTrue(run(new DB2CommandListDCSDirectory()));
        assertEquals(0, box.getColumnCount());
        assertEquals(0, box.getRowCount());
        assertTrue(run(entry("HOSTDB", "DSNDB01", "", "", "payroll")));
        assertTrue(run(entry("HOSTDB2", "DSNDB02", "libdrda", ",,,,LOCALDATE", "")));
        List<List<String>> rows = listing();
        assertEquals(COLUMNS, box.getColumnNames());
        assertEquals(2, rows.size());
        assertEquals(List.of("HOSTDB", "DSNDB01", "", "", "payroll"), rows.get(0).subList(0, 5));
        assertEquals(List.of("HOSTDB2", "DSNDB02", "libdrda", ",,,,LOCALDATE", ""),
                rows.get(1).subList(0, 5));
        assertTrue(rows.get(0).get(5).matches("[0-9]+"), rows.get(0).get(5));
    }

    @Test
    void overLongTextsAreCutToTheirFieldsAndFullWidthsSurvive() throws SQLException {
        String target = "T".repeat(18);
        String lib = "L".repeat(32);
        String params = "p".repeat(512);
        String comment = "c".repeat(30);
        assertTrue(run(entry("FULLNAME", target + "XYZ", lib, params + "tail", comment)));
        assertEquals(List.of("FULLNAME", target, lib, params, comment),
                listing().get(0).subList(0, 5));
    }

    @Test
    void catalogEntryCarriesItsIdentifierAndZeroReleaseAndCodepage() throws SQLException {
        Db2Sim.clearJournal();
        assertTrue(run(entry("IDDB", "TARGET", "", "", "")));
        String call = Db2Sim.journal("sqlegdad_api")[0];
        assertTrue(call.contains("256"), call);
    }

    @Test
    void uncatalogRemovesOnlyThatEntryAndRefusesMissingOrOverLongNames() throws SQLException {
        assertTrue(run(entry("KEEP", "T1", "", "", "")));
        assertTrue(run(entry("DROP", "T2", "", "", "")));
        assertTrue(run(new DB2CommandUnCatalogDCSDB("DROP")));
        assertEquals(List.of("KEEP"), listing().stream().map(r -> r.get(0)).toList());
        assertTrue(failure(new DB2CommandUnCatalogDCSDB("DROP")).contains("SQL1316N"));
        assertTrue(run(entry("ABCDEFGH", "T1", "", "", "")));
        Db2Sim.clearJournal();
        String message = failure(new DB2CommandUnCatalogDCSDB("ABCDEFGHX"));
        assertTrue(message.contains("ABCDEFGHX"), message);
        assertTrue(run(entry("SAMPLE", "T2", "", "", "")));
        Db2Sim.clearJournal();
        // Eight characters for Java, "SAMPLE" for DB2.
        assertEquals("getDbName" + HOLDS_NUL, failure(new DB2CommandUnCatalogDCSDB("SAMPLE\0x")));
        assertEquals(0, Db2Sim.journal("sqlegdel_api").length);
        assertEquals(3, listing().size(), "the entries are all still there");
    }

    @Test
    void fetchEndingEarlyIsFalseAndFailuresRaiseTheDb2Text() throws SQLException {
        assertTrue(run(entry("ONE", "T1", "", "", "")));
        Db2Sim.injectWarning("sqlegdgt_api", 1014, "", 0);
        assertFalse(run(new DB2CommandListDCSDirectory()));
        assertEquals(COLUMNS, box.getColumnNames());
        assertEquals(0, box.getRowCount());
        Db2Sim.clearFaults();
        Db2Sim.injectError("sqlegdgt_api", -1092, "X", 0);
        assertTrue(failure(new DB2CommandListDCSDirectory()).contains("SQL1092N"));
        Db2Sim.clearJournal();
        Db2Sim.injectMissing("sqlegdsc_api", 0);
        assertEquals("Call DB2 API fail, no such function",
                failure(new DB2CommandListDCSDirectory()));
        assertEquals(0, Db2Sim.journal("sqlegdcl_api").length, "no scan was opened to close");
    }
}
