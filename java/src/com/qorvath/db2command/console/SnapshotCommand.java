package com.qorvath.db2command.console;

import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.monitor.MonitorSnapshot;
import com.qorvath.db2command.monitor.MonitorElement;
import com.qorvath.db2command.monitor.MonitorSnapshot.EnumSnapshotType;
import com.qorvath.db2command.monitor.MonitorStreamDecoder;
import com.qorvath.db2command.monitor.MonitorStreamException;
import java.io.PrintStream;
import java.nio.ByteBuffer;
import java.sql.SQLException;
import java.util.List;
import java.util.Locale;
import java.util.function.Supplier;

/**
 * Takes a database-monitor snapshot on the session's run-time context and shows it decoded: as
 * tables (a line with the stream's size first), or in JSON mode as one JSON object.
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
        return "take a database-monitor snapshot and show it as tables (JSON with --json)";
    }

    /**
     * Takes the snapshot and shows it as tables.
     *
     * @param arguments Name=value settings
     * @param out where the snapshot goes
     * @param err where a failure is reported
     * @return 0, or 1 when no snapshot was taken or it cannot be read
     */
    @Override
    public int run(List<String> arguments, PrintStream out, PrintStream err) {
        return run(arguments, out, err, false);
    }

    /**
     * Prints the snapshot as one JSON object in JSON mode.
     *
     * @return true
     */
    @Override
    public boolean writesJson() {
        return true;
    }

    /**
     * Takes the snapshot and shows it.
     *
     * @param arguments Name=value settings
     * @param out where the snapshot goes: tables, or one JSON object when {@code json}
     * @param err where a failure is reported
     * @param json true for JSON
     * @return 0, or 1 when no snapshot was taken or it cannot be read
     */
    @Override
    public int run(List<String> arguments, PrintStream out, PrintStream err, boolean json) {
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
        MonitorElement snapshot;
        try {
            snapshot = MonitorStreamDecoder.decode(stream);
        } catch (MonitorStreamException e) {
            err.println("The snapshot cannot be read: " + e.getMessage());
            return 1;
        }
        if (json) {
            out.println(SnapshotView.json(snapshot));
            return 0;
        }
        out.println("Snapshot of " + type + (object == null ? "" : " " + object) + ": "
                + stream.capacity() + " bytes");
        out.println();
        out.print(SnapshotView.tables(snapshot));
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
