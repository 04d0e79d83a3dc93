package com.qorvath.db2command.console;

import com.qorvath.db2command.util.DB2APIDataContainer;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/** What one console line did: its table or text, its warnings, its error and exit status. */
public final class CommandResult {
    /** Exit status of success. */
    public static final int OK = 0;

    private final String command;
    private final boolean db2Command;
    private int status = OK;
    private String error;
    private final DB2APIDataContainer table = new DB2APIDataContainer();
    private final List<String> warnings = new ArrayList<>();
    private final List<String> output = new ArrayList<>();
    private boolean quit;
    private String data;

    /**
     * Creates a successful result with nothing in it yet.
     *
     * @param command the command name
     * @param db2Command true when the line ran a DB2 command through the library
     */
    CommandResult(String command, boolean db2Command) {
        this.command = command;
        this.db2Command = db2Command;
    }

    /**
     * Makes the result of a line that failed before anything ran.
     *
     * @param command the command name as typed
     * @param status the exit status
     * @param error the message
     * @return the result
     */
    static CommandResult failed(String command, int status, String error) {
        return new CommandResult(command, false).fail(status, error);
    }

    /**
     * Marks the result failed.
     *
     * @param exitStatus the exit status, not 0
     * @param message the message for the user
     * @return this result
     */
    CommandResult fail(int exitStatus, String message) {
        status = exitStatus;
        error = message == null ? null : message.stripTrailing();
        return this;
    }

    /**
     * Returns the container holding the result table.
     *
     * @return the container, filled by the command
     */
    DB2APIDataContainer table() {
        return table;
    }

    void addWarnings(List<String> texts) {
        warnings.addAll(texts);
    }

    void addOutput(String text) {
        text.lines().forEach(output::add);
    }

    void setData(String json) {
        data = json;
    }

    void markQuit() {
        quit = true;
    }

    /**
     * Returns the command name.
     *
     * @return the name, as the console knows it, or as typed when it is unknown
     */
    public String command() {
        return command;
    }

    /**
     * Tells whether the line ran a DB2 command through the library.
     *
     * @return true for a DB2 command, false for a console command
     */
    public boolean isDB2Command() {
        return db2Command;
    }

    /**
     * Tells whether the line succeeded.
     *
     * @return true when the status is 0
     */
    public boolean ok() {
        return status == OK;
    }

    /**
     * Returns the exit status: 0, {@link Console#EXIT_FAILURE} or {@link Console#EXIT_USAGE}.
     *
     * @return the status
     */
    public int status() {
        return status;
    }

    /**
     * Returns the error message.
     *
     * @return the message, or null on success
     */
    public String error() {
        return error;
    }

    /**
     * Returns the column names of the result table.
     *
     * @return the names; empty when the command produced no table
     */
    public List<String> columns() {
        return table.getColumnNames();
    }

    /**
     * Returns the rows of the result table.
     *
     * @return the rows, one text per column (null for unset cells)
     */
    public List<List<String>> rows() {
        return table.getRows();
    }

    /**
     * Returns the DB2 warnings the command left.
     *
     * @return the warnings, oldest first
     */
    public List<String> warnings() {
        return Collections.unmodifiableList(warnings);
    }

    /**
     * Returns the text lines a console command printed.
     *
     * @return the lines
     */
    public List<String> output() {
        return Collections.unmodifiableList(output);
    }

    /**
     * Tells whether the line asked the console to stop.
     *
     * @return true after {@code quit} or {@code exit}
     */
    public boolean isQuit() {
        return quit;
    }

    /**
     * Returns the JSON value a console command printed in JSON mode.
     *
     * @return the value as JSON text, or null when the command printed text
     */
    public String data() {
        return data;
    }
}
