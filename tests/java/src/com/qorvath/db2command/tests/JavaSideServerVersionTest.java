package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.util.ServerVersion;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.NullSource;
import org.junit.jupiter.params.provider.ValueSource;

/** Reading DB2 version texts in every shape the library and DB2 hand over. */
class JavaSideServerVersionTest {
    @ParameterizedTest(name = "\"{0}\" is {1}")
    @CsvSource({
        "09074, 9.7.4",         // client level
        "08020, 8.2.0",
        "10051, 10.5.1",
        "SQL09074, 9.7.4",      // product signature
        "DSN09015, 9.1.5",
        "09.07.0004, 9.7.4",    // DBMS version of a CLI connection
        "10.05.0011, 10.5.11",
        "09.07.40, 9.7.4",      // attach text: modification digit, then a zero
        "08.02.00, 8.2.0",
        "9.7.4, 9.7.4",
        "8.2, 8.2.0",
        "'  09074  ', 9.7.4",
        "'09.07.0004\0\0\0', 9.7.4", // the NUL padding of a fixed-width field
    })
    void readsEveryShape(String text, String expected) {
        assertEquals(expected, ServerVersion.parse(text).toString());
    }

    @Test
    void keepsTheThreeNumbersApartAndRefusesNegativeOnes() {
        ServerVersion v = ServerVersion.parse("10051");
        assertEquals(10, v.getMajor());
        assertEquals(5, v.getMinor());
        assertEquals(1, v.getMinorRevision());
        assertThrows(IllegalArgumentException.class, () -> new ServerVersion(9, -1, 0));
    }

    @ParameterizedTest(name = "\"{0}\" is not a version")
    @ValueSource(strings = {"", "   ", "\0\0\0\0\0", "0907", "090745", "SQL0907", "SQ09074",
        "9", "9.", ".7", "9.7.4.1", "v9.7", "nine.seven", "9,7", "-9.7", "99999.1"})
    @NullSource
    void rejectsOtherText(String text) {
        assertNull(ServerVersion.parse(text));
    }

    @Test
    void ordersAndComparesByAllThreeNumbers() {
        ServerVersion v820 = new ServerVersion(8, 2, 0);
        ServerVersion v974 = new ServerVersion(9, 7, 4);
        ServerVersion v975 = new ServerVersion(9, 7, 5);
        assertTrue(v820.compareTo(v974) < 0);
        assertTrue(v975.compareTo(v974) > 0);
        assertEquals(v974, ServerVersion.parse("SQL09074"));
        assertEquals(v974.hashCode(), ServerVersion.parse("9.7.4").hashCode());
        assertFalse(v974.equals(v975));

        assertTrue(v974.isAtLeast(8, 2));
        assertTrue(v974.isAtLeast(9, 7));
        assertFalse(v820.isAtLeast(9, 0));
        assertFalse(v820.isAtLeast(8, 10));
        assertTrue(new ServerVersion(10, 1, 0).isAtLeast(9, 7));
    }
}
