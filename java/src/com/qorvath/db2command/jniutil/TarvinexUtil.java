package com.qorvath.db2command.jniutil;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.util.DB2APIDataContainer;
import java.net.URISyntaxException;
import java.nio.ByteBuffer;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.security.CodeSource;
import java.sql.SQLException;

/**
 * The native methods of the library, and its loading.
 *
 * <p>The library is loaded when this class initialises: from the file named by the system
 * property {@code tarvinex.library} when it is set, else as {@code libtarvinex.so} from {@code
 * java.library.path} or, failing that, from the folder of the jar holding this class. A failed
 * load does not fail the class; it is kept, and {@link #ensureLoaded()} reports it. Calling a
 * native method while the library is not loaded throws {@link UnsatisfiedLinkError}.
 */
public final class TarvinexUtil {
    /** The system property naming the library file to load instead of {@code libtarvinex.so}. */
    public static final String LIBRARY_PROPERTY = "tarvinex.library";

    private static final Throwable LOAD_FAILURE = load();

    private TarvinexUtil() {}

    private static Throwable load() {
        String file = System.getProperty(LIBRARY_PROPERTY);
        try {
            if (file != null && !file.isEmpty()) {
                System.load(file);
            } else {
                loadFromPathOrBesideJar();
            }
            return null;
        } catch (UnsatisfiedLinkError | SecurityException e) {
            return e;
        }
    }

    /** Tries java.library.path first, then the folder of the jar holding this class. */
    private static void loadFromPathOrBesideJar() {
        try {
            System.loadLibrary("tarvinex");
        } catch (UnsatisfiedLinkError e) {
            Path besideJar = besideJar();
            if (besideJar == null) {
                throw e;
            }
            System.load(besideJar.toString());
        }
    }

    private static Path besideJar() {
        try {
            CodeSource source = TarvinexUtil.class.getProtectionDomain().getCodeSource();
            if (source == null || source.getLocation() == null) {
                return null;
            }
            Path jar = Paths.get(source.getLocation().toURI());
            Path library = jar.resolveSibling(System.mapLibraryName("tarvinex"));
            return Files.isRegularFile(library) ? library : null;
        } catch (URISyntaxException | RuntimeException e) {
            return null;
        }
    }

    /**
     * Tells whether the native library was loaded.
     *
     * @return true when the native methods can be called
     */
    public static boolean isLoaded() {
        return LOAD_FAILURE == null;
    }

    /**
     * Checks that the native library was loaded.
     *
     * @throws UnsatisfiedLinkError when it was not, with the reason in its message and the
     *     original failure as its cause
     */
    public static void ensureLoaded() {
        if (LOAD_FAILURE == null) {
            return;
        }
        String file = System.getProperty(LIBRARY_PROPERTY);
        String what = file != null && !file.isEmpty() ? file : System.mapLibraryName("tarvinex");
        UnsatisfiedLinkError error = new UnsatisfiedLinkError(
                "cannot load the native library " + what + ": " + LOAD_FAILURE.getMessage());
        error.initCause(LOAD_FAILURE);
        throw error;
    }

    /**
     * Runs a command.
     *
     * <p>The library reads the command's parameters through its getters, takes and stores the
     * connection state in {@code context}, and writes result rows into {@code resultset}. DB2
     * warnings are stored in the context.
     *
     * @param command the command
     * @param context the connection state
     * @param resultset the container for the result rows
     * @return true when the command succeeded; some commands fail with false and no exception
     * @throws SQLException when the command fails with a message (DB2's text for DB2 errors)
     */
    public static native boolean executeDB2Command(
            DB2Command command, DB2CommandRuntimeContext context, DB2APIDataContainer resultset)
            throws SQLException;

    /**
     * Returns the DB2 client's level as five digits: two of version, two of release and one of
     * modification ("09074" for 9.7.4). {@link com.qorvath.db2command.util.ServerVersion#parse}
     * reads it.
     *
     * @return the level text
     */
    public static native String getClientVersion();

    /**
     * Takes a database-monitor snapshot.
     *
     * @param nodeid the partition to take it on
     * @param snapshotType the DB2 monitor object type
     * @param objectName the object the type needs (a database alias, for instance); may be null
     * @param agentid the application's agent id, for application-level types
     * @param context the connection state; its instance attachment is used when there is one
     * @param writeToFile DB2's store-result flag: non-zero to keep the result on the server too
     * @return a direct buffer holding DB2's monitor data stream, or null on failure
     * @throws SQLException when the snapshot fails with a message
     */
    public static native ByteBuffer getSnapshotInByteBuffer(int nodeid, int snapshotType,
            String objectName, int agentid, DB2CommandRuntimeContext context, int writeToFile)
            throws SQLException;
}
