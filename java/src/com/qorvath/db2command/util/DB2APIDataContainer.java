package com.qorvath.db2command.util;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * The result of a command: a table of text cells.
 *
 * <p>The native library fills it: first the columns with {@link #addColumn(String)}, then for each
 * result entry {@link #newRow()} followed by {@link #setColumnValue(int, String)} per cell. Column
 * numbers count from 1 in the order the columns were added; row numbers count from 0. A cell that
 * was never set reads as null. Long listings record those calls natively and hand them over in
 * blocks; the block's calls are made here, through the same methods, in the same order.
 *
 * <p>All methods are synchronized, so a container may be read by another thread than the one
 * filling it.
 */
public class DB2APIDataContainer {
    private final List<String> columns = new ArrayList<>();
    private final List<List<String>> rows = new ArrayList<>();

    /** Creates an empty container. */
    public DB2APIDataContainer() {}

    /**
     * Adds a column after the existing ones. Rows already present get an unset cell in it.
     *
     * @param name the column name; null is kept as an empty name
     */
    public synchronized void addColumn(String name) {
        columns.add(name == null ? "" : name);
    }

    /** Starts a new row; the following {@link #setColumnValue(int, String)} calls fill it. */
    public synchronized void newRow() {
        rows.add(new ArrayList<>());
    }

    /**
     * Sets a cell of the current (last) row.
     *
     * @param column the column number, counted from 1
     * @param value the text
     * @throws IllegalStateException when no row was started
     * @throws IndexOutOfBoundsException when there is no column with this number
     */
    public synchronized void setColumnValue(int column, String value) {
        if (rows.isEmpty()) {
            throw new IllegalStateException(
                    "setColumnValue(" + column + ") called before newRow(): no row to fill");
        }
        checkColumn(column);
        List<String> row = rows.get(rows.size() - 1);
        while (row.size() < column) {
            row.add(null);
        }
        row.set(column - 1, value);
    }

    /**
     * Makes the newRow and setColumnValue calls the native library recorded in one block: a tag
     * byte per call, 0 for newRow(), 1 for setColumnValue followed by the column number, the byte
     * length (big-endian ints) and the text in UTF-8. Stops at the first call that throws.
     */
    @SuppressWarnings("unused") // called by the native library
    private void addRecordedRows(byte[] block) {
        ByteBuffer in = ByteBuffer.wrap(block);
        while (in.hasRemaining()) {
            if (in.get() == 0) {
                newRow();
                continue;
            }
            int column = in.getInt();
            int length = in.getInt();
            int start = in.position();
            in.position(start + length);
            setColumnValue(column, new String(block, start, length, StandardCharsets.UTF_8));
        }
    }

    /**
     * Returns the number of columns.
     *
     * @return the column count
     */
    public synchronized int getColumnCount() {
        return columns.size();
    }

    /**
     * Returns a column's name.
     *
     * @param column the column number, counted from 1
     * @return the name
     * @throws IndexOutOfBoundsException when there is no column with this number
     */
    public synchronized String getColumnName(int column) {
        checkColumn(column);
        return columns.get(column - 1);
    }

    /**
     * Finds a column by name, ignoring case. When several columns have the name, the first wins.
     *
     * @param name the column name
     * @return the column number counted from 1, or -1 when there is no such column
     */
    public synchronized int getColumnIndex(String name) {
        for (int i = 0; i < columns.size(); i++) {
            if (columns.get(i).equalsIgnoreCase(name)) {
                return i + 1;
            }
        }
        return -1;
    }

    /**
     * Returns the number of rows.
     *
     * @return the row count
     */
    public synchronized int getRowCount() {
        return rows.size();
    }

    /**
     * Returns a cell.
     *
     * @param row the row number, counted from 0
     * @param column the column number, counted from 1
     * @return the text, or null when the cell was never set
     * @throws IndexOutOfBoundsException when the row or the column does not exist
     */
    public synchronized String getValue(int row, int column) {
        checkColumn(column);
        if (row < 0 || row >= rows.size()) {
            throw new IndexOutOfBoundsException(
                    "row " + row + " does not exist; rows are 0 to " + (rows.size() - 1));
        }
        List<String> cells = rows.get(row);
        return column <= cells.size() ? cells.get(column - 1) : null;
    }

    /**
     * Returns a cell by column name (ignoring case).
     *
     * @param row the row number, counted from 0
     * @param columnName the column name
     * @return the text, or null when the cell was never set
     * @throws IllegalArgumentException when there is no column with this name
     * @throws IndexOutOfBoundsException when the row does not exist
     */
    public synchronized String getValue(int row, String columnName) {
        int column = getColumnIndex(columnName);
        if (column < 0) {
            throw new IllegalArgumentException(
                    "no column named \"" + columnName + "\" in " + columns);
        }
        return getValue(row, column);
    }

    /**
     * Returns the column names in order.
     *
     * @return an unmodifiable copy
     */
    public synchronized List<String> getColumnNames() {
        return Collections.unmodifiableList(new ArrayList<>(columns));
    }

    /**
     * Returns all rows, each with one entry per column (null for unset cells).
     *
     * @return an unmodifiable copy
     */
    public synchronized List<List<String>> getRows() {
        List<List<String>> copy = new ArrayList<>(rows.size());
        for (int r = 0; r < rows.size(); r++) {
            copy.add(Collections.unmodifiableList(paddedRow(r)));
        }
        return Collections.unmodifiableList(copy);
    }

    /** Removes all columns and rows. */
    public synchronized void clear() {
        columns.clear();
        rows.clear();
    }

    /**
     * Renders the container as a text table: a header line, a line of dashes under each column
     * name, then one line per row. Columns are as wide as their widest text and separated by
     * two blanks; unset cells are empty; line breaks and tabs inside a value become blanks so
     * that every row stays on one line. Lines end with "\n" and carry no trailing blanks.
     *
     * @return the table, or empty text when there are no columns
     */
    public synchronized String toTable() {
        if (columns.isEmpty()) {
            return "";
        }
        List<List<String>> lines = new ArrayList<>();
        lines.add(cleanCells(columns));
        for (int r = 0; r < rows.size(); r++) {
            lines.add(cleanCells(paddedRow(r)));
        }
        int[] widths = columnWidths(lines);
        StringBuilder out = new StringBuilder();
        appendLine(out, lines.get(0), widths);
        appendLine(out, dashes(widths), widths);
        for (List<String> line : lines.subList(1, lines.size())) {
            appendLine(out, line, widths);
        }
        return out.toString();
    }

    /**
     * Renders the container as a text table.
     *
     * @return the same as {@link #toTable()}
     */
    @Override
    public String toString() {
        return toTable();
    }

    private void checkColumn(int column) {
        if (column < 1 || column > columns.size()) {
            throw new IndexOutOfBoundsException("column " + column
                    + " does not exist; columns are 1 to " + columns.size() + " (counted from 1)");
        }
    }

    private List<String> paddedRow(int row) {
        List<String> cells = new ArrayList<>(rows.get(row));
        while (cells.size() < columns.size()) {
            cells.add(null);
        }
        return cells;
    }

    private static List<String> cleanCells(List<String> cells) {
        List<String> clean = new ArrayList<>(cells.size());
        for (String cell : cells) {
            clean.add(cell == null ? "" : cell.replaceAll("[\\r\\n\\t]", " "));
        }
        return clean;
    }

    private static int[] columnWidths(List<List<String>> lines) {
        int[] widths = new int[lines.get(0).size()];
        for (List<String> line : lines) {
            for (int c = 0; c < widths.length; c++) {
                widths[c] = Math.max(widths[c], line.get(c).length());
            }
        }
        return widths;
    }

    private static List<String> dashes(int[] widths) {
        List<String> line = new ArrayList<>(widths.length);
        for (int width : widths) {
            line.add("-".repeat(width));
        }
        return line;
    }

    private static void appendLine(StringBuilder out, List<String> cells, int[] widths) {
        StringBuilder line = new StringBuilder();
        for (int c = 0; c < widths.length; c++) {
            if (c > 0) {
                line.append("  ");
            }
            String cell = cells.get(c);
            line.append(cell).append(" ".repeat(widths[c] - cell.length()));
        }
        out.append(line.toString().stripTrailing()).append('\n');
    }
}
