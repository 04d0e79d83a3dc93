package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandCatalogDatabase;
import com.qorvath.db2command.DB2CommandCatalogDatabase.EnumAuthenticationType;
import com.qorvath.db2command.DB2CommandCreateDatabase;
import com.qorvath.db2command.DB2CommandDropDatabase;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandUnCatalogDatabase;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2sim.Db2Sim;
import java.io.File;
import java.nio.file.Files;
import java.nio.file.Path;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Nested;
import org.junit.jupiter.api.Test;

/** CATALOG, UNCATALOG and LIST of the system database directory on the stand-in. */
class DirectoryDatabaseTest extends Session {
    static final List<String> COLUMNS = List.of("alias name", "database name", "node name",
            "release level", "comment", "entry type", "catalog node name");

    @BeforeEach
    void fresh() {
        begin();
        // The directory lives in the state folder: earlier tests' entries are still there.
        try {
            for (List<String> row : rows()) {
                if (!row.get(5).equals("HOME")) {
                    assertTrue(run(new DB2CommandUnCatalogDatabase(row.get(0))));
                }
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
    }

    static DB2CommandCatalogDatabase catalog(String db, String alias, String node, String path) {
        DB2CommandCatalogDatabase c = new DB2CommandCatalogDatabase(db, alias);
        c.setNodeName(node);
        c.setPath(path);
        return c;
    }

    List<List<String>> rows() throws SQLException {
        box = new DB2APIDataContainer();
        assertTrue(run(new DB2CommandListDBDirectory()));
        assertEquals(COLUMNS, box.getColumnNames());
        return box.getRows();
    }

    /** Lists into a fresh container and returns the row of the alias, or null. */
    List<String> listed(String alias) throws SQLException {
        for (List<String> row : rows()) {
            if (row.get(0).equals(alias)) {
                return row;
            }
        }
        return null;
    }

    @Nested
    class Catalog {
        @Test
        void nodeWithoutPathIsRemoteOtherwiseIndirect() throws SQLException {
            assertTrue(run(catalog("REMDB", "REM1", "NODE1", null)));
            assertTrue(run(catalog("BOTHDB", "BOTH1", "NODE1", "/data/both")));
            assertTrue(run(catalog("NONEDB", "NONE1", null, null)));

            List<String> remote = listed("REM1");
            assertEquals(List.of("REM1", "REMDB", "NODE1"), remote.subList(0, 3));
            assertEquals(List.of("", "REMOTE", "-1"), remote.subList(4, 7));
            assertEquals("INDIRECT", listed("BOTH1").get(5));
            assertEquals("/data/both", listed("BOTH1").get(2), "an indirect entry lists its path");
            assertEquals("INDIRECT", listed("NONE1").get(5));
        }

        @Test
        void emptyTextsTravelAsNullPointersButTheDatabaseNameAsText() throws SQLException {
            Db2Sim.clearJournal();
            // DB2 refuses the empty name; what matters is what it was handed.
            failure(catalog("", null, "", ""));
            String call = Db2Sim.journal("sqlecadb_api")[0];
            assertTrue(call.contains("=\"\""), call);
            assertEquals(5, call.split("=null", -1).length - 1, call);
        }

        @Test
        void authenticationCodeIsPassedUnchangedAndNullIsServer() throws SQLException {
            Db2Sim.clearJournal();
            DB2CommandCatalogDatabase withKerberos = catalog("AUTHDB", "AUTH1", null, null);
            withKerberos.setAuthenticationType(EnumAuthenticationType.KERBEROS);
            assertTrue(run(withKerberos));
            assertTrue(run(catalog("AUTHDB", "AUTH2", null, null)));
            String[] calls = Db2Sim.journal("sqlecadb_api");
            assertTrue(calls[0].contains("=7"), calls[0]);
            assertTrue(calls[1].contains("=0"), calls[1]);
        }

        @Test
        void existingAliasAndMissingAliasAreDb2Errors() throws SQLException {
            assertTrue(run(catalog("DUPDB", "DUP1", null, null)));
            assertTrue(failure(catalog("OTHER", "DUP1", null, null)).contains("SQL1005N"));
            assertTrue(run(new DB2CommandUnCatalogDatabase("DUP1")));
            assertNull(listed("DUP1"));
            String missing = failure(new DB2CommandUnCatalogDatabase("DUP1"));
            assertTrue(missing.contains("SQL1013N") && missing.contains("42705"), missing);
        }
    }

    @Nested
    class Listing {
        @Test
        void freshInstanceListsItsHomeDatabaseUnderTheInstanceName() throws SQLException {
            List<String> sample = listed("SAMPLE");
            assertEquals("SAMPLE", sample.get(1));
            String instance = instanceName();
            assertTrue(instance.substring(0, Math.min(8, instance.length()))
                    .equalsIgnoreCase(sample.get(2)), sample.get(2));
            assertEquals("HOME", sample.get(5));
        }

        /** The level of a home entry is its database's release, of a catalogued one the client's. */
        @Test
        void releaseLevelIsEachEntrysOwn() throws SQLException {
            attach();
            Db2Sim.setProductSignature("SQL08020");
            try {
                assertTrue(run(new DB2CommandCreateDatabase("OLDDB")));
                Db2Sim.setProductSignature("SQL10050");
                assertTrue(run(catalog("NEWDB", "NEWAL", "NODE1", null)));
                assertEquals("a.00", listed("OLDDB").get(3), "made at 8.2");
                assertEquals("10.00", listed("NEWAL").get(3), "catalogued by 10.5");
            } finally {
                run(new DB2CommandDropDatabase("OLDDB"));
            }
        }

        @Test
        void failedInstanceQueryListsAnEmptyNodeName() throws SQLException {
            Db2Sim.injectError("sqlegins_api", -1092, "X", 0);
            assertEquals("", listed("SAMPLE").get(2));
            assertEquals(null, context.getWarningMessage(), "the query's outcome is not reported");
        }

        @Test
        void fullWidthFieldsAreReadAtTheirWidthAndTrailingBlanksDropped() throws SQLException {
            String path = "/" + "p".repeat(214);
            String comment = "c".repeat(30);
            DB2CommandCatalogDatabase full = catalog("FULLDB01", "FULLAL01", null, path);
            full.setComment(comment);
            assertTrue(run(full));
            DB2CommandCatalogDatabase blanks = catalog("BLANKDB", "BLANK1", "NODE1", null);
            blanks.setComment("two words   ");
            assertTrue(run(blanks));

            List<String> row = listed("FULLAL01");
            assertEquals("FULLDB01", row.get(1));
            assertEquals(path, row.get(2));
            assertEquals(comment, row.get(4));
            assertEquals("two words", listed("BLANK1").get(4));
        }

        @Test
        void scanEndingBeforeTheAnnouncedCountGivesFalseWithoutException()
                throws SQLException {
            assertTrue(run(catalog("SECOND", "SECOND", null, null)));
            // Two entries announced; the first fetch already says the scan has ended.
            Db2Sim.injectWarning("sqledgne_api", 1014, "", 0);
            assertFalse(run(new DB2CommandListDBDirectory()));
            assertEquals(COLUMNS, box.getColumnNames());
            assertEquals(0, box.getRowCount());
        }

        @Test
        void aFailedFetchRaisesTheDb2TextAndAMissingEntryPointSaysSo() {
            Db2Sim.injectError("sqledgne_api", -1092, "LISTER", 0);
            assertTrue(failure(new DB2CommandListDBDirectory()).contains("SQL1092N"));
            Db2Sim.clearFaults();
            Db2Sim.injectMissing("sqledosd_api", 0);
            assertEquals("Call DB2 API fail, no such function",
                    failure(new DB2CommandListDBDirectory()));
        }

        @Test
        void manyEntriesAreAllListed() throws SQLException {
            int before = rows().size();
            Db2Sim.fillDatabaseDirectory(2000);
            List<List<String>> after = rows();
            assertEquals(before + 2000, after.size());
            assertEquals("D0002000", after.get(after.size() - 1).get(0));
        }

        @Test
        void listingsFromManyThreadsAtOnceAgree() throws Exception {
            Db2Sim.fillDatabaseDirectory(2000);
            List<List<String>> expected = rows();
            // At most eight scans may be open at once, as in DB2: eight threads.
            ExecutorService pool = Executors.newFixedThreadPool(8);
            try {
                List<Future<Integer>> results = new ArrayList<>();
                for (int t = 0; t < 8; t++) {
                    results.add(pool.submit(() -> {
                        int same = 0;
                        for (int i = 0; i < 10; i++) {
                            DB2APIDataContainer mine = new DB2APIDataContainer();
                            TarvinexUtil.executeDB2Command(new DB2CommandListDBDirectory(),
                                    new DB2CommandRuntimeContext(), mine);
                            if (mine.getRows().equals(expected)) {
                                same++;
                            }
                        }
                        return same;
                    }));
                }
                for (Future<Integer> result : results) {
                    assertEquals(10, result.get());
                }
            } finally {
                pool.shutdown();
            }
            assertEquals(0, Db2Sim.liveContexts());
        }

        @Test
        void rowsListedBeforeAFetchFailsStayInTheContainer() throws SQLException {
            Db2Sim.fillDatabaseDirectory(2000);
            List<List<String>> all = rows();
            // The first rows reach Java while the scan is still open: make the next fetch fail.
            box = new DB2APIDataContainer() {
                @Override
                public synchronized void newRow() {
                    if (getRowCount() == 0) {
                        Db2Sim.injectError("sqledgne_api", -1092, "LISTER", 1);
                    }
                    super.newRow();
                }
            };
            SQLException failed = assertThrows(SQLException.class,
                    () -> TarvinexUtil.executeDB2Command(new DB2CommandListDBDirectory(), context,
                            box));
            assertTrue(failed.getMessage().contains("SQL1092N"), failed.getMessage());
            int kept = box.getRowCount();
            assertTrue(kept > 0 && kept < all.size(), "rows kept: " + kept);
            assertEquals(all.subList(0, kept), box.getRows());
        }

        @Test
        void aContainerRefusingARowEndsTheListingWithItsOwnException() throws SQLException {
            Db2Sim.fillDatabaseDirectory(2000);
            List<List<String>> all = rows();
            int[] cells = {0};
            box = new DB2APIDataContainer() {
                @Override
                public synchronized void newRow() {
                    if (getRowCount() == 1500) {
                        throw new IllegalStateException("full");
                    }
                    super.newRow();
                }

                @Override
                public synchronized void setColumnValue(int column, String value) {
                    cells[0]++;
                    super.setColumnValue(column, value);
                }
            };
            IllegalStateException refused = assertThrows(IllegalStateException.class,
                    () -> TarvinexUtil.executeDB2Command(new DB2CommandListDBDirectory(), context,
                            box));
            assertEquals("full", refused.getMessage());
            assertEquals(all.subList(0, 1500), box.getRows());
            assertEquals(1500 * 7, cells[0], "no call after the refusal");
            assertEquals(0, Db2Sim.liveContexts());
        }
    }

    @Test
    void aCatalogMadeInOneProcessIsListedByTheNext() throws Exception {
        assertTrue(run(catalog("PERSIST", "PERSIST1", "NODE9", null)));
        Path dir = Files.createTempDirectory("directory");
        Path out = dir.resolve("out.txt");
        Process child = new ProcessBuilder(
                        Path.of(System.getProperty("java.home"), "bin", "java").toString(),
                        "-Xcheck:jni",
                        "-Djava.library.path=" + System.getProperty("java.library.path"),
                        "-cp", classPath(), ChildLister.class.getName())
                .redirectErrorStream(true)
                .redirectOutput(out.toFile())
                .start();
        assertTrue(child.waitFor(120, TimeUnit.SECONDS), "child JVM did not finish");
        String output = Files.readString(out);
        assertEquals(0, child.exitValue(), output);
        assertTrue(output.lines().anyMatch(line -> line.startsWith("PERSIST1|PERSIST|NODE9|")
                && line.endsWith("||REMOTE|-1")), output);
        assertFalse(output.contains("WARNING"), output);
    }

    static String classPath() throws Exception {
        return String.join(File.pathSeparator, location(ChildLister.class),
                location(TarvinexUtil.class));
    }

    static String location(Class<?> type) throws Exception {
        return Path.of(type.getProtectionDomain().getCodeSource().getLocation().toURI()).toString();
    }

    /** Run in a child JVM with the same state folder: prints the database directory. */
    public static final class ChildLister {
        private ChildLister() {}

        public static void main(String[] args) throws SQLException {
            DB2APIDataContainer rows = new DB2APIDataContainer();
            TarvinexUtil.executeDB2Command(
                    new DB2CommandListDBDirectory(), new DB2CommandRuntimeContext(), rows);
            for (List<String> row : rows.getRows()) {
                System.out.println(String.join("|", row));
            }
        }
    }
}
