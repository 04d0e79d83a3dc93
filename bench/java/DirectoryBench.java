import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2sim.Db2Sim;
import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Arrays;
import java.util.List;

/**
 * Database directory listing figures, printed, never asserted.
 *
 * <p>{@code ratio N}: lists an N-entry directory through the library, and has Java fill the same
 * seven-column rows itself from byte fields held in memory (text made and blanks trimmed per
 * cell); prints the medians and their ratio. Which container class the JVM has picks the path:
 * ours takes rows in blocks, one with only the contract's methods (first on the class path) gets
 * the calls one by one. {@code soak N ROUNDS}: lists an N-entry directory
 * ROUNDS times and prints the stand-in's memory handed out and the process RSS after each round.
 */
public final class DirectoryBench {
    private static final int REPEATS = 61;
    private static final int WARM_UPS = 40;

    private DirectoryBench() {}

    public static void main(String[] args) throws Exception {
        int entries = Integer.parseInt(args[1]);
        Db2Sim.reset();
        Db2Sim.fillDatabaseDirectory(entries);
        if (args[0].equals("ratio")) {
            ratio();
        } else {
            soak(Integer.parseInt(args[2]));
        }
    }

    private static DB2APIDataContainer listThroughLibrary() throws Exception {
        DB2APIDataContainer box = new DB2APIDataContainer();
        if (!TarvinexUtil.executeDB2Command(
                    new DB2CommandListDBDirectory(), new DB2CommandRuntimeContext(), box)) {
            throw new IllegalStateException("listing failed");
        }
        return box;
    }

    /** The rows as DB2 would hold them: each cell a blank-padded byte field of its width. */
    private static byte[][][] asFields(DB2APIDataContainer box) throws Exception {
        int[] widths = {8, 8, 215, 20, 30, 8, 6};
        List<List<String>> rows = rowsOf(box);
        byte[][][] fields = new byte[rows.size()][7][];
        for (int r = 0; r < rows.size(); r++) {
            for (int c = 0; c < 7; c++) {
                byte[] field = new byte[widths[c]];
                Arrays.fill(field, (byte) ' ');
                byte[] text = rows.get(r).get(c).getBytes(StandardCharsets.US_ASCII);
                System.arraycopy(text, 0, field, 0, Math.min(text.length, field.length));
                fields[r][c] = field;
            }
        }
        return fields;
    }

    /** The rows, read from the field every container class here keeps them in. */
    @SuppressWarnings("unchecked")
    private static List<List<String>> rowsOf(DB2APIDataContainer box) throws Exception {
        Field rows = DB2APIDataContainer.class.getDeclaredField("rows");
        rows.setAccessible(true);
        return (List<List<String>>) rows.get(box);
    }

    /** "block" for our container; "one-by-one" for one with only the contract's methods. */
    private static String path() {
        for (Method method : DB2APIDataContainer.class.getDeclaredMethods()) {
            if (method.getName().equals("addRecordedRows")) {
                return "block";
            }
        }
        return "one-by-one";
    }

    private static DB2APIDataContainer fillInJava(byte[][][] fields) {
        DB2APIDataContainer box = new DB2APIDataContainer();
        for (String name : List.of("alias name", "database name", "node name", "release level",
                     "comment", "entry type", "catalog node name")) {
            box.addColumn(name);
        }
        for (byte[][] row : fields) {
            box.newRow();
            for (int c = 0; c < row.length; c++) {
                byte[] field = row[c];
                int length = field.length;
                while (length > 0 && field[length - 1] == ' ') {
                    length--;
                }
                box.setColumnValue(c + 1, new String(field, 0, length, StandardCharsets.US_ASCII));
            }
        }
        return box;
    }

    private static void ratio() throws Exception {
        byte[][][] fields = asFields(listThroughLibrary());
        for (int i = 0; i < WARM_UPS; i++) {
            listThroughLibrary();
            fillInJava(fields);
        }
        long[] library = new long[REPEATS];
        long[] java = new long[REPEATS];
        for (int i = 0; i < REPEATS; i++) {
            // Each side starts from a collected heap, so neither pays for the other's garbage.
            System.gc();
            long t0 = System.nanoTime();
            listThroughLibrary();
            library[i] = System.nanoTime() - t0;
            System.gc();
            long t1 = System.nanoTime();
            fillInJava(fields);
            java[i] = System.nanoTime() - t1;
        }
        Arrays.sort(library);
        Arrays.sort(java);
        double lib = library[REPEATS / 2] / 1e6;
        double jav = java[REPEATS / 2] / 1e6;
        System.out.printf("path=%s rows=%d library_ms=%.2f java_ms=%.2f ratio=%.2f%n", path(),
                fields.length, lib, jav, lib / jav);
    }

    private static void soak(int rounds) throws Exception {
        long rows = 0;
        for (int i = 1; i <= rounds; i++) {
            rows += rowsOf(listThroughLibrary()).size();
            System.gc();
            long rss = rssKb();
            long heap = Runtime.getRuntime().totalMemory() / 1024;
            // RSS less the Java heap's committed size: native memory, stacks, code, metadata.
            System.out.printf("round=%d rows_total=%d memory_handed_out=%d open_scans=%d rss_kb=%d"
                            + " heap_committed_kb=%d rss_less_heap_kb=%d%n",
                    i, rows, Db2Sim.memoryHandedOut(), Db2Sim.openScans(), rss, heap, rss - heap);
        }
    }

    private static long rssKb() throws Exception {
        for (String line : Files.readAllLines(Path.of("/proc/self/status"))) {
            if (line.startsWith("VmRSS:")) {
                return Long.parseLong(line.replaceAll("[^0-9]", ""));
            }
        }
        return -1;
    }
}
