package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandGetDBCfg;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.Callable;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/**
 * Several Java threads, each with its own run-time context, attaching, connecting, reading the
 * configuration and listing at once: every command succeeds, every thread sees its own results,
 * and the client is left with no context, connection, attachment or open scan.
 */
class ManyThreadsTest {
    private static final int THREADS = 8;
    private static final int ROUNDS = 15;

    @BeforeEach
    void fresh() {
        Db2Sim.reset();
    }

    @AfterEach
    void nothingLeft() {
        assertEquals(0, Db2Sim.liveContexts(), "contexts");
        assertEquals(0, Db2Sim.liveConnections(), "connections");
        assertEquals(0, Db2Sim.liveAttachments(), "attachments");
        assertEquals(0, Db2Sim.liveCliHandles(), "CLI handles");
        assertEquals(0, Db2Sim.openScans(), "scans");
    }

    private static boolean run(DB2Command command, DB2CommandRuntimeContext context,
            DB2APIDataContainer box) throws SQLException {
        return TarvinexUtil.executeDB2Command(command, context, box);
    }

    /** One thread's rounds; returns how many rounds went through completely. */
    private static int rounds() throws SQLException {
        int complete = 0;
        for (int i = 0; i < ROUNDS; i++) {
            DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
            context.setClientVersion(new ServerVersion(9, 7, 4));
            boolean ok = run(new DB2CommandAttach(), context, new DB2APIDataContainer());
            ok &= run(new DB2CommandConnect("SAMPLE", "", ""), context, new DB2APIDataContainer());
            DB2APIDataContainer config = new DB2APIDataContainer();
            ok &= run(new DB2CommandGetDBCfg(), context, config);
            ok &= config.getRowCount() > 0;
            DB2APIDataContainer listing = new DB2APIDataContainer();
            ok &= run(new DB2CommandListDBDirectory(), context, listing);
            ok &= listing.getRowCount() > 0;
            ok &= context.isConnected();
            ok &= run(new DB2CommandDisconnect(), context, new DB2APIDataContainer());
            ok &= run(new DB2CommandDetach(), context, new DB2APIDataContainer());
            ok &= !context.isConnected();
            if (ok) {
                complete++;
            }
        }
        return complete;
    }

    @Test
    void attachConnectReadListAndEndFromManyThreads() throws Exception {
        ExecutorService pool = Executors.newFixedThreadPool(THREADS);
        try {
            List<Future<Integer>> results = new ArrayList<>();
            for (int t = 0; t < THREADS; t++) {
                Callable<Integer> work = ManyThreadsTest::rounds;
                results.add(pool.submit(work));
            }
            for (Future<Integer> result : results) {
                assertEquals(ROUNDS, result.get());
            }
        } finally {
            pool.shutdown();
        }
        assertFalse(Db2Sim.journal("sqleatin_api").length == 0);
        assertTrue(Db2Sim.journal("sqleBeginCtx").length >= THREADS * ROUNDS);
    }
}
