package com.qorvath.db2command.console;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.EnumDB2CommandType;
import com.qorvath.db2command.util.DB2APIDataContainer;
import java.io.ByteArrayOutputStream;
import java.io.PrintStream;
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Set;
import java.util.TreeSet;

/**
 * Runs console lines against one run-time context: the built-in commands ({@code help},
 * {@code context}, {@code quit}/{@code exit}), the registered console commands, and the DB2
 * commands through the native library.
 */
public final class ConsoleSession {
    /** The run-time-context settings {@code context Name=value} may change. */
    static final Set<String> CONTEXT_SETTINGS = Set.of("AttachNodeId", "ConnectNodeId",
            "DatabaseConnectionUserId", "DatabaseConnectionPassword", "RemoteInstanceName",
            "RemoteDatabaseName");

    /** What {@code context} shows, in this order; each is read through its getter. */
    private static final List<String> CONTEXT_VIEW = List.of("Attached",
            "InstanceConnectionContext", "AttachNodeId", "InstanceServerVersion", "ServerIdentity",
            "ServerPlatformType", "AuthorizationId", "NodeName", "ServerRegionCode",
            "ServerCodePage", "ServerAgentId", "ServerAgentIndex", "NodeNumber",
            "NumOfDbPartitions", "Connected", "DatabaseAlias", "DatabaseConnectionContext",
            "DatabaseConnectionEnvHandler", "DatabaseConnectionDbcHandler", "ConnectNodeId",
            "DatabaseServerVersion", "DatabaseConnectionUserId", "DatabaseConnectionPassword",
            "RemoteInstanceName", "RemoteDatabaseName", "ClientVersion");

    private static final List<String> BUILT_INS = List.of("help", "context", "quit", "exit");

    private final Map<String, ConsoleCommand> consoleCommands;
    private final Map<String, Class<? extends DB2Command>> db2Commands;
    private final DB2CommandRuntimeContext context;
    private final CommandExecutor executor;
    private boolean json;

    /**
     * Creates a session.
     *
     * @param consoleCommands the console commands by name (read as they are at each line)
     * @param db2Commands the DB2 command classes by console name
     * @param context the run-time context kept for the whole session
     * @param executor runs the DB2 commands
     */
    public ConsoleSession(Map<String, ConsoleCommand> consoleCommands,
            Map<String, Class<? extends DB2Command>> db2Commands,
            DB2CommandRuntimeContext context, CommandExecutor executor) {
        this.consoleCommands = consoleCommands;
        this.db2Commands = db2Commands;
        this.context = context;
        this.executor = executor;
    }

    /**
     * Tells the session whether the console writes JSON, for the console commands that print
     * JSON values then.
     *
     * @param json true in JSON mode
     */
    public void setJson(boolean json) {
        this.json = json;
    }

    /**
     * Returns the run-time context of the session.
     *
     * @return the context
     */
    public DB2CommandRuntimeContext context() {
        return context;
    }

    /**
     * Tells whether a line holds no command: blank, or a comment. A line that cannot be read
     * (an open quote) holds one, to be reported.
     *
     * @param line the line
     * @return true when there is nothing to run
     */
    public static boolean isBlankOrComment(String line) {
        try {
            return LineSyntax.words(line).isEmpty();
        } catch (IllegalArgumentException e) {
            return false;
        }
    }

    /**
     * Returns a line as it is echoed before its output: without surrounding blanks, and with the
     * value of every parameter whose name ends in "Password" hidden.
     *
     * @param line the line
     * @return the text to echo
     */
    public static String echoText(String line) {
        List<String> words;
        try {
            words = LineSyntax.words(line);
        } catch (IllegalArgumentException e) {
            return line.strip();
        }
        boolean hidden = false;
        List<String> shown = new ArrayList<>();
        for (String word : words) {
            List<String> nameValue = LineSyntax.split(word, '=', 2);
            boolean secret = nameValue.size() == 2
                    && nameValue.get(0).toLowerCase(Locale.ROOT).endsWith("password");
            shown.add(secret ? nameValue.get(0) + "=********" : word);
            hidden |= secret;
        }
        return hidden ? String.join(" ", shown) : line.strip();
    }

    /**
     * Runs one line.
     *
     * @param line the line
     * @return the result, or null for a blank line or a comment
     */
    public CommandResult executeLine(String line) {
        List<String> words;
        try {
            words = LineSyntax.words(line);
        } catch (IllegalArgumentException e) {
            return CommandResult.failed("", Console.EXIT_USAGE, "tarvinex: " + e.getMessage());
        }
        return words.isEmpty() ? null : execute(words);
    }

