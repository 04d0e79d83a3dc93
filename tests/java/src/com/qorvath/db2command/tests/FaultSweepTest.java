package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.DynamicTest.dynamicTest;

import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.Callable;
import org.junit.jupiter.api.DynamicTest;
import org.junit.jupiter.api.TestFactory;

/**
 * Every native operation against every fault of every DB2 entry point it calls: the entry point
 * missing, failing, or warning. Whatever happens, the JVM survives, the outcome is a value or an
 * SQLException with a message, and the stand-in's live counters come back to where they were.
 * Each new command adds its row to {@link #SWEEP}.
 *
 * <p>The one exception: when an entry point that hands a resource back (end a context, free a
 * handle, close a scan) is itself missing or failing, DB2 has kept the resource and the library
 * cannot release it; the counters are not compared for those cases.
 */
class FaultSweepTest {
    /** One operation, the entry points it calls, and those of them that release resources. */
    record Row(String operation, List<String> entryPoints, List<String> releases,
            Callable<Object> run) {}

    static final List<Row> SWEEP = List.of(
            new Row("getClientVersion", List.of("sqleGetCurrentCtx", "sqleBeginCtx", "sqleEndCtx"),
                    List.of("sqleEndCtx"), TarvinexUtil::getClientVersion));

    private enum Fault { MISSING, ERROR, WARNING }

    @TestFactory
    List<DynamicTest> sweep() {
        List<DynamicTest> tests = new ArrayList<>();
        for (Row row : SWEEP) {
            for (String entry : row.entryPoints()) {
                for (Fault fault : Fault.values()) {
                    tests.add(dynamicTest(row.operation() + " / " + entry + " " + fault,
                            () -> runOne(row, entry, fault)));
                }
            }
        }
        return tests;
    }

    private static long[] counters() {
        return new long[] {Db2Sim.liveContexts(), Db2Sim.liveCliHandles(), Db2Sim.openScans(),
            Db2Sim.memoryHandedOut()};
    }

    private static void runOne(Row row, String entry, Fault fault) throws Exception {
        Db2Sim.reset();
        long[] before = counters();
        switch (fault) {
            case MISSING -> Db2Sim.injectMissing(entry, 0);
            case ERROR -> Db2Sim.injectError(entry, -1092, "SWEEP", 0);
            case WARNING -> Db2Sim.injectWarning(entry, 1014, "", 0);
        }
        try {
            assertNotNull(row.run().call(), "an answer, never null");
        } catch (SQLException e) {
            assertNotNull(e.getMessage());
            assertFalse(e.getMessage().isBlank(), "a failure says what failed");
        } finally {
            Db2Sim.clearFaults();
        }
        if (fault != Fault.WARNING && row.releases().contains(entry)) {
            return;
        }
        long[] after = counters();
        assertEquals(List.of(before[0], before[1], before[2], before[3]),
                List.of(after[0], after[1], after[2], after[3]),
                "contexts, CLI handles, scans and memory are back where they were");
    }
}
