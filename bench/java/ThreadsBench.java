import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandCatalogNode;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandGetDBCfg;
import com.qorvath.db2command.DB2CommandGetDBMCfg;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandListNodeDirectory;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandUnCatalogNode;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.concurrent.CyclicBarrier;
import java.util.concurrent.atomic.AtomicLong;

/**
 * Figures for threads at once, printed, never asserted; every thread has its own run-time context.
 *
 * <p>{@code scale SECONDS ROUNDS}: commands per second with 1 and 2 threads for list-db-directory
 * (100 entries), get-dbm-cfg and attach+detach (one pair counts as one), after a control that
 * never leaves Java and shares nothing (the machine's own ceiling); the median of ROUNDS
 * runs of SECONDS each, and the ratio of 2 threads to 1. {@code soak THREADS COMMANDS}: each
 * thread runs COMMANDS mixed commands (attach, get-dbm-cfg, detach, connect, get-db-cfg,
 * disconnect, list-db-directory, catalog, list and uncatalog a node of its own); prints the
 * failures, the stand-in's live counters at the end and the RSS at the start, every ten seconds
 * and at the end.
 */
public final class ThreadsBench {
    private static final int DIRECTORY_ENTRIES = 100;

    private ThreadsBench() {}

    /** One unit of work on a thread's context; false when a command failed. */
    interface Work {
        boolean run(DB2CommandRuntimeContext context) throws Exception;
    }

    public static void main(String[] args) throws Exception {
        Db2Sim.reset();
        // The home entry of SAMPLE and the catalogued ones.
        Db2Sim.fillDatabaseDirectory(DIRECTORY_ENTRIES - 1);
        if (args[0].equals("scale")) {
            scale(Double.parseDouble(args[1]), Integer.parseInt(args[2]),
                args.length > 3 ? args[3] : null);
        } else {
            soak(Integer.parseInt(args[1]), Integer.parseInt(args[2]));
        }
    }

    static boolean run(DB2Command command, DB2CommandRuntimeContext context) throws Exception {
        return TarvinexUtil.executeDB2Command(command, context, new DB2APIDataContainer());
    }

    static DB2CommandRuntimeContext newContext() {
        DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
        context.setClientVersion(new ServerVersion(9, 7, 4));
        return context;
    }

    static boolean listDatabases(DB2CommandRuntimeContext context) throws Exception {
        DB2APIDataContainer box = new DB2APIDataContainer();
        return TarvinexUtil.executeDB2Command(new DB2CommandListDBDirectory(), context, box)
            && box.getRowCount() == DIRECTORY_ENTRIES;
    }

    static boolean getDbmCfg(DB2CommandRuntimeContext context) throws Exception {
        DB2APIDataContainer box = new DB2APIDataContainer();
        return TarvinexUtil.executeDB2Command(new DB2CommandGetDBMCfg(), context, box)
            && box.getRowCount() > 0;
    }

    static boolean attachDetach(DB2CommandRuntimeContext context) throws Exception {
        return run(new DB2CommandAttach(), context) && run(new DB2CommandDetach(), context);
    }

    /**
     * The machine's own ceiling: work that shares nothing between threads and never leaves Java
     * (about as long as one get-dbm-cfg). What two threads make of it is the most any command can.
     */
    static boolean control(DB2CommandRuntimeContext context) {
        StringBuilder text = new StringBuilder();
        int hash = 0;
        for (int i = 0; i < 2000; i++) {
            text.setLength(0);
            text.append("PARAMETER_").append(i).append('=').append(i * 31);
            hash += text.toString().hashCode();
        }
        return hash != 42;
    }

    /** Units per second with `threads` threads running `work` for `seconds`. */
    static double perSecond(Work work, int threads, double seconds) throws Exception {
        AtomicLong done = new AtomicLong();
        AtomicLong failed = new AtomicLong();
        CyclicBarrier start = new CyclicBarrier(threads + 1);
        long[] window = new long[2];
        List<Thread> workers = new ArrayList<>();
        for (int t = 0; t < threads; t++) {
            Thread worker = new Thread(() -> {
                DB2CommandRuntimeContext context = newContext();
                try {
                    start.await();
                    long count = 0;
                    while (System.nanoTime() < window[1]) {
                        if (!work.run(context)) {
                            failed.incrementAndGet();
                        }
                        count++;
                    }
                    done.addAndGet(count);
                } catch (Exception e) {
                    failed.incrementAndGet();
                }
            });
            worker.start();
            workers.add(worker);
        }
        window[0] = System.nanoTime();
        window[1] = window[0] + (long) (seconds * 1e9);
        start.await();
        for (Thread worker : workers) {
            worker.join();
        }
        if (failed.get() > 0) {
            throw new IllegalStateException(failed.get() + " commands failed");
        }
        return done.get() / ((System.nanoTime() - window[0]) / 1e9);
    }

