package com.qorvath.db2command.console;

import java.io.PrintStream;
import java.util.List;

/** One command of the console, registered under a name. */
public interface ConsoleCommand {
    /**
     * Returns the argument synopsis shown in the usage text.
     *
     * @return the synopsis after the command name, empty when the command takes no arguments
     */
    String synopsis();

    /**
     * Returns a one-line description for the usage text.
     *
     * @return the description
     */
    String description();

    /**
     * Runs the command.
     *
     * @param arguments the arguments after the command name
     * @param out where results go
     * @param err where error messages go
     * @return the process exit status: 0 for success
     * @throws IllegalArgumentException when the arguments are not valid; the console then prints
     *     the message and the usage and exits with status 2
     * @throws UnsatisfiedLinkError when the native library is needed but cannot be loaded
     */
    int run(List<String> arguments, PrintStream out, PrintStream err);

    /**
     * Runs the command for a console that writes JSON or text. A command whose output is a JSON
     * value in JSON mode says so with {@link #writesJson()}; others print the same either way.
     *
     * @param arguments the arguments after the command name
     * @param out where results go
     * @param err where error messages go
     * @param json true when the console writes JSON
     * @return the process exit status: 0 for success
     */
    default int run(List<String> arguments, PrintStream out, PrintStream err, boolean json) {
        return run(arguments, out, err);
    }

    /**
     * Tells whether the command prints one JSON value in JSON mode, which the console then
     * writes as the result's {@code data} rather than as lines of text.
     *
     * @return false unless the command overrides it
     */
    default boolean writesJson() {
        return false;
    }
}
