package com.qorvath.db2command.console;

import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.monitor.MonitorSnapshot;
import com.qorvath.db2command.monitor.MonitorSnapshot.EnumSnapshotType;
import com.qorvath.db2command.monitor.MonitorSnapshot.Header;
import java.io.PrintStream;
import java.nio.ByteBuffer;
import java.sql.SQLException;
import java.util.List;
import java.util.Locale;
import java.util.function.Supplier;

/**
 * Takes a database-monitor snapshot on the session's run-time context and prints the stream's
 * size and its first element header.
 */
public final class SnapshotCommand implements ConsoleCommand {
    private final Supplier<DB2CommandRuntimeContext> context;

    /**
     * Creates the command.
     *
     * @param context answers the run-time context the session shares
     */
    public SnapshotCommand(Supplier<DB2CommandRuntimeContext> context) {
        this.context = context;
    }

    /**
     * Returns the synopsis.
     *
     * @return the arguments
     */
    @Override
    public String synopsis() {
        return "[Type=DATABASE_MANAGER|DATABASE|...] [Object=NAME] [AgentId=N] [Partition=N]";
    }

    /**
     * Returns the description for the usage text.
     *
     * @return the description
     */
    @Override
    public String description() {
        return "take a database-monitor snapshot and show its size and first header";
    }

    /**
     * Takes the snapshot.
     *
     * @param arguments Name=value settings
     * @param out where the size and header go
     * @param err where a failure is reported
     * @return 0, or 1 when no snapshot was taken
     */
    @Override
    public int run(List<String> arguments, PrintStream out, PrintStream err) {
        EnumSnapshotType type = EnumSnapshotType.DATABASE_MANAGER;
        String object = null;
        int agentId = 0;
        int partition = MonitorSnapshot.CURRENT_PARTITION;
        for (String argument : arguments) {
            int equals = argument.indexOf('=');
            if (equals <= 0) {
                throw new IllegalArgumentException("snapshot takes Name=value settings: "
                        + argument);
            }
            String name = argument.substring(0, equals).toLowerCase(Locale.ROOT);
            String value = argument.substring(equals + 1);
            switch (name) {
                case "type" -> type = type(value);
                case "object" -> object = value;
                case "agentid" -> agentId = number(name, value);
                case "partition" -> partition = number(name, value);
                default -> throw new IllegalArgumentException("snapshot has no setting "
                        + argument.substring(0, equals));
            }
        }
        TarvinexUtil.ensureLoaded();
        ByteBuffer stream;
        try {
            stream = MonitorSnapshot.take(type, object, agentId, partition, context.get());
        } catch (SQLException e) {
            err.println(e.getMessage());
            return 1;
        }
        if (stream == null) {
            err.println("DB2 gave no snapshot of " + type
                    + (object == null ? "" : " " + object) + ".");
            return 1;
        }
        Header first = MonitorSnapshot.header(stream, 0);
        out.println("Snapshot of " + type + (object == null ? "" : " " + object) + ": "
                + stream.capacity() + " bytes");
        out.println("First element: size " + first.size() + ", type " + first.type()
                + (first.type() == MonitorSnapshot.TYPE_HEADER ? " (logical group)" : "")
                + ", element " + first.element()
                + (first.element() == MonitorSnapshot.ELEMENT_COLLECTED ? " (collected)" : ""));
        return 0;
    }

    private static EnumSnapshotType type(String value) {
        try {
            return EnumSnapshotType.valueOf(value.toUpperCase(Locale.ROOT).replace('-', '_'));
        } catch (IllegalArgumentException e) {
            throw new IllegalArgumentException("no snapshot type " + value + "; one of "
                    + List.of(EnumSnapshotType.values()));
        }
    }

    private static int number(String name, String value) {
        try {
            return Integer.parseInt(value.strip());
        } catch (NumberFormatException e) {
            throw new IllegalArgumentException(name + " is not a number: " + value);
        }
    }
}