    static double median(double[] values) {
        double[] sorted = values.clone();
        Arrays.sort(sorted);
        return sorted[sorted.length / 2];
    }

    /** Runs every workload, or only the one named `only` (to profile it alone). */
    static void scale(double seconds, int rounds, String only) throws Exception {
        String[] names = {"control", "list-db-directory", "get-dbm-cfg", "attach/detach"};
        Work[] works = {ThreadsBench::control, ThreadsBench::listDatabases, ThreadsBench::getDbmCfg,
            ThreadsBench::attachDetach};
        for (int w = 0; w < works.length; w++) {
            if (only != null && !only.equals(names[w])) {
                continue;
            }
            perSecond(works[w], 2, seconds); // warm-up
            double[] one = new double[rounds];
            double[] two = new double[rounds];
            for (int r = 0; r < rounds; r++) {
                one[r] = perSecond(works[w], 1, seconds);
                two[r] = perSecond(works[w], 2, seconds);
            }
            System.out.printf("%-18s 1 thread: %9.0f/s  2 threads: %9.0f/s  ratio=%.2f%n", names[w],
                median(one), median(two), median(two) / median(one));
        }
    }

    static DB2CommandCatalogNode catalogNode(String name) {
        DB2CommandCatalogNode node = new DB2CommandCatalogNode();
        node.setName(name);
        node.setHostName("localhost");
        node.setService("50000");
        return node;
    }

    /** One thread's share of the soak; returns its failures. */
    static long soakThread(int index, int commands) throws Exception {
        DB2CommandRuntimeContext context = newContext();
        String node = "SOAK" + index;
        long failures = 0;
        int issued = 0;
        while (issued < commands) {
            boolean[] results = {run(new DB2CommandAttach(), context), getDbmCfg(context),
                run(new DB2CommandDetach(), context),
                run(new DB2CommandConnect("SAMPLE", "", ""), context),
                run(new DB2CommandGetDBCfg(), context), run(new DB2CommandDisconnect(), context),
                listDatabases(context), run(catalogNode(node), context),
                run(new DB2CommandListNodeDirectory(), context), uncatalog(node, context)};
            for (boolean ok : results) {
                failures += ok ? 0 : 1;
            }
            issued += results.length;
        }
        return failures;
    }

    static boolean uncatalog(String name, DB2CommandRuntimeContext context) throws Exception {
        DB2CommandUnCatalogNode command = new DB2CommandUnCatalogNode();
        command.setNodeName(name);
        return run(command, context);
    }

    static void soak(int threads, int commands) throws Exception {
        long rssStart = rssKb();
        AtomicLong failures = new AtomicLong();
        List<Thread> workers = new ArrayList<>();
        long t0 = System.nanoTime();
        for (int t = 0; t < threads; t++) {
            int index = t;
            Thread worker = new Thread(() -> {
                try {
                    failures.addAndGet(soakThread(index, commands));
                } catch (Exception e) {
                    System.out.println("thread " + index + ": " + e);
                    failures.incrementAndGet();
                }
            });
            worker.start();
            workers.add(worker);
        }
        // The RSS every ten seconds while the threads run: a plateau, not a slope.
        for (Thread worker : workers) {
            while (worker.isAlive()) {
                worker.join(10000);
                if (worker.isAlive()) {
                    System.out.printf("after_s=%.0f rss_kb=%d%n", (System.nanoTime() - t0) / 1e9,
                            rssKb());
                }
            }
        }
        double seconds = (System.nanoTime() - t0) / 1e9;
        System.gc();
        System.out.printf("commands=%d seconds=%.1f failures=%d%n", (long) threads * commands,
            seconds, failures.get());
        System.out.printf("contexts=%d connections=%d attachments=%d cli_handles=%d scans=%d"
                + " memory=%d%n",
            Db2Sim.liveContexts(), Db2Sim.liveConnections(), Db2Sim.liveAttachments(),
            Db2Sim.liveCliHandles(), Db2Sim.openScans(), Db2Sim.memoryHandedOut());
        System.out.printf("rss_start_kb=%d rss_end_kb=%d%n", rssStart, rssKb());
    }

    static long rssKb() throws Exception {
        for (String line : Files.readAllLines(Path.of("/proc/self/status"))) {
            if (line.startsWith("VmRSS:")) {
                return Long.parseLong(line.replaceAll("[^0-9]", ""));
            }
        }
        return -1;
    }
}
