package com.qorvath.db2command.console;

import java.io.PrintStream;
import java.util.Arrays;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * The command-line console, the entry point of the jar: {@code java -jar tarvinex.jar <command>
 * [arguments]}.
 *
 * <p>Commands are kept in a registry by name. Exit status: 0 on success, 1 when a command fails
 * or the native library cannot be loaded, 2 for a usage error.
 */
public final class Console {
    /** Exit status of a usage error. */
    public static final int EXIT_USAGE = 2;
    /** Exit status of a failure, the native library's among them. */
    public static final int EXIT_FAILURE = 1;

    private final Map<String, ConsoleCommand> commands = new LinkedHashMap<>();
    private final PrintStream out;
    private final PrintStream err;

    /**
     * Creates a console with no commands.
     *
     * @param out where results and the requested usage go
     * @param err where errors go
     */
    public Console(PrintStream out, PrintStream err) {
        this.out = out;
        this.err = err;
    }

    /**
     * Creates a console with the standard commands.
     *
     * @param out where results and the requested usage go
     * @param err where errors go
     * @return the console
     */
    public static Console withStandardCommands(PrintStream out, PrintStream err) {
        Console console = new Console(out, err);
        console.register("version", new VersionCommand());
        return console;
    }

    /**
     * Registers a command, replacing one of the same name.
     *
     * @param name the name typed on the command line
     * @param command the command
     */
    public void register(String name, ConsoleCommand command) {
        commands.put(name, command);
    }

    /**
     * Returns the registered commands by name, in registration order.
     *
     * @return an unmodifiable view
     */
    public Map<String, ConsoleCommand> commands() {
        return Collections.unmodifiableMap(commands);
    }

    /**
     * Runs the console on command-line arguments.
     *
     * @param args the arguments: {@code --help}, or a command name and its arguments
     * @return the exit status
     */
    public int run(String... args) {
        if (args.length == 1 && (args[0].equals("--help") || args[0].equals("-h"))) {
            printUsage(out);
            return 0;
        }
        ConsoleCommand command = args.length == 0 ? null : commands.get(args[0]);
        if (command == null) {
            return usageError(
                    args.length == 0 ? "no command given" : "unknown command: " + args[0]);
        }
        return runCommand(command, Arrays.asList(args).subList(1, args.length));
    }

    private int runCommand(ConsoleCommand command, List<String> arguments) {
        try {
            return command.run(arguments, out, err);
        } catch (IllegalArgumentException e) {
            return usageError(e.getMessage());
        } catch (UnsatisfiedLinkError e) {
            err.println("tarvinex: " + oneLine(e.getMessage()));
            return EXIT_FAILURE;
        }
    }

    private int usageError(String message) {
        err.println("tarvinex: " + oneLine(message));
        printUsage(err);
        return EXIT_USAGE;
    }

    private void printUsage(PrintStream stream) {
        stream.println("usage: java -jar tarvinex.jar <command> [arguments]");
        stream.println("       java -jar tarvinex.jar --help");
        stream.println("commands:");
        for (Map.Entry<String, ConsoleCommand> entry : commands.entrySet()) {
            String synopsis = entry.getValue().synopsis();
            String left = entry.getKey() + (synopsis.isEmpty() ? "" : " " + synopsis);
            stream.println(String.format("  %-20s %s", left, entry.getValue().description()));
        }
    }

    private static String oneLine(String text) {
        return text == null ? "" : text.replaceAll("\\s*[\\r\\n]+\\s*", " ").trim();
    }

    /**
     * Runs the console and exits the process with its status.
     *
     * @param args the command-line arguments
     */
    public static void main(String[] args) {
        System.exit(withStandardCommands(System.out, System.err).run(args));
    }
}
