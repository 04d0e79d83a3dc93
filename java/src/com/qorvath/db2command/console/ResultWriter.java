package com.qorvath.db2command.console;

import java.io.PrintStream;

/**
 * Prints command results: as text for people (tables, DB2-like closing lines, errors on standard
 * error; what a terminal would not print is escaped) or as one JSON object per command for
 * scripts.
 */
public final class ResultWriter {
    private final PrintStream out;
    private final PrintStream err;
    private final boolean json;

    /**
     * Creates a writer.
     *
     * @param out where results go
     * @param err where errors go in text mode
     * @param json true for one JSON object per line on {@code out} and nothing on {@code err}
     */
    public ResultWriter(PrintStream out, PrintStream err, boolean json) {
        this.out = out;
        this.err = err;
        this.json = json;
    }

    /**
     * Tells whether the writer writes JSON.
     *
     * @return true in JSON mode
     */
    public boolean isJson() {
        return json;
    }

    /**
     * Prints one result; {@code quit} prints nothing.
     *
     * @param result the result
     */
    public void write(CommandResult result) {
        if (result.isQuit()) {
            return;
        }
        if (json) {
            out.println(toJson(result));
        } else {
            writeText(result);
        }
        out.flush();
    }

    private void writeText(CommandResult result) {
        result.output().forEach(this::printLine);
        if (!result.columns().isEmpty() && result.ok()) {
            out.print(PrintableText.of(result.table().toTable()));
            if (result.isDB2Command()) {
                out.println();
                out.println(result.rows().size() + " record(s) selected.");
            }
        } else if (result.isDB2Command() && result.ok()) {
            out.println("The " + result.command() + " command completed successfully.");
        }
        result.warnings().forEach(this::printLine);
        if (result.error() != null) {
            err.println(PrintableText.of(result.error()));
            err.flush();
        }
    }

    private void printLine(String line) {
        out.println(PrintableText.of(line));
    }

    /**
     * Writes a result as one JSON object on one line.
     *
     * @param result the result
     * @return {"command", "ok", "columns", "rows", "warnings", "output", "error"}, with "data"
     *     after "output" when a console command printed a JSON value
     */
    public static String toJson(CommandResult result) {
        return "{\"command\":" + Json.string(result.command())
                + ",\"ok\":" + result.ok()
                + ",\"columns\":" + Json.array(result.columns())
                + ",\"rows\":" + Json.rows(result.rows())
                + ",\"warnings\":" + Json.array(result.warnings())
                + ",\"output\":" + Json.array(result.output())
                + (result.data() == null ? "" : ",\"data\":" + result.data())
                + ",\"error\":" + Json.string(result.error()) + "}";
    }
}
