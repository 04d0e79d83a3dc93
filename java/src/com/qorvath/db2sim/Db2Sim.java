package com.qorvath.db2sim;

/**
 * Control of the stand-in DB2 client ({@code libdb2.so}) from Java: inject faults into its entry
 * points, read its journal of calls, read its live-object counters and reset it.
 *
 * <p>The native methods live in the stand-in library itself. It is loaded with {@code
 * System.loadLibrary("db2")}, or from the file named by the system property {@code
 * db2sim.library}. A process that also loads the native library of the application shares the
 * same stand-in instance, since both resolve the same {@code libdb2.so}.
 *
 * <p>All methods are safe to call from any thread.
 */
public final class Db2Sim {
    private static final int FAULT_MISSING = 1;
    private static final int FAULT_ERROR = 2;
    private static final int FAULT_WARNING = 3;

    static {
        String library = System.getProperty("db2sim.library");
        if (library != null && !library.isEmpty()) {
            System.load(library);
        } else {
            System.loadLibrary("db2");
        }
    }

    private Db2Sim() {}

    /**
     * Makes an entry point act as if the client did not export it: it returns -1 and touches
     * nothing.
     *
     * @param entry the exported name, e.g. {@code "sqleatin_api"}
     * @param times how many of the next calls are affected; 0 until {@link #clearFaults()}
     * @throws IllegalArgumentException for an unknown entry point or a negative count
     */
    public static void injectMissing(String entry, int times) {
        inject(entry, FAULT_MISSING, 0, null, times);
    }

    /**
     * Makes an entry point fail before doing anything, with the given sqlcode and tokens in the
     * caller's sqlca (CLI functions return SQL_ERROR).
     *
     * @param entry the exported name
     * @param sqlcode a negative sqlcode, e.g. -1013
     * @param tokens the message tokens separated by commas, e.g. {@code "MYDB"}; may be null
     * @param times how many of the next calls are affected; 0 until {@link #clearFaults()}
     * @throws IllegalArgumentException for an unknown entry point, a sqlcode that is not
     *     negative or a negative count
     */
    public static void injectError(String entry, int sqlcode, String tokens, int times) {
        inject(entry, FAULT_ERROR, sqlcode, tokens, times);
    }

    /**
     * Makes an entry point do its work and then report a warning: the positive sqlcode and the
     * tokens land in the caller's sqlca.
     *
     * @param entry the exported name
     * @param sqlcode a positive sqlcode, e.g. 1014
     * @param tokens the message tokens separated by commas; may be null
     * @param times how many of the next calls are affected; 0 until {@link #clearFaults()}
     * @throws IllegalArgumentException for an unknown entry point, a sqlcode that is not
     *     positive or a negative count
     */
    public static void injectWarning(String entry, int sqlcode, String tokens, int times) {
        inject(entry, FAULT_WARNING, sqlcode, tokens, times);
    }

    /** Removes every injected fault. */
    public static void clearFaults() {
        nativeClearFaults();
    }

    /**
     * The journal: one line per entry-point call, oldest first, in the form {@code
     * name(arg=value, ...) -> rc sqlcode=N}. The newest 100000 lines are kept.
     *
     * @return the lines, never null
     */
    public static String[] journal() {
        return orEmpty(nativeJournal(null));
    }

    /**
     * The journal lines of one entry point.
     *
     * @param entry the exported name
     * @return the lines of calls of that entry point, oldest first, never null
     */
    public static String[] journal(String entry) {
        if (entry == null) {
            throw new IllegalArgumentException("entry is null");
        }
        return orEmpty(nativeJournal(entry));
    }

    /** Empties the journal. */
    public static void clearJournal() {
        nativeClearJournal();
    }

    /**
     * Application contexts that exist now.
     *
     * @return the count
     */
    public static long liveContexts() {
        return nativeCounter("contexts");
    }

    /**
     * CLI handles (environments, connections, statements) allocated and not freed.
     *
     * @return the count
     */
    public static long liveCliHandles() {
        return nativeCounter("cli_handles");
    }

    /**
     * Directory, history and other scans opened and not closed.
     *
     * @return the count
     */
    public static long openScans() {
        return nativeCounter("scans");
    }

    /**
     * Memory blocks the stand-in handed out and the caller has not given back.
     *
     * @return the count
     */
    public static long memoryHandedOut() {
        return nativeCounter("memory");
    }

    /**
     * Open CLI connections: connected and not yet disconnected.
     *
     * @return the count
     */
    public static long liveConnections() {
        return nativeCounter("connections");
    }

    /**
     * Application contexts attached to the instance.
     *
     * @return the count
     */
    public static long liveAttachments() {
        return nativeCounter("attachments");
    }