    /**
     * Runs one command given as raw words: the command name, then its arguments.
     *
     * @param words the words, quotes still in them; not empty
     * @return the result
     */
    public CommandResult execute(List<String> words) {
        String typed;
        try {
            typed = LineSyntax.unquote(words.get(0));
        } catch (IllegalArgumentException e) {
            return CommandResult.failed(words.get(0), Console.EXIT_USAGE,
                    "tarvinex: " + e.getMessage());
        }
        String name = typed.toLowerCase(Locale.ROOT).replace('_', '-');
        List<String> arguments = words.subList(1, words.size());
        try {
            return dispatch(typed, name, arguments);
        } catch (IllegalArgumentException e) {
            return CommandResult.failed(knownName(name) ? name : typed, Console.EXIT_USAGE,
                    "tarvinex: " + e.getMessage());
        }
    }

    private boolean knownName(String name) {
        return BUILT_INS.contains(name) || consoleCommands.containsKey(name)
                || db2Commands.containsKey(name);
    }

    private CommandResult dispatch(String typed, String name, List<String> arguments) {
        switch (name) {
            case "help":
                return help(arguments);
            case "context":
                return contextCommand(arguments);
            case "quit":
            case "exit":
                CommandResult quit = new CommandResult(name, false);
                quit.markQuit();
                return quit;
            default:
                break;
        }
        if (consoleCommands.containsKey(name)) {
            return runConsoleCommand(name, consoleCommands.get(name), arguments);
        }
        if (db2Commands.containsKey(name)) {
            return runDB2Command(name, db2Commands.get(name), arguments);
        }
        String suggestion = Suggestions.didYouMean(name, allNames());
        throw new IllegalArgumentException("unknown command " + typed
                + (suggestion.isEmpty() ? "; 'help' lists the commands" : suggestion));
    }

    private Set<String> allNames() {
        Set<String> names = new TreeSet<>(BUILT_INS);
        names.addAll(consoleCommands.keySet());
        names.addAll(db2Commands.keySet());
        return names;
    }

    // ---------------------------------------------------------------------------------------
    // Console commands

    private CommandResult runConsoleCommand(String name, ConsoleCommand command,
            List<String> rawArguments) {
        List<String> arguments = new ArrayList<>();
        for (String raw : rawArguments) {
            arguments.add(LineSyntax.unquote(raw));
        }
        ByteArrayOutputStream outBytes = new ByteArrayOutputStream();
        ByteArrayOutputStream errBytes = new ByteArrayOutputStream();
        int status;
        try (PrintStream out = new PrintStream(outBytes, true, StandardCharsets.UTF_8);
                PrintStream err = new PrintStream(errBytes, true, StandardCharsets.UTF_8)) {
            status = command.run(arguments, out, err, json);
        } catch (UnsatisfiedLinkError e) {
            status = Console.EXIT_FAILURE;
            errBytes.writeBytes(("tarvinex: " + Console.oneLine(e.getMessage()))
                    .getBytes(StandardCharsets.UTF_8));
        }
        CommandResult result = new CommandResult(name, false);
        String printed = outBytes.toString(StandardCharsets.UTF_8);
        if (json && command.writesJson() && !printed.isBlank()) {
            result.setData(printed.strip());
        } else {
            result.addOutput(printed);
        }
        String error = errBytes.toString(StandardCharsets.UTF_8).stripTrailing();
        if (status != CommandResult.OK || !error.isEmpty()) {
            result.fail(status, error.isEmpty() ? "The " + name + " command failed." : error);
        }
        return result;
    }

    // ---------------------------------------------------------------------------------------
    // DB2 commands

    private CommandResult runDB2Command(String name, Class<? extends DB2Command> type,
            List<String> arguments) {
        DB2Command command;
        try {
            command = type.getConstructor().newInstance();
        } catch (ReflectiveOperationException | RuntimeException e) {
            return CommandResult.failed(name, Console.EXIT_FAILURE,
                    "tarvinex: cannot make a " + type.getSimpleName() + ": " + e);
        }
        CommandParameters.of(type).apply(command, arguments);
        CommandResult result = new CommandResult(name, true);
        boolean ok = false;
        try {
            ok = executor.execute(command, context, result.table());
        } catch (SQLException e) {
            result.fail(Console.EXIT_FAILURE, e.getMessage());
        } catch (UnsatisfiedLinkError e) {
            result.fail(Console.EXIT_FAILURE, "tarvinex: " + Console.oneLine(e.getMessage()));
        } catch (RuntimeException e) {
            result.fail(Console.EXIT_FAILURE, "tarvinex: the " + name + " command failed: " + e);
        } finally {
            result.addWarnings(context.takeWarningMessages());
        }
        if (!ok && (result.error() == null || result.error().isBlank())) {
            result.fail(Console.EXIT_FAILURE, "The " + name + " command failed.");
        }
        if (ok && EnumDB2CommandType.CONNECT.equals(command.getType())) {
            context.setDatabaseAlias(readText(command, "getAlias"));
        }
        return result;
    }

    private static String readText(Object target, String getter) {
        Object value = read(target, getter);
        return value == null ? null : value.toString();
    }

