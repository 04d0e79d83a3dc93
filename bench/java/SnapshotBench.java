import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.monitor.MonitorSnapshot;
import com.qorvath.db2command.monitor.MonitorSnapshot.EnumSnapshotType;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.nio.ByteBuffer;
import java.util.Arrays;

/**
 * Snapshot stream figures, printed, never asserted.
 *
 * <p>Makes the stand-in's application snapshot about {@code MIB} MiB long (idle applications),
 * then takes medians of: the snapshot through getSnapshotInByteBuffer (the first 409600-byte
 * buffer is too small, so DB2 is asked three times: full, its estimate, the stream); one
 * memcpy-sized copy of a stream of the same length between direct buffers; and, for the share
 * the library adds on top of the client, what it does with a stream the client has written: a
 * new direct buffer of the stream's length filled by one copy. The stand-in's own part (building
 * the stream three times) is the difference.
 */
public final class SnapshotBench {
    private static final int REPEATS = 15;
    private static final int WARM_UPS = 3;

    private SnapshotBench() {}

    public static void main(String[] args) throws Exception {
        long mib = args.length > 0 ? Long.parseLong(args[0]) : 64;
        Db2Sim.reset();
        DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
        context.setClientVersion(new ServerVersion(9, 7, 4));
        Db2Sim.setIdleApplications(1000);
        long withThousand = take(context).capacity();
        Db2Sim.setIdleApplications(2000);
        long perApplication = Math.max(1, (take(context).capacity() - withThousand) / 1000);
        long count = mib * 1024 * 1024 / perApplication;
        Db2Sim.setIdleApplications(count);
        ByteBuffer stream = take(context);
        int length = stream.capacity();
        System.out.printf("stream: %d bytes (%.1f MiB), %d applications%n", length,
                length / 1048576.0, count);

        ByteBuffer target = ByteBuffer.allocateDirect(length);
        double snapshot = median(() -> take(context));
        double copy = median(() -> target.clear().put(stream.duplicate().clear()));
        double library = median(() -> ByteBuffer.allocateDirect(length)
                .put(stream.duplicate().clear()));
        double allocation = median(() -> ByteBuffer.allocateDirect(length));
        // The copy alone, into a buffer just made (the allocation, outside the timing, leaves it
        // zeroed and faulted in as allocateDirect does).
        double ownCopy = medianOfCopies(stream, length);
        System.out.printf("getSnapshotInByteBuffer:            %8.2f ms%n", snapshot);
        System.out.printf("one memcpy of the same size:        %8.2f ms%n", copy);
        System.out.printf("library's share (new buffer + copy): %8.2f ms%n", library);
        System.out.printf("  of which allocateDirect alone:     %8.2f ms%n", allocation);
        System.out.printf("  of which the copy into it:         %8.2f ms%n", ownCopy);
        System.out.printf("stand-in's share (three builds):    %8.2f ms%n", snapshot - library);
        System.out.printf("ratio, whole call to memcpy:        %8.2f%n", snapshot / copy);
        System.out.printf("ratio, library's share to memcpy:   %8.2f%n", library / copy);
        System.out.printf("ratio, the copy alone to memcpy:    %8.2f%n", ownCopy / copy);
    }

    interface Step {
        Object run() throws Exception;
    }

    private static ByteBuffer take(DB2CommandRuntimeContext context) throws Exception {
        ByteBuffer stream = MonitorSnapshot.take(EnumSnapshotType.ALL_APPLICATIONS, null, 0,
                MonitorSnapshot.CURRENT_PARTITION, context);
        if (stream == null) {
            throw new IllegalStateException("no snapshot");
        }
        return stream;
    }

    private static double medianOfCopies(ByteBuffer stream, int length) throws Exception {
        double[] times = new double[REPEATS];
        for (int i = 0; i < REPEATS; i++) {
            System.gc();
            Thread.sleep(20);
            ByteBuffer fresh = ByteBuffer.allocateDirect(length);
            long start = System.nanoTime();
            fresh.put(stream.duplicate().clear());
            times[i] = (System.nanoTime() - start) / 1e6;
        }
        Arrays.sort(times);
        return times[REPEATS / 2];
    }

    private static double median(Step step) throws Exception {
        for (int i = 0; i < WARM_UPS; i++) {
            step.run();
            System.gc();
        }
        double[] times = new double[REPEATS];
        for (int i = 0; i < REPEATS; i++) {
            // Buffers of earlier rounds are freed first, so that no round pays for a collection
            // the direct-memory limit would force.
            System.gc();
            Thread.sleep(20);
            long start = System.nanoTime();
            step.run();
            times[i] = (System.nanoTime() - start) / 1e6;
        }
        Arrays.sort(times);
        return times[REPEATS / 2];
    }
}