    /**
     * Adds a user of the instance, or changes the password of one; the state folder keeps it. A
     * fresh instance has one user, named like the instance, with the password {@code "db2sim"}.
     *
     * @param user 1 to 8 letters, digits or {@code _$#@}; compared case-insensitively
     * @param password not empty, no control characters
     * @throws IllegalArgumentException for a refused name or password
     */
    public static void addUser(String user, String password) {
        if (user == null || password == null || nativeAddUser(user, password) != 0) {
            throw new IllegalArgumentException("cannot add user " + user);
        }
    }

    /**
     * Stops the database manager: attach and connect then fail with SQL1032N. Attachments and
     * connections made before stay.
     */
    public static void stopInstance() {
        nativeSetStarted(false);
    }

    /** Starts the database manager again (a fresh instance is started). */
    public static void startInstance() {
        nativeSetStarted(true);
    }

    /**
     * Brings the instance back to a fresh state: ends every context of every thread, drops
     * attachments and CLI handles, starts the database manager, frees handed-out memory, clears
     * faults and journal, restores the default product signature, closes directory scans and
     * reads the state folder (users, databases, directories) again.
     */
    public static void reset() {
        nativeReset();
    }

    /**
     * Sets the product signature the stand-in reports in every sqlca, so the application sees an
     * older client, e.g. {@code "SQL08020"} for 8.2.
     *
     * @param signature three letters and five digits
     * @throws IllegalArgumentException for any other text
     */
    public static void setProductSignature(String signature) {
        if (signature == null || nativeSetProduct(signature) != 0) {
            throw new IllegalArgumentException("not a product signature: " + signature);
        }
    }

    /**
     * The product signature the stand-in reports now.
     *
     * @return e.g. {@code "SQL09074"}
     */
    public static String productSignature() {
        return nativeProduct();
    }

    /**
     * The state folder: {@code DB2SIM_HOME}, else {@code $XDG_DATA_HOME/db2sim}, else {@code
     * ~/.local/share/db2sim}.
     *
     * @return the folder's path
     */
    public static String home() {
        return nativeHome();
    }

    /**
     * Catalogs indirect database directory entries {@code D0000001} to {@code Dnnnnnnn} in one
     * step (aliases already catalogued are skipped), for listings of many entries.
     *
     * @param n how many, 0 to 9,999,999
     * @throws IllegalArgumentException for any other count
     */
    public static void fillDatabaseDirectory(int n) {
        if (nativeFillDatabaseDirectory(n) != 0) {
            throw new IllegalArgumentException("cannot fill the database directory with " + n);
        }
    }

    /**
     * Makes another instance known to the state folder, so a catalogued node can lead to it: a
     * TCP/IP node on this host whose service name is the instance name, or a local or named-pipe
     * node naming it. Attaching through such a node attaches to that instance.
     *
     * @param name 1 to 8 letters, digits or {@code _$#@}
     * @throws IllegalArgumentException for a refused name
     */
    public static void addInstance(String name) {
        if (name == null || nativeAddInstance(name) != 0) {
            throw new IllegalArgumentException("cannot add instance " + name);
        }
    }

    /**
     * The rows of a table of a database, one line each as an export to a DEL file writes them
     * (numbers bare, text in double quotes, null empty).
     *
     * @param database the database's name
     * @param table {@code SCHEMA.NAME}, or {@code NAME} in the instance owner's schema
     * @return the lines, empty for an unknown table
     */
    public static String tableRows(String database, String table) {
        String text = nativeTableRows(database, table);
        return text == null ? "" : text;
    }

    /**
     * The state of a table as a load query reports it: 0 normal, 0x40 load pending, ...
     *
     * @param database the database's name
     * @param table {@code SCHEMA.NAME}, or {@code NAME} in the instance owner's schema
     * @return the state bits, -1 for an unknown table
     */
    public static long tableState(String database, String table) {
        return nativeTableState(database, table);
    }

    private static void inject(String entry, int kind, int sqlcode, String tokens, int times) {
        if (entry == null) {
            throw new IllegalArgumentException("entry is null");
        }
        if (nativeInject(entry, kind, sqlcode, tokens, times) != 0) {
            throw new IllegalArgumentException(
                    "cannot inject into " + entry + " (sqlcode " + sqlcode + ", times " + times
                            + ")");
        }
    }

    private static String[] orEmpty(String[] lines) {
        return lines == null ? new String[0] : lines;
    }

    private static native int nativeInject(
            String entry, int kind, int sqlcode, String tokens, int times);

    private static native void nativeClearFaults();

    private static native String[] nativeJournal(String entry);

    private static native void nativeClearJournal();

    private static native long nativeCounter(String name);

    private static native void nativeReset();

    private static native int nativeSetProduct(String signature);

    private static native String nativeProduct();

    private static native String nativeHome();

    private static native int nativeAddUser(String user, String password);

    private static native void nativeSetStarted(boolean started);

    private static native int nativeFillDatabaseDirectory(int n);

    private static native int nativeAddInstance(String name);

    private static native String nativeTableRows(String database, String table);

    private static native long nativeTableState(String database, String table);
}
