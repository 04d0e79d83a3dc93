package com.qorvath.db2command.util;

import java.util.ArrayList;
import java.util.List;

/**
 * A result container as an application writes it from the container contract alone: addColumn,
 * newRow and setColumnValue, nothing more. Compiled on its own and put first on the class path of
 * a JVM, it stands in for the library's own class; the tests read its fields by reflection.
 */
public class DB2APIDataContainer {
    private final List<String> columns = new ArrayList<>();
    private final List<List<String>> rows = new ArrayList<>();

    public void addColumn(String name) {
        columns.add(name);
    }

    public void newRow() {
        rows.add(new ArrayList<>());
    }

    public void setColumnValue(int column, String value) {
        if (column < 1 || column > columns.size()) {
            throw new IndexOutOfBoundsException("no column " + column);
        }
        List<String> row = rows.get(rows.size() - 1);
        while (row.size() < column) {
            row.add(null);
        }
        row.set(column - 1, value);
    }
}
