package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandBind;
import com.qorvath.db2command.DB2CommandInspect;
import com.qorvath.db2command.DB2CommandPrecompile;
import com.qorvath.db2command.DB2CommandRebind;
import com.qorvath.db2command.DB2CommandReorg;
import com.qorvath.db2command.DB2CommandRunStats;
import com.qorvath.db2command.DB2CommandRunStats.ColumnOption;
import com.qorvath.db2command.DB2CommandRunStats.DistColumnOption;
import com.qorvath.db2command.DB2CommandSetUtilImpactPriority;
import com.qorvath.db2sim.Db2Sim;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/** Runstats, reorg, inspect, bind, rebind, precompile and utility priority on the stand-in. */
class MaintenanceTest extends Session {
    static final String OWNER = instanceName().toUpperCase();
    /** A sample table, in the instance owner's schema (tests connect as the process's user). */
    static final String STAFF = OWNER + ".STAFF";

    @TempDir
    Path dir;

    @BeforeEach
    void fresh() {
        begin();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    static ColumnOption columns(boolean like, String... names) {
        ColumnOption option = new ColumnOption();
        option.setColumnNameList(Arrays.asList(names));
        option.setLikeStatistics(like);
        return option;
    }

    static DB2CommandRunStats runstats(String table) {
        DB2CommandRunStats command = new DB2CommandRunStats();
        command.setObjectName(table);
        return command;
    }

    @Test
    void runstatsSendsSinglesGroupsAndDefaultsThenCommits() throws SQLException {
        connect("SAMPLE");
        DB2CommandRunStats command = runstats(STAFF);
        // One group of three, an option without names (it adds nothing), one single column.
        command.setColsColumnOptions(List.of(columns(false, "ID", "NAME", "DEPT"),
                columns(true), columns(true, "JOB")));
        DistColumnOption dist = new DistColumnOption();
        dist.setColumnNameList(List.of("SALARY"));
        command.setDistColumnOptions(List.of(dist));
        command.setColsColumnSelection(DB2CommandRunStats.EnumColumnSelection.ON_KEY_COLUMNS);
        command.setWithDistribution(true);
        command.setProfileOptions(DB2CommandRunStats.EnumProfileOptions.UPDATE_PROFILE_ONLY);
        String call = handed(command, "db2Runstats");
        assertContains(call, "-> 0 ", "versionNumber=9000000", "iRunstatsFlags=" + (2 | 8 | 0x1000),
                "iNumColumns=1", "iNumColdist=1", "iNumColGroups=1", "iNumIndexes=0",
                "columns=[JOB/1] coldist=[SALARY/-1/-1] groups=[(ID,NAME,DEPT)/0/0]",
                "iTableDefaultFreqValues=-1", "iTableDefaultQuantiles=-1",
                "iUtilImpactPriority=70");
        assertEquals(1, Db2Sim.journal("SQLEndTran").length, "committed");
    }

    @Test
    void runstatsRefusalsCommitNothingAndJavaFailuresStopBeforeDb2() throws SQLException {
        connect("SAMPLE");
        assertTrue(failure(runstats(OWNER + ".NOSUCH")).startsWith("SQL2306N"));
        DB2CommandRunStats unknownColumn = runstats(STAFF);
        unknownColumn.setColsColumnOptions(List.of(columns(false, "NOPE")));
        assertTrue(failure(unknownColumn).startsWith("SQL0205N"));
        assertEquals(0, Db2Sim.journal("SQLEndTran").length, "nothing committed");

        DB2CommandRunStats nullName = runstats(STAFF);
        nullName.setColsColumnOptions(List.of(columns(false, "ID", null)));
        assertEquals("getColumnNameList() holds a null name", failure(nullName));
        DB2CommandRunStats throwing = new DB2CommandRunStats() {
            @Override
            public Integer getPriority() {
                throw new IllegalStateException("no priority");
            }
        };
        throwing.setObjectName(STAFF);
        Db2Sim.clearJournal();
        assertThrows(IllegalStateException.class, () -> run(throwing));
        assertEquals(0, Db2Sim.journal("db2Runstats").length, "no statistics on made-up options");
    }

    @Test
    void reorgOfASampleTableAndAnInplaceReorgRunningUntilStopped() throws SQLException {
        connect("SAMPLE");
        DB2CommandReorg offline = new DB2CommandReorg();
        offline.setTableName(STAFF);
        offline.setTableAccessString("ALLOW READ ACCESS");
        assertContains(handed(offline, "db2Reorg"), "-> 0 ", "reorgType=1",
                "reorgFlags=" + (0x20000000 | 0x400000 | 0x2000000 | 0x20), "nodeListFlag=1",
                "pTableName=\"" + STAFF + "\"");

        DB2CommandReorg inplace = new DB2CommandReorg();
        inplace.setTableName(STAFF);
        inplace.setInplace(true);
        assertContains(handed(inplace, "db2Reorg"), "-> 0 ", "reorgType=2",
                "reorgFlags=" + (0x10000 | 0x10000000 | 0x400000 | 0x2000000 | 0x20));
        assertTrue(failure(inplace).startsWith("SQL2219N"), "one in-place reorg at a time");
        inplace.setInplaceActionString("STOP");
        assertTrue(run(inplace));
        assertTrue(failure(inplace).startsWith("SQL2219N"), "nothing left to stop");
    }

    @Test
    void partitionListsAreCheckedBeforeDb2() throws SQLException {
        connect("SAMPLE");
        DB2CommandReorg reorg = new DB2CommandReorg();
        reorg.setTableName(STAFF);
        List<Integer> partitions = new ArrayList<>();
        partitions.add(null);
        reorg.setIntegerPartitionList(partitions);
        assertFalse(failure(reorg).isEmpty());
        DB2CommandInspect inspect = new DB2CommandInspect();
        inspect.setIsTable(true);
        inspect.setTableName("STAFF");
        inspect.setSchemaName(OWNER);
        inspect.setDbPartitionNumsString("3 TO 1");
        assertFalse(failure(inspect).isEmpty());
        assertEquals(0, Db2Sim.journal("db2Reorg").length + Db2Sim.journal("db2Inspect").length);

        inspect.setDbPartitionNumsString("0");
        assertContains(handed(inspect, "db2Inspect"), "-> 0 ", "iAction=5", "iAllNodeFlag=0",
                "iNumNodes=1", "piNodeList=\"0\"");
    }

    Path file(String name, String content) throws IOException {
        return Files.writeString(dir.resolve(name), content);
    }

    @Test
    void precompileWritesTheBindFileBindMakesThePackageAndRebindFindsIt() throws Exception {
        connect("SAMPLE");
        Path program = file("prog.sqc", "int main() {\n  EXEC SQL SELECT NAME INTO :n FROM STAFF;\n"
                + "  EXEC SQL COMMIT;\n}\n");
        DB2CommandPrecompile precompile = new DB2CommandPrecompile();
        precompile.setFilename(program.toString());
        precompile.setBind(true);
        Path bindFile = dir.resolve("prog.bnd");
        assertContains(handed(precompile, "sqlaprep"), "-> 0 ", "allocated=45",
                "opt20=\"" + bindFile + "\"", "opt26=1", "opt4=4", "opt83=2");
        assertTrue(Files.readString(bindFile).contains("COMMIT"));

        DB2CommandRebind rebind = new DB2CommandRebind();
        rebind.setPackageName("PROG");
        assertTrue(failure(rebind).startsWith("SQL0204N"), "a bind file alone makes no package");
        DB2CommandBind bind = new DB2CommandBind();
        bind.setBindFile(bindFile.toString());
        bind.setDegreeValue(4);
        bind.setQueryOptimization(5);
        assertContains(handed(bind, "sqlabndx"), "-> 0 ", "allocated=2, used=2, opt47=4, opt66=5");
        assertContains(handed(rebind, "sqlarbnd"), "-> 0 ", "allocated=3, used=0)");

        // The packages are read back from the state folder after the instance restarts.
        endAll();
        Db2Sim.reset();
        begin();
        connect("SAMPLE");
        assertContains(handed(rebind, "sqlarbnd"), "-> 0 ");
    }

    @Test
    void fileAndSyntaxFaultsAreDb2sMessages() throws Exception {
        connect("SAMPLE");
        DB2CommandPrecompile precompile = new DB2CommandPrecompile();
        precompile.setFilename(dir.resolve("missing.sqc").toString());
        assertTrue(failure(precompile).startsWith("SQL0031"), "a missing program file");
        precompile.setFilename(file("bad.sqc", "EXEC SQL SELEKT 1;").toString());
        assertTrue(failure(precompile).contains("\"SELEKT\""));
        DB2CommandBind bind = new DB2CommandBind();
        bind.setBindFile(file("bad.bnd", "not a bind file\n").toString());
        assertTrue(failure(bind).startsWith("SQL0033N"));
        bind.setCollection("x".repeat(70000));
        assertTrue(failure(bind).startsWith("getCollection() gave a text of 70000 bytes"));
    }

    @Test
    void utilityPriorityChangesARunningUtilityOfTheAttachedInstance() throws SQLException {
        long id = Db2Sim.startUtility("SAMPLE", "BACKUP DATABASE SAMPLE", 50);
        DB2CommandSetUtilImpactPriority command = new DB2CommandSetUtilImpactPriority();
        command.setUtilityId((int) id);
        command.setPriority(10);
        assertEquals("Error: This command requires instance connection!", failure(command));
        attach();
        assertContains(handed(command, "db2UtilityControl"), "-> 0 ", "versionNumber=9000000",
                "iAttribute=1", "*pioValue=10");
        assertEquals(10, Db2Sim.utilityPriority(id));
        command.setUtilityId((int) id + 1);
        assertTrue(failure(command).startsWith("SQL1153N"));
        command.setPriority(-1);
        assertFalse(failure(command).startsWith("SQL"), "refused before DB2");
        assertTrue(Db2Sim.stopUtility(id));
    }
}
