package com.qorvath.db2command.console;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import java.io.IOException;
import java.io.InputStream;
import java.io.PrintStream;
import java.io.UncheckedIOException;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.Map;
import java.util.TreeMap;

/**
 * The console, the entry point of the jar: runs DB2 commands and console commands, one per line,
 * from a file ({@code -f FILE}), from the arguments (one command line), or typed at a prompt.
 *
 * <p>DB2 commands are the command classes {@link CommandDiscovery} finds; console commands are
 * registered by name, and {@code help}, {@code context} and {@code quit}/{@code exit} are built
 * in. One run-time context serves the whole run. Exit status: 0 when every command succeeded, 1
 * when one failed (or the native library cannot be loaded), 2 for a usage error; with several,
 * the highest. Reading stops at the first failure unless {@code --keep-going}; at a prompt it
 * goes on, and the status is 0.
 *
 * <p>A file and standard input are read alike, as UTF-8: a line that is not valid UTF-8 is a
 * usage error of its own (a comment is skipped as ever), never decoded by guesswork.
 */
public final class Console {
    /** Exit status of a usage error. */
    public static final int EXIT_USAGE = 2;
    /** Exit status of a failure, the native library's among them. */
    public static final int EXIT_FAILURE = 1;
    /** The prompt, shown at a terminal and before each echoed line of a file. */
    public static final String PROMPT = "db2 => ";
    /** The blanks a message's line breaks are joined across. */
    private static final String BLANKS = " \t\n\u000B\f\r";

    private final Map<String, ConsoleCommand> commands = new LinkedHashMap<>();
    private final Map<String, Class<? extends DB2Command>> db2Commands = new TreeMap<>();
    private final PrintStream out;
    private final PrintStream err;
    private DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
    private CommandExecutor executor = CommandExecutor.NATIVE;
    private LineSource standardInput;
    private boolean standardInputIsTerminal;

    /**
     * Creates a console with no commands but the built-in ones, reading standard input (at a
     * prompt when it is a terminal).
     *
     * @param out where results and the requested usage go
     * @param err where errors go
     */
    public Console(PrintStream out, PrintStream err) {
        this.out = out;
        this.err = err;
        java.io.Console terminal = System.console();
        standardInputIsTerminal = terminal != null;
        standardInput = terminal != null
                ? LineSource.of(terminal)
                : LineSource.of(System.in, out);
    }

    /**
     * Creates a console with the standard commands: {@code version}, {@code snapshot} and every
     * DB2 command class found on the class path.
     *
     * @param out where results and the requested usage go
     * @param err where errors go
     * @return the console
     */
    public static Console withStandardCommands(PrintStream out, PrintStream err) {
        Console console = new Console(out, err);
        console.register("version", new VersionCommand());
        console.register("snapshot", new SnapshotCommand(console::context));
        ClassLoader loader = Thread.currentThread().getContextClassLoader();
        if (loader == null) {
            loader = Console.class.getClassLoader();
        }
        console.db2Commands.putAll(CommandDiscovery.discover(loader));
        return console;
    }

    /**
     * Registers a console command, replacing one of the same name.
     *
     * @param name the name typed on the command line
     * @param command the command
     */
    public void register(String name, ConsoleCommand command) {
        commands.put(name, command);
    }

    /**
     * Returns the registered console commands by name, in registration order.
     *
     * @return an unmodifiable view
     */
    public Map<String, ConsoleCommand> commands() {
        return Collections.unmodifiableMap(commands);
    }

    /**
     * Adds a DB2 command class under the name its type gives it.
     *
     * @param type the class: public, concrete, with a public constructor without arguments
     * @return the console name
     * @throws IllegalArgumentException when the class cannot be run as a command
     */
    public String addDB2Command(Class<? extends DB2Command> type) {
        Map<String, Class<? extends DB2Command>> named =
                CommandDiscovery.byName(Collections.singletonList(type));
        if (named.isEmpty()) {
            throw new IllegalArgumentException(type.getName() + " is not a runnable command class");
        }
        db2Commands.putAll(named);
        return named.keySet().iterator().next();
    }

    /**
     * Returns the DB2 command classes by console name.
     *
     * @return an unmodifiable view, sorted by name
     */
    public Map<String, Class<? extends DB2Command>> db2Commands() {
        return Collections.unmodifiableMap(db2Commands);
    }

    /**
     * Replaces what runs the DB2 commands (the native library by default).
     *
     * @param executor the executor
     */
    public void setExecutor(CommandExecutor executor) {
        this.executor = executor;
    }

    /**
     * Returns the run-time context the console's commands share.
     *
     * @return the context
     */
    public DB2CommandRuntimeContext context() {
        return context;
    }

    /**
     * Replaces the run-time context, before a run.
     *
     * @param context the context
     */
    public void setContext(DB2CommandRuntimeContext context) {
        this.context = context;
    }

    /**
     * Replaces standard input.
     *
     * @param input where lines come from
     * @param terminal true to read at a prompt when no command and no file is given
     */
    public void setStandardInput(LineSource input, boolean terminal) {
        this.standardInput = input;
        this.standardInputIsTerminal = terminal;
    }

