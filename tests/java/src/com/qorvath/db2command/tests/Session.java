package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAttach;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDetach;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.Arrays;
import java.util.List;

/**
 * What the command tests share: a run-time context and a result container on the stand-in,
 * commands run through the library, attach and connect, and the end-of-test check that the
 * client holds no context.
 */
abstract class Session {
    /** What follows the getter's name when a text bound for DB2 holds U+0000. */
    static final String HOLDS_NUL =
            "() returned a text holding U+0000, which DB2 would read as a shorter one";

    DB2CommandRuntimeContext context;
    DB2APIDataContainer box;
    /** Each run gets an empty container (tests that read only the last command's rows). */
    boolean oneBoxPerRun;

    /** Resets the stand-in and starts on `fresh` at client level 9.7.4 with an empty container. */
    void begin(DB2CommandRuntimeContext fresh) {
        Db2Sim.reset();
        context = fresh;
        context.setClientVersion(new ServerVersion(9, 7, 4));
        box = new DB2APIDataContainer();
    }

    void begin() {
        begin(new DB2CommandRuntimeContext());
    }

    boolean run(DB2Command command) throws SQLException {
        if (oneBoxPerRun) {
            box = new DB2APIDataContainer();
        }
        return TarvinexUtil.executeDB2Command(command, context, box);
    }

    /** The message of the SQLException the command must raise. */
    String failure(DB2Command command) {
        return assertThrows(SQLException.class, () -> run(command)).getMessage();
    }

    static List<String> journal(String entry) {
        return Arrays.asList(Db2Sim.journal(entry));
    }

    /** The index of the first journal line starting with `prefix`, or -1. */
    static int indexOf(List<String> lines, String prefix) {
        for (int i = 0; i < lines.size(); i++) {
            if (lines.get(i).startsWith(prefix)) {
                return i;
            }
        }
        return -1;
    }

    /** The instance the stand-in serves: $DB2INSTANCE, as DB2 reads it, or db2inst1. */
    static String instanceName() {
        String name = System.getenv("DB2INSTANCE");
        return name == null || name.isEmpty() ? "db2inst1" : name;
    }

    /** Attaches to the local instance; the container and journal start empty after it. */
    void attach() throws SQLException {
        assertTrue(run(new DB2CommandAttach()));
        box = new DB2APIDataContainer();
        Db2Sim.clearJournal();
    }

    /** Connects to `alias`; the container and journal start empty after it. */
    void connect(String alias) throws SQLException {
        assertTrue(run(new DB2CommandConnect(alias, "", "")));
        box = new DB2APIDataContainer();
        Db2Sim.clearJournal();
    }

    /**
     * Clears faults, ends a connection and an attachment the test left open (each must end
     * cleanly), and checks that no context is left.
     */
    void endAll() throws SQLException {
        Db2Sim.clearFaults();
        if (context.isConnected()) {
            assertTrue(run(new DB2CommandDisconnect()));
        }
        if (context.isAttached()) {
            assertTrue(run(new DB2CommandDetach()));
        }
        assertEquals(0, Db2Sim.liveContexts(), "contexts");
    }

    /**
     * Runs a command whose outcome does not matter here (the stand-in may refuse it) and returns
     * the one call of `entry` the journal holds.
     */
    String onlyCall(DB2Command command, String entry) {
        try {
            run(command);
        } catch (SQLException e) {
            // what DB2 was handed is the point
        }
        String[] calls = Db2Sim.journal(entry);
        assertEquals(1, calls.length, entry + " called once");
        return calls[0];
    }

    /** As onlyCall, on a journal cleared first. */
    String handed(DB2Command command, String entry) {
        Db2Sim.clearJournal();
        return onlyCall(command, entry);
    }

    /** The value of argument `name` in a journal line. */
    static String field(String call, String name) {
        int at = call.indexOf(" " + name + "=");
        if (at < 0) {
            at = call.indexOf("(" + name + "=");
        }
        assertTrue(at >= 0, name + " in " + call);
        int start = at + name.length() + 2;
        int end = call.indexOf(", ", start);
        int close = call.indexOf(") -> ", start);
        if (end < 0 || (close >= 0 && close < end)) {
            end = close;
        }
        return call.substring(start, end);
    }

    /** Fails unless the line holds every one of the parts. */
    static void assertContains(String line, String... parts) {
        for (String part : parts) {
            assertTrue(line.contains(part), () -> "'" + part + "' in " + line);
        }
    }
}
