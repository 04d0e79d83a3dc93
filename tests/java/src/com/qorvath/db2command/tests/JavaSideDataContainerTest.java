package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.util.DB2APIDataContainer;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** Filling the result container as the library does, and reading it back. */
class JavaSideDataContainerTest {
    private DB2APIDataContainer box;

    @BeforeEach
    void twoColumns() {
        box = new DB2APIDataContainer();
        box.addColumn("Alias");
        box.addColumn("Node");
    }

    private void row(String... values) {
        box.newRow();
        for (int i = 0; i < values.length; i++) {
            box.setColumnValue(i + 1, values[i]);
        }
    }

    @Test
    void readsBackWhatWasWrittenByNumberAndByNameCountingFromOne() {
        row("SAMPLE", "NODE1");
        box.newRow();
        box.setColumnValue(2, "NODE2"); // column 1 left unset

        assertEquals(2, box.getColumnCount());
        assertEquals(2, box.getRowCount());
        assertEquals("Alias", box.getColumnName(1));
        assertEquals(List.of("Alias", "Node"), box.getColumnNames());
        assertEquals("SAMPLE", box.getValue(0, 1));
        assertEquals("NODE1", box.getValue(0, "node"));
        assertNull(box.getValue(1, 1));
        assertEquals("NODE2", box.getValue(1, "Node"));
        assertEquals(Arrays.asList(Arrays.asList("SAMPLE", "NODE1"), Arrays.asList(null, "NODE2")),
                box.getRows());
        assertEquals(1, box.getColumnIndex("ALIAS"));
        assertEquals(2, box.getColumnIndex("Node"));
        assertEquals(-1, box.getColumnIndex("Comment"));
        assertEquals(-1, box.getColumnIndex(null));
    }

    @Test
    void laterCellsOverwriteTheCurrentRowOnlyAndLateColumnsReadAsUnset() {
        row("A", "1");
        row("B", "2");
        box.setColumnValue(1, "C");
        assertEquals("A", box.getValue(0, 1));
        assertEquals("C", box.getValue(1, 1));
        row("A", "1");
        box.addColumn("Comment");
        assertNull(box.getValue(0, 3));
        assertEquals(Arrays.asList("A", "1", null), box.getRows().get(0));
    }

    @Test
    void misuseIsReportedClearly() {
        IllegalStateException noRow =
                assertThrows(IllegalStateException.class, () -> box.setColumnValue(1, "x"));
        assertTrue(noRow.getMessage().contains("newRow"), noRow.getMessage());

        box.newRow();
        assertThrows(IndexOutOfBoundsException.class, () -> box.setColumnValue(0, "x"));
        assertThrows(IndexOutOfBoundsException.class, () -> box.setColumnValue(3, "x"));
        assertThrows(IndexOutOfBoundsException.class, () -> box.getValue(1, 1));
        assertThrows(IndexOutOfBoundsException.class, () -> box.getValue(-1, 1));
        assertThrows(IndexOutOfBoundsException.class, () -> box.getColumnName(3));
        assertThrows(IllegalArgumentException.class, () -> box.getValue(0, "Comment"));
    }

    @Test
    void readersHandOutCopies() {
        row("A", "1");
        List<List<String>> rows = box.getRows();
        assertThrows(UnsupportedOperationException.class, () -> rows.get(0).set(0, "B"));
        assertThrows(UnsupportedOperationException.class, () -> box.getColumnNames().add("X"));
        box.clear();
        assertEquals(1, rows.size());
        assertEquals(0, box.getColumnCount());
        assertEquals(0, box.getRowCount());
    }

    @Test
    void printsAnAlignedTableOnOneLinePerRow() {
        row("SAMPLE", "N1");
        row("X", null);
        row("TOOLSDB", "LONGNODENAME");
        String expected = ""
                + "Alias    Node\n"
                + "-------  ------------\n"
                + "SAMPLE   N1\n"
                + "X\n"
                + "TOOLSDB  LONGNODENAME\n";
        assertEquals(expected, box.toTable());
        assertEquals(expected, box.toString());
        twoColumns();
        assertEquals("Alias  Node\n-----  ----\n", box.toTable(), "headers without rows");
        row("a\r\nb", "c\td");
        assertEquals("Alias  Node\n-----  ----\na  b   c d\n", box.toTable());
        assertEquals("", new DB2APIDataContainer().toTable());
    }
}