    /**
     * Runs the console on command-line arguments.
     *
     * @param args options, then a command line or nothing
     * @return the exit status
     */
    public int run(String... args) {
        ConsoleOptions options;
        try {
            options = ConsoleOptions.parse(args);
        } catch (IllegalArgumentException e) {
            return usageError(e.getMessage());
        }
        ConsoleSession session = new ConsoleSession(commands, db2Commands, context, executor);
        session.setJson(options.json());
        if (options.help()) {
            printUsage(out);
            out.println();
            session.execute(Collections.singletonList("help")).output().forEach(out::println);
            return 0;
        }
        ResultWriter writer = new ResultWriter(out, err, options.json());
        if (options.file() != null) {
            return runFile(session, writer, options);
        }
        if (!options.command().isEmpty()) {
            return runArguments(session, writer, options);
        }
        if (standardInputIsTerminal) {
            return runLines(session, writer, standardInput, false, PROMPT, true);
        }
        return usageError("no command given (-f - reads commands from standard input)");
    }

    private int runArguments(ConsoleSession session, ResultWriter writer, ConsoleOptions options) {
        CommandResult result = session.execute(options.command());
        writer.write(result);
        if (result.status() == EXIT_USAGE && !writer.isJson()) {
            err.println("usage: tarvinex COMMAND [Name=value ...]   ('tarvinex help' lists the"
                    + " commands, 'tarvinex help COMMAND' one command's parameters)");
        }
        return result.status();
    }

    private int runFile(ConsoleSession session, ResultWriter writer, ConsoleOptions options) {
        String file = options.file();
        if (file.equals("-")) {
            return runLines(session, writer, standardInput, !writer.isJson(), null,
                    options.keepGoing());
        }
        try (InputStream input = Files.newInputStream(Paths.get(file))) {
            return runLines(session, writer, LineSource.of(input, out), !writer.isJson(), null,
                    options.keepGoing());
        } catch (IOException | UncheckedIOException | java.nio.file.InvalidPathException e) {
            err.println(PrintableText.of(
                    "tarvinex: cannot read " + file + ": " + oneLine(e.toString())));
            return EXIT_USAGE;
        }
    }

    /**
     * Runs lines until the input ends, {@code quit}, or a failure when not keeping going. At a
     * prompt every line runs and the status is 0: a mistyped line was already answered.
     *
     * @return the highest exit status seen, or 0 at a prompt
     */
    private int runLines(ConsoleSession session, ResultWriter writer, LineSource source,
            boolean echo, String prompt, boolean keepGoing) {
        boolean spaced = echo || (prompt != null && !writer.isJson());
        int worst = 0;
        while (true) {
            String line;
            CommandResult refused = null;
            try {
                line = source.readLine(prompt);
            } catch (MalformedLineException e) {
                line = e.text();
                refused = CommandResult.failed("", EXIT_USAGE, "tarvinex: " + e.getMessage());
            } catch (IOException | UncheckedIOException e) {
                err.println("tarvinex: cannot read the commands: " + oneLine(e.toString()));
                return Math.max(worst, EXIT_FAILURE);
            }
            if (line == null && prompt != null) {
                out.println();
            }
            if (line == null) {
                return prompt != null ? 0 : worst;
            }
            if (ConsoleSession.isBlankOrComment(line)) {
                continue;
            }
            if (echo) {
                out.println(PrintableText.of(PROMPT + ConsoleSession.echoText(line)));
            }
            CommandResult result = refused != null ? refused : session.executeLine(line);
            writer.write(result);
            if (spaced && !result.isQuit()) {
                out.println();
            }
            worst = Math.max(worst, result.status());
            if (result.isQuit() || (!result.ok() && !keepGoing)) {
                return prompt != null ? 0 : worst;
            }
        }
    }

    private int usageError(String message) {
        err.println(PrintableText.of("tarvinex: " + oneLine(message)));
        printUsage(err);
        return EXIT_USAGE;
    }

    private static void printUsage(PrintStream stream) {
        stream.println("usage: tarvinex [--json] [--keep-going] -f FILE   commands from a file"
                + " (- for standard input)");
        stream.println("       tarvinex [--json] COMMAND [Name=value ...]  one command");
        stream.println("       tarvinex                                    commands at a prompt"
                + " (on a terminal)");
        stream.println("       tarvinex --help");
    }

    /**
     * Joins the lines of a message into one.
     *
     * @param text the message, may be null
     * @return the text on one line
     */
    static String oneLine(String text) {
        if (text == null) {
            return "";
        }
        // One pass: a pattern would try every blank of a long run as a start, in quadratic time.
        StringBuilder joined = new StringBuilder(text.length());
        int start = 0;
        while (start < text.length()) {
            int end = start;
            while (end < text.length() && BLANKS.indexOf(text.charAt(end)) >= 0) {
                end++;
            }
            if (end == start) {
                joined.append(text.charAt(start++));
                continue;
            }
            String run = text.substring(start, end);
            boolean breaks = run.indexOf('\n') >= 0 || run.indexOf('\r') >= 0;
            joined.append(breaks ? " " : run);
            start = end;
        }
        return joined.toString().trim();
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
