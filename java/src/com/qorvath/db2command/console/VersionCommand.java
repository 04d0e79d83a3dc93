package com.qorvath.db2command.console;

import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.ServerVersion;
import java.io.PrintStream;
import java.util.List;
import java.util.function.Supplier;

/** Prints the DB2 client's version, as the native library reports it. */
public final class VersionCommand implements ConsoleCommand {
    private final Supplier<String> clientLevel;

    /** Creates the command reading the level from the native library. */
    public VersionCommand() {
        this(VersionCommand::nativeClientLevel);
    }

    /**
     * Creates the command with another source of the client level.
     *
     * @param clientLevel answers the five-digit level text, such as "09074"
     */
    public VersionCommand(Supplier<String> clientLevel) {
        this.clientLevel = clientLevel;
    }

    private static String nativeClientLevel() {
        TarvinexUtil.ensureLoaded();
        return TarvinexUtil.getClientVersion();
    }

    /**
     * Returns the synopsis: the command takes no arguments.
     *
     * @return empty text
     */
    @Override
    public String synopsis() {
        return "";
    }

    /**
     * Returns the description for the usage text.
     *
     * @return the description
     */
    @Override
    public String description() {
        return "print the DB2 client version";
    }

    /**
     * Prints "DB2 client version 9.7.4 (09074)".
     *
     * @param arguments must be empty
     * @param out where the version goes
     * @param err where an unreadable level is reported
     * @return 0, or 1 when the client reports no readable level
     */
    @Override
    public int run(List<String> arguments, PrintStream out, PrintStream err) {
        if (!arguments.isEmpty()) {
            throw new IllegalArgumentException("version takes no arguments: " + arguments);
        }
        String level = clientLevel.get();
        ServerVersion version = ServerVersion.parse(level);
        if (version == null) {
            err.println("tarvinex: the DB2 client reported no readable version level"
                    + (level == null ? "" : " (\"" + level.trim() + "\")")
                    + "; is libdb2.so on the library path?");
            return 1;
        }
        out.println("DB2 client version " + version + " (" + level.trim() + ")");
        return 0;
    }
}
