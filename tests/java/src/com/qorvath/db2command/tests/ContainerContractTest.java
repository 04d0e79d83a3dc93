package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandCatalogDCSDB;
import com.qorvath.db2command.DB2CommandGetDBMCfg;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandListDCSDirectory;
import com.qorvath.db2command.DB2CommandListNodeDirectory;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandUnCatalogDCSDB;
import com.qorvath.db2command.DB2CommandUnCatalogDatabase;
import com.qorvath.db2command.DB2CommandUnCatalogNode;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2sim.Db2Sim;
import java.io.File;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.sql.SQLException;
import java.util.List;
import java.util.concurrent.TimeUnit;
import java.util.function.Supplier;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

/**
 * The result container from the outside: an application's own container, with only the
 * contract's three methods, gets the same rows, refusals and failures from every listing as our
 * container does (the library finds no block method there and makes the calls one by one); and a
 * listing whose rows are its result ends at the first Java failure and lets it reach the caller.
 */
class ContainerContractTest extends Session {
    private static final List<String> DATABASES = List.of("CCDB1", "CCDB2", "CCDB3", "CCDB4");

    @BeforeEach
    void catalogEntries() throws Exception {
        begin();
        for (String db : DATABASES) {
            assertTrue(run(DirectoryDatabaseTest.catalog(db, db, "CCNODE", null)));
        }
        assertTrue(run(DirectoryNodeTest.tcpip("CCNODE", "h\u00f6st.example", "50000")));
        DB2CommandCatalogDCSDB dcs = new DB2CommandCatalogDCSDB("CCDB1", "TARGET");
        dcs.setComment("caf\u00e9 \uD83D\uDE00");
        assertTrue(run(dcs));
    }

    @AfterEach
    void uncatalogEntries() throws Exception {
        Db2Sim.clearFaults();
        context = new DB2CommandRuntimeContext();
        DB2CommandUnCatalogNode node = new DB2CommandUnCatalogNode();
        node.setNodeName("CCNODE");
        run(node);
        run(new DB2CommandUnCatalogDCSDB("CCDB1"));
        for (String db : DATABASES) {
            run(new DB2CommandUnCatalogDatabase(db));
        }
        endAll();
        assertEquals(0, Db2Sim.openScans(), "scans");
    }

    @Test
    void aContractOnlyContainerGetsTheSameListingsAsOurs() throws Exception {
        String ours = ContainerContractMain.listAll();
        assertTrue(ours.contains("CCDB4") && ours.contains("TARGET")
                        && ours.contains("Directory -> java.lang.IllegalStateException: row 4"),
                ours);
        assertEquals("container methods: 3\n" + ours, withContractContainer());
    }

    @Test
    void aCommandRunFromInsideTheContainerLooksUpItsOwn() throws Exception {
        List<List<String>> alone = listDatabases(new DB2APIDataContainer());
        DB2APIDataContainer inner = new DB2APIDataContainer();
        DB2APIDataContainer outer = new DB2APIDataContainer() {
            @Override
            public synchronized void newRow() {
                super.newRow();
                if (getRowCount() == 2) {
                    try {
                        TarvinexUtil.executeDB2Command(
                                new DB2CommandGetDBMCfg(), new DB2CommandRuntimeContext(), inner);
                    } catch (SQLException e) {
                        throw new IllegalStateException(e);
                    }
                }
            }
        };
        assertEquals(alone, listDatabases(outer));
        assertEquals("NAME", inner.getColumnName(1));
        assertTrue(inner.getRowCount() > 10, inner.toString());
    }

    private List<List<String>> listDatabases(DB2APIDataContainer into) throws Exception {
        box = into;
        assertTrue(run(new DB2CommandListDBDirectory()));
        return box.getRows();
    }

    static Stream<Arguments> listings() {
        Supplier<DB2Command> db = DB2CommandListDBDirectory::new;
        Supplier<DB2Command> node = DB2CommandListNodeDirectory::new;
        Supplier<DB2Command> dcs = DB2CommandListDCSDirectory::new;
        Supplier<DB2Command> dbm = DB2CommandGetDBMCfg::new;
        return Stream.of(Arguments.of("sqledgne_api", db), Arguments.of("sqlengne_api", node),
                Arguments.of("sqlegdgt_api", dcs), Arguments.of("db2CfgGet", dbm));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("listings")
    void aJavaFailureEndsTheListingAndReachesTheCaller(String entry, Supplier<DB2Command> listing)
            throws Exception {
        context = new DB2CommandRuntimeContext() {
            @Override
            public void setWarningMessage(String message) {
                throw new IllegalStateException("warning refused");
            }
        };
        Db2Sim.clearJournal();
        Db2Sim.injectWarning(entry, 445, "", 1);
        assertEquals("warning refused",
                assertThrows(IllegalStateException.class, () -> run(listing.get())).getMessage());
        assertEquals(1, journal(entry).size(), "no DB2 call after the warning was refused");
        assertEquals(0, box.getRowCount());

        box = new DB2APIDataContainer() {
            @Override
            public synchronized void addColumn(String name) {
                throw new IllegalStateException("column refused");
            }
        };
        assertEquals("column refused",
                assertThrows(IllegalStateException.class, () -> run(listing.get())).getMessage());
    }

    /** The listings' print from a JVM whose class path starts with the contract container. */
    private static String withContractContainer() throws Exception {
        Path out = Files.createTempFile("contract", ".out");
        Path err = Files.createTempFile("contract", ".err");
        ProcessBuilder builder = new ProcessBuilder(
                Paths.get(System.getProperty("java.home"), "bin", "java").toString(),
                "-Xcheck:jni", "-Djava.library.path=" + System.getProperty("java.library.path"),
                "-cp", String.join(File.pathSeparator, System.getProperty("tarvinex.contractjar"),
                        location(ContainerContractMain.class),
                        location(com.qorvath.db2command.DB2Command.class)),
                ContainerContractMain.class.getName());
        Process child = builder.redirectOutput(out.toFile()).redirectError(err.toFile()).start();
        assertTrue(child.waitFor(300, TimeUnit.SECONDS), "child JVM did not finish");
        // Passed on, so that the run's check for JNI and sanitizer complaints sees the child's.
        System.out.print(Files.readString(err));
        String printed = Files.readString(out);
        assertEquals(0, child.exitValue(), printed);
        return printed;
    }

    private static String location(Class<?> type) throws Exception {
        return Paths.get(type.getProtectionDomain().getCodeSource().getLocation().toURI())
                .toString();
    }
}
