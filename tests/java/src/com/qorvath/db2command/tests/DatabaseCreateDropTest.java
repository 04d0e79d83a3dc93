package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandCreateDatabase;
import com.qorvath.db2command.DB2CommandCreateDatabase.ContainerDefinition;
import com.qorvath.db2command.DB2CommandCreateDatabase.EnumCollate;
import com.qorvath.db2command.DB2CommandCreateDatabase.EnumContainerType;
import com.qorvath.db2command.DB2CommandCreateDatabase.EnumTablespaceType;
import com.qorvath.db2command.DB2CommandCreateDatabase.TablespaceDefinition;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandDropDatabase;
import com.qorvath.db2sim.Db2Sim;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** CREATE DATABASE and DROP DATABASE on the stand-in, read back through its journal and state. */
class DatabaseCreateDropTest extends Session {
    @BeforeEach
    void attached() throws SQLException {
        oneBoxPerRun = true;
        begin();
        attach();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    /** Runs a create that may fail on the stand-in's checks; only what DB2 was handed matters. */
    String handed(DB2CommandCreateDatabase create) {
        return handed(create, "sqlecrea_api");
    }

    /** Creates a database, dropping one of that name first. */
    void createFresh(DB2CommandCreateDatabase create) throws SQLException {
        try {
            run(new DB2CommandDropDatabase(create.getDbName()));
        } catch (SQLException e) {
            // not there yet
        }
        Db2Sim.clearJournal();
        assertTrue(run(create));
    }

    /** The stand-in's record of a database's table spaces: name, type, container type, pages,
            name. */
    static List<List<String>> tablespaces(String db) throws IOException {
        try (Stream<Path> files = Files.walk(Paths.get(Db2Sim.home()))) {
            Path file = files.filter(p -> p.getFileName().toString().equals(db)
                                    && p.getParent().getFileName().toString().equals("tablespaces"))
                                .findFirst()
                                .orElseThrow();
            List<List<String>> rows = new ArrayList<>();
            for (String line : Files.readAllLines(file)) {
                rows.add(List.of(line.split("\t", -1)));
            }
            return rows;
        }
    }

    static List<List<String>> containersOf(List<List<String>> rows, String tablespace) {
        return rows.stream()
                .filter(r -> r.get(0).equals(tablespace) && !r.get(2).isEmpty())
                .map(r -> r.subList(1, 5))
                .collect(Collectors.toList());
    }

    @Test
    void nullParametersGiveTheFixedDefaultsAndTextsAreCutToTheirFields() {
        String call = handed(new DB2CommandCreateDatabase("DEFDB"));
        assertEquals("\"sqldbdid='SQLDBD02',sqldbccp=0,sqldbcss=-2,sqldbudc=zero,sqldbcmt='',"
                        + "sqldbsgp=0,sqldbnsg=1,sqltsext=-1\"",
                field(call, "descriptor"));
        for (String ts : List.of("sqlcatts", "sqlusrts", "sqltmpts")) {
            assertEquals("\"null\"", field(call, ts), ts);
        }
        assertEquals("\"sqldbcodeset='',sqldblocale=''\"", field(call, "territory"));
        assertEquals("\"DEFDB\"", field(call, "pDbName"));
        assertEquals("\"\"", field(call, "pLocalDbAlias"),
                "empty texts are passed as they are");
        assertEquals("\"\"", field(call, "pPath"));

        DB2CommandCreateDatabase create = new DB2CommandCreateDatabase("CUTDB");
        create.setComment("C".repeat(45));
        create.setCodeset("S".repeat(25));
        create.setLocale("L".repeat(40));
        create.setCollate(EnumCollate.UCA400_LTH);
        create.setNumSegs(4);
        create.setDefaultExtentSize(16);
        call = handed(create);
        String descriptor = field(call, "descriptor");
        assertTrue(descriptor.contains("sqldbcmt='" + "C".repeat(30) + "'"), descriptor);
        assertTrue(descriptor.contains("sqldbcss=-24,"), descriptor);
        assertTrue(descriptor.contains("sqldbnsg=4,sqltsext=16"), descriptor);
        assertEquals("\"sqldbcodeset='" + "S".repeat(17) + "',sqldblocale='" + "L".repeat(33)
                        + "'\"",
                field(call, "territory"));
    }

    @Test
    void tablespacesOfEachKindReachTheCreatedDatabase() throws Exception {
        String longName = "/" + "n".repeat(299);
        TablespaceDefinition user = new TablespaceDefinition(EnumTablespaceType.SYSTEM_MANAGED)
                .addContainer(new ContainerDefinition("/data/u1", 500, EnumContainerType.FILE))
                .addContainer(new ContainerDefinition("/data/u2", 9, EnumContainerType.DEVICE))
                .addContainer(new ContainerDefinition(longName));
        user.setExtentSize(8);
        user.setPrefetchSize(32);
        user.setIoOverhead(7.5);
        user.setTransferRate(0.25);
        DB2CommandCreateDatabase create = new DB2CommandCreateDatabase("TSDB");
        create.setUserTablespaceDefinition(user);
        create.setTempTablespaceDefinition(new TablespaceDefinition(
                EnumTablespaceType.DATABASE_MANAGED)
                .addContainer(new ContainerDefinition("/data/f", 100, EnumContainerType.FILE))
                .addContainer(new ContainerDefinition("/dev/d", 200, EnumContainerType.DEVICE))
                .addContainer(new ContainerDefinition("/data/p", 300, EnumContainerType.PATH))
                .addContainer(new ContainerDefinition("/data/n", null, null)));
        create.setCatalogTablespaceDefinition(
                new TablespaceDefinition(EnumTablespaceType.AUTOMATIC_STORAGE));
        createFresh(create);

        String call = Db2Sim.journal("sqlecrea_api")[0];
        assertTrue(field(call, "sqlusrts").startsWith("\"sqltsdid='SQLTS001',sqlextnt=8,"
                + "sqlprftc=32,sqlpovhd=7.500000,sqltrfrt=0.250000,sqltstyp=S,sqlccnt=3;"), call);
        assertTrue(field(call, "sqlcatts").endsWith("sqltstyp=A,sqlccnt=0\""), call);
        List<List<String>> rows = tablespaces("TSDB");
        assertEquals(List.of(List.of("S", "P", "0", "/data/u1"), List.of("S", "P", "0", "/data/u2"),
                List.of("S", "P", "0", longName.substring(0, 255))),
                containersOf(rows, "USERSPACE1"), "system managed: paths of size 0, cut to 255");
        assertEquals(List.of(List.of("D", "F", "100", "/data/f"), List.of("D", "D", "200", "/dev/d"),
                List.of("D", "P", "300", "/data/p"), List.of("D", "F", "0", "/data/n")),
                containersOf(rows, "TEMPSPACE1"), "database managed: type and size kept");
        assertTrue(containersOf(rows, "SYSCATSPACE").isEmpty(), "automatic: a header alone");
        assertTrue(run(new DB2CommandDropDatabase("TSDB")));
    }

    @Test
    void refusalsBeforeDb2IsCalled() throws SQLException {
        TablespaceDefinition broken = new TablespaceDefinition();
        broken.setContainers(null);
        DB2CommandCreateDatabase create = new DB2CommandCreateDatabase("NOCDB");
        create.setUserTablespaceDefinition(broken);
        assertFalse(failure(create).isBlank(), "a null container collection");
        assertTrue(run(new DB2CommandDetach()));
        assertEquals("Error: This command requires instance connection!",
                failure(new DB2CommandCreateDatabase("NOATTDB")));
        assertEquals("Error: This command requires instance connection!",
                failure(new DB2CommandDropDatabase("NOATTDB")));
        attach();
        assertTrue(run(new DB2CommandConnect("SAMPLE", "", "")));
        assertEquals("SQL1047N  The application is already connected to another database.",
                failure(new DB2CommandCreateDatabase("CONNDB")));
        assertEquals(0, Db2Sim.journal("sqlecrea_api").length);
        assertEquals(0, Db2Sim.journal("sqledrpd_api").length);
    }

    /** 65537 in the 16-bit field would be 1 segment; DB2 reads an alias up to its first NUL. */
    @Test
    void valuesDb2WouldReadOtherwiseAreRefused() throws Exception {
        DB2CommandCreateDatabase create = new DB2CommandCreateDatabase("SEGDB");
        create.setNumSegs(65537);
        assertEquals("getNumSegs() gave 65537, outside -32768 to 32767", failure(create));
        assertEquals(0, Db2Sim.journal("sqlecrea_api").length);
        createFresh(new DB2CommandCreateDatabase("PRBDB"));
        assertEquals("getAlias" + HOLDS_NUL, failure(new DB2CommandDropDatabase("PRBDB\0-OLD")));
        assertEquals(0, Db2Sim.journal("sqledrpd_api").length);
        assertTrue(run(new DB2CommandDropDatabase("PRBDB")));
    }

    @Test
    void dropRemovesTheDatabasePassesAnEmptyAliasAndStoresAWarning() throws Exception {
        createFresh(new DB2CommandCreateDatabase("GONEDB"));
        assertTrue(run(new DB2CommandDropDatabase("GONEDB")));
        assertTrue(failure(new DB2CommandDropDatabase("GONEDB")).startsWith("SQL1013N"));
        assertEquals("\"\"", field(handed(new DB2CommandDropDatabase(""), "sqledrpd_api"),
                "pDbAlias"), "an empty alias is still passed");
        createFresh(new DB2CommandCreateDatabase("WARNDB"));
        Db2Sim.injectWarning("sqledrpd_api", 1014, "", 1);
        assertTrue(run(new DB2CommandDropDatabase("WARNDB")));
        assertTrue(context.getWarningMessage().startsWith("SQL1014W"),
                context.getWarningMessage());
    }
}
