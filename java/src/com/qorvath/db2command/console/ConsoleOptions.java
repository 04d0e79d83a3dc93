package com.qorvath.db2command.console;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * The console's command-line arguments: options first, then at most one command line whose words
 * are the remaining arguments.
 */
public final class ConsoleOptions {
    private static final List<String> OPTIONS =
            List.of("--file", "--json", "--keep-going", "--help");

    private String file;
    private boolean json;
    private boolean keepGoing;
    private boolean help;
    private final List<String> command = new ArrayList<>();

    private ConsoleOptions() {}

    /**
     * Reads the arguments: {@code -f FILE} (or {@code --file FILE}; "-" is standard input),
     * {@code --json}, {@code --keep-going} ({@code -k}), {@code --help} ({@code -h}) alone, and
     * {@code --} or the first other argument starting the command line.
     *
     * @param args the arguments
     * @return the options
     * @throws IllegalArgumentException for an unknown option, a missing file name, or a
     *     combination that makes no sense
     */
    public static ConsoleOptions parse(String... args) {
        ConsoleOptions options = new ConsoleOptions();
        int i = 0;
        for (; i < args.length && options.command.isEmpty(); i++) {
            i = options.option(args, i);
        }
        for (; i < args.length; i++) {
            options.command.add(args[i]);
        }
        options.check(args.length);
        return options;
    }

    /** Reads the option at {@code i}, or starts the command line there; returns the last used. */
    private int option(String[] args, int i) {
        String arg = args[i];
        switch (arg) {
            case "-f":
            case "--file":
                if (i + 1 >= args.length) {
                    throw new IllegalArgumentException(arg + " needs a file name");
                }
                file = args[i + 1];
                return i + 1;
            case "--json":
                json = true;
                return i;
            case "-k":
            case "--keep-going":
                keepGoing = true;
                return i;
            case "-h":
            case "--help":
                help = true;
                return i;
            case "--":
                return startCommand(args, i + 1);
            default:
                break;
        }
        if (arg.startsWith("--file=")) {
            file = arg.substring("--file=".length());
            return i;
        }
        if (arg.startsWith("-") && arg.length() > 1) {
            throw new IllegalArgumentException(
                    "unknown option " + arg + Suggestions.didYouMean(arg, OPTIONS));
        }
        return startCommand(args, i);
    }

    /** Takes {@code args[i]} as the command name; the caller adds the rest. */
    private int startCommand(String[] args, int i) {
        if (i < args.length) {
            command.add(args[i]);
        }
        return i;
    }

    private void check(int argumentCount) {
        if (help && argumentCount > 1) {
            throw new IllegalArgumentException("--help takes no other arguments");
        }
        if (file != null && file.isEmpty()) {
            throw new IllegalArgumentException("-f needs a file name");
        }
        if (file != null && !command.isEmpty()) {
            throw new IllegalArgumentException(
                    "give either -f FILE or a command, not both (" + command.get(0) + ")");
        }
    }

    /**
     * Returns the file to read commands from.
     *
     * @return the file name, "-" for standard input, or null
     */
    public String file() {
        return file;
    }

    /**
     * Tells whether results are written as JSON.
     *
     * @return true with {@code --json}
     */
    public boolean json() {
        return json;
    }

    /**
     * Tells whether the commands after a failed one still run.
     *
     * @return true with {@code --keep-going}
     */
    public boolean keepGoing() {
        return keepGoing;
    }

    /**
     * Tells whether the usage was asked for.
     *
     * @return true with {@code --help}
     */
    public boolean help() {
        return help;
    }

    /**
     * Returns the command line given as arguments.
     *
     * @return its words (the command name first), empty when none was given
     */
    public List<String> command() {
        return Collections.unmodifiableList(command);
    }
}
