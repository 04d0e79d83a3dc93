package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandGetDBMCfg;
import com.qorvath.db2command.DB2CommandUpdateDBMCfg;
import com.qorvath.db2command.configParams.ConfigDataType;
import com.qorvath.db2command.configParams.ConfigParameter;
import com.qorvath.db2command.util.DB2APIDataContainer;
import java.sql.SQLException;
import java.util.AbstractCollection;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collection;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;
import org.junit.jupiter.api.Test;

/**
 * A catalogue that lies: an iterator that yields more than size() promised, null elements, string
 * sizes far smaller than what DB2 writes. Nothing may overrun (the sanitizer suite runs this
 * class too), and the command still lists what it can.
 */
class ConfigHostileCatalogueTest extends Session {
    /** get-dbm-cfg whose catalogue is whatever the test gives it. */
    static final class HostileGet extends DB2CommandGetDBMCfg {
        private final List<ConfigParameter> items;
        private final int claimedSize;

        HostileGet(boolean detail, int claimedSize, ConfigParameter... items) {
            super(detail);
            this.items = new ArrayList<>(Arrays.asList(items));
            this.claimedSize = claimedSize;
        }

        @Override
        public Collection<ConfigParameter> getAllParameters(double version, boolean instanceLevel) {
            return new AbstractCollection<>() {
                @Override
                public int size() {
                    return claimedSize;
                }

                @Override
                public Iterator<ConfigParameter> iterator() {
                    return items.iterator();
                }
            };
        }
    }

    private static ConfigParameter text(String name, int token, int characters) {
        return new ConfigParameter(name, token, ConfigDataType.CHAR, characters, "", true, false);
    }

    private static ConfigParameter number(String name, int token) {
        return new ConfigParameter(name, token, ConfigDataType.UINT16, 0, "", true, false);
    }

    @BeforeEach
    void fresh() {
        begin();
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    /**
     * An iterator longer than its size is read only to the size, null elements give no row, and a
     * wrong type does not let DB2 write past the buffer: DB2 writes a token at its own width (216
     * bytes for a path, 8 for a 64-bit number).
     */
    @ParameterizedTest
    @ValueSource(booleans = {false, true})
    void aLyingCatalogueListsWhatItCan(boolean detail) throws SQLException {
        oneBoxPerRun = true;
        assertTrue(run(new HostileGet(detail, 2, number("diaglevel", 64), number("numdb", 6),
                text("diagpath", 65, 215), text("svcename", 24, 14), number("mon_heap_sz", 79))));
        assertEquals(2, box.getRowCount());
        assertTrue(run(new HostileGet(detail, 3, null, number("diaglevel", 64), null)));
        assertEquals(1, box.getRowCount());
        assertTrue(run(new HostileGet(detail, 3, number("diagpath", 65), number("dftdbpath", 27),
                number("instance_memory", 803))));
        assertEquals(3, box.getRowCount());
    }

    @ParameterizedTest
    @ValueSource(ints = {0, 1, 2})
    void tinyStringSizesDoNotLetDb2WritePastTheBuffer(int characters) throws SQLException {
        assertTrue(run(new HostileGet(true, 2, text("diagpath", 65, characters),
                text("svcename", 24, characters))));
        assertEquals(2, box.getRowCount());
    }

    @Test
    void aNegativeSizeIsNeverUsed() throws SQLException {
        run(new HostileGet(false, 2, text("diagpath", 65, -5), number("diaglevel", 64)));
        assertTrue(box.getRowCount() <= 1, "the parameter with a negative size gives no row");
    }

    /** update-dbm-cfg whose catalogue types every parameter as a 16-bit number. */
    static final class SixteenBitUpdate extends DB2CommandUpdateDBMCfg {
        SixteenBitUpdate(String name, String value) {
            setKeywordValueMap(Map.of(name, value));
        }

        @Override
        public ConfigParameter getParameter(double version, boolean instanceLevel, String name) {
            ConfigParameter real = super.getParameter(version, instanceLevel, name);
            return number(name, real.getToken());
        }
    }

    /** DB2 reads the 64-bit token's 8 bytes: past the 2 the value takes, they must be zeros. */
    @Test
    void aWrongTypeOnUpdateHandsDb2AWholeZeroedValue() throws SQLException {
        attach();
        assertTrue(run(new SixteenBitUpdate("instance_memory", "5")));
        box = new DB2APIDataContainer();
        assertTrue(run(new DB2CommandGetDBMCfg(false)));
        assertTrue(box.getRows().stream().anyMatch(
                           row -> row.get(0).equals("instance_memory") && row.get(1).equals("5")),
                box.toTable());
    }

    @Test
    void anEmptyCatalogueGivesColumnsAndNoRows() throws SQLException {
        assertTrue(run(new HostileGet(false, 0)));
        assertEquals(6, box.getColumnCount());
        assertEquals(0, box.getRowCount());
    }
}