    private static Object read(Object target, String getter) {
        try {
            Method method = target.getClass().getMethod(getter);
            return method.invoke(target);
        } catch (ReflectiveOperationException | RuntimeException e) {
            return null;
        }
    }

    // ---------------------------------------------------------------------------------------
    // context

    private CommandResult contextCommand(List<String> arguments) {
        CommandResult result = new CommandResult("context", false);
        if (arguments.isEmpty()) {
            showContext(result.table());
            return result;
        }
        CommandParameters settings =
                CommandParameters.of(DB2CommandRuntimeContext.class, CONTEXT_SETTINGS);
        for (String setting : settings.apply(context, arguments)) {
            result.addOutput(setting + " = " + contextValue(setting));
        }
        return result;
    }

    private void showContext(DB2APIDataContainer table) {
        table.addColumn("NAME");
        table.addColumn("VALUE");
        for (String name : CONTEXT_VIEW) {
            table.newRow();
            table.setColumnValue(1, name);
            table.setColumnValue(2, contextValue(name));
        }
    }

    private String contextValue(String name) {
        Object value = read(context, "get" + name);
        if (value == null) {
            value = read(context, "is" + name);
        }
        if (name.endsWith("Password") && value != null) {
            return "********";
        }
        return value == null ? "" : value.toString();
    }

    // ---------------------------------------------------------------------------------------
    // help

    private CommandResult help(List<String> arguments) {
        CommandResult result = new CommandResult("help", false);
        if (arguments.size() > 1) {
            throw new IllegalArgumentException("help takes at most one command name");
        }
        if (arguments.isEmpty()) {
            result.addOutput(overview());
            return result;
        }
        String typed = LineSyntax.unquote(arguments.get(0));
        String name = typed.toLowerCase(Locale.ROOT).replace('_', '-');
        if (db2Commands.containsKey(name)) {
            helpDB2Command(result, name, db2Commands.get(name));
        } else if (name.equals("context")) {
            result.addOutput("context: show the run-time context, or change its settings with"
                    + " Name=value:");
            result.addOutput(parameterTable(
                    CommandParameters.of(DB2CommandRuntimeContext.class, CONTEXT_SETTINGS)));
        } else if (knownName(name)) {
            result.addOutput(builtInLine(name));
        } else {
            throw new IllegalArgumentException("unknown command " + typed
                    + Suggestions.didYouMean(name, allNames()));
        }
        return result;
    }

    private static void helpDB2Command(CommandResult result, String name,
            Class<? extends DB2Command> type) {
        CommandParameters parameters = CommandParameters.of(type);
        String runs = name + ": runs " + type.getSimpleName();
        if (parameters.names().isEmpty()) {
            result.addOutput(runs + "; it takes no parameters.");
            return;
        }
        result.addOutput(runs + " with these Name=value parameters:");
        result.addOutput(parameterTable(parameters));
    }

    private static String parameterTable(CommandParameters parameters) {
        DB2APIDataContainer table = new DB2APIDataContainer();
        table.addColumn("PARAMETER");
        table.addColumn("TYPE");
        for (String parameter : parameters.names()) {
            table.newRow();
            table.setColumnValue(1, parameter);
            table.setColumnValue(2, parameters.describe(parameter));
        }
        return table.toTable();
    }

    private String overview() {
        StringBuilder text = new StringBuilder();
        text.append("One command per line: NAME [Name=value ...]. 'help NAME' lists a command's")
                .append(" parameters.\n")
                .append("Values: \"a b\" or 'a b' for blanks, backslash escapes, lists a,b,c,")
                .append(" maps K=v,K=v; # starts a comment.\n\nDB2 commands:\n");
        for (Map.Entry<String, Class<? extends DB2Command>> entry : db2Commands.entrySet()) {
            String parameters = String.join(" ", CommandParameters.of(entry.getValue()).names());
            text.append(line(entry.getKey(), parameters));
        }
        if (db2Commands.isEmpty()) {
            text.append("  (none found)\n");
        }
        text.append("\nConsole commands:\n");
        for (String name : allNames()) {
            if (!db2Commands.containsKey(name) && !name.equals("exit")) {
                text.append(builtInLine(name)).append('\n');
            }
        }
        return text.toString();
    }

    private String builtInLine(String name) {
        switch (name) {
            case "help":
                return line("help [COMMAND]", "list the commands, or a command's parameters")
                        .stripTrailing();
            case "context":
                return line("context [Name=value ...]",
                        "show the run-time context, or change its settings").stripTrailing();
            case "quit":
            case "exit":
                return line("quit, exit", "stop reading commands").stripTrailing();
            default:
                ConsoleCommand command = consoleCommands.get(name);
                String synopsis = command.synopsis();
                return line(name + (synopsis.isEmpty() ? "" : " " + synopsis),
                        command.description()).stripTrailing();
        }
    }

    private static String line(String left, String right) {
        return String.format("  %-26s %s", left, right).stripTrailing() + "\n";
    }
}
