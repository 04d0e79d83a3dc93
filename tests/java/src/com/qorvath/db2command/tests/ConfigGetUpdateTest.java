package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandGetDBCfg;
import com.qorvath.db2command.DB2CommandGetDBMCfg;
import com.qorvath.db2command.DB2CommandUpdateDBCfg;
import com.qorvath.db2command.DB2CommandUpdateDBMCfg;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.sql.SQLException;
import java.util.AbstractMap;
import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.ValueSource;

/** GET and UPDATE of database manager and database configuration on the stand-in. */
class ConfigGetUpdateTest extends Session {
    @BeforeEach
    void fresh() {
        begin();
        context.setAttachNodeId(0);
        context.setConnectNodeId(0);
    }

    @AfterEach
    void nothingLeaks() throws SQLException {
        endAll();
    }

    void connect() throws SQLException {
        connect("SAMPLE");
        context.setDatabaseAlias("SAMPLE");
    }

    /** The row of one parameter by name, as column name to value. */
    Map<String, String> row(String name) {
        for (int r = 0; r < box.getRowCount(); r++) {
            if (name.equals(box.getValue(r, "NAME"))) {
                Map<String, String> cells = new LinkedHashMap<>();
                for (String column : box.getColumnNames()) {
                    cells.put(column, box.getValue(r, column));
                }
                return cells;
            }
        }
        throw new AssertionError("no row for " + name + " in\n" + box.toTable());
    }

    static DB2CommandGetDBCfg getDb(boolean detail) {
        DB2CommandGetDBCfg get = new DB2CommandGetDBCfg();
        get.setShowDetail(detail);
        return get;
    }

    static DB2CommandUpdateDBCfg updateDb(boolean deferred, Map<String, String> values) {
        DB2CommandUpdateDBCfg update = new DB2CommandUpdateDBCfg();
        update.setDefered(deferred);
        update.setKeywordValueMap(values);
        return update;
    }

    static DB2CommandUpdateDBMCfg updateDbm(Map<String, String> values) {
        DB2CommandUpdateDBMCfg update = new DB2CommandUpdateDBMCfg();
        update.setKeywordValueMap(values);
        return update;
    }

    @Test
    void dbmWithoutAttachmentReadsTheLocalInstanceInOneCall() throws SQLException {
        Db2Sim.clearJournal();
        assertTrue(run(new DB2CommandGetDBMCfg()));
        assertEquals(List.of("NAME", "VALUE", "DELAYED_VALUE", "TOKEN_ID", "VALUE_FLAG",
                             "DELAYED_VALUE_FLAG"),
                box.getColumnNames());
        Map<String, String> diaglevel = row("diaglevel");
        assertEquals("64", diaglevel.get("TOKEN_ID"));
        assertEquals("", diaglevel.get("VALUE_FLAG"));
        assertNull(diaglevel.get("DELAYED_VALUE"), "normal mode leaves the delayed columns unset");
        List<String> calls = journal("db2CfgGet");
        assertEquals(1, calls.size(), calls.toString());
        assertTrue(calls.get(0).contains("flags=2"), calls.get(0));
    }

    /** Get and set name the 8.1 layout of db2Cfg whatever the server's release. */
    @ParameterizedTest
    @ValueSource(strings = {"SQL08020", "SQL09074"})
    void callsPassVersion810ForEveryServer(String server) throws SQLException {
        Db2Sim.setProductSignature(server);
        attach();
        DB2CommandGetDBMCfg get = new DB2CommandGetDBMCfg();
        get.setShowDetail(true);
        assertTrue(run(get));
        assertTrue(run(updateDbm(Map.of("numdb", "8"))));
        List<String> calls = new ArrayList<>(journal("db2CfgGet"));
        calls.addAll(journal("db2CfgSet"));
        assertEquals(3, calls.size(), calls.toString());
        for (String call : calls) {
            assertEquals("8010000", field(call, "versionNumber"), call);
        }
    }

    /**
     * The catalogue is that of the older of client and server: 8.2 and 8.1 still have maxagents
     * (gone in 9.5), and 8.1 names sysadm_group by its older token.
     */
    @ParameterizedTest(name = "client {0}.{1}, server {2}")
    @CsvSource({"9, 7, SQL08020, true, 844", "8, 1, SQL09074, true, 39",
                "9, 7, SQL09074, false, 844"})
    void catalogueIsTheOlderOfClientAndServer(int major, int minor, String server,
            boolean maxagents, String sysadmToken) throws SQLException {
        context.setClientVersion(new ServerVersion(major, minor, 0));
        Db2Sim.setProductSignature(server);
        attach();
        assertTrue(run(new DB2CommandGetDBMCfg()));
        assertEquals(sysadmToken, row("sysadm_group").get("TOKEN_ID"));
        assertEquals(maxagents, box.getRows().stream().anyMatch(r -> r.get(0).equals("maxagents")),
                () -> "maxagents listed in\n" + box.toTable());
    }

    @Test
    void detailReadsImmediateThenDelayed() throws SQLException {
        connect();
        assertTrue(run(getDb(true)));
        List<String> calls = journal("db2CfgGet");
        assertEquals(2, calls.size(), calls.toString());
        assertTrue(calls.get(0).contains("flags=5"), calls.get(0));
        assertTrue(calls.get(1).contains("flags=9"), calls.get(1));
        assertEquals(row("logprimary").get("VALUE"), row("logprimary").get("DELAYED_VALUE"));
    }

    @Test
    void deferredUpdateShowsInTheDelayedValueOnly() throws SQLException {
        connect();
        assertTrue(run(updateDb(false, Map.of("logprimary", "5"))));
        Db2Sim.clearJournal();
        assertTrue(run(updateDb(true, Map.of("logprimary", "7"))));
        List<String> sets = journal("db2CfgSet");
        assertEquals(1, sets.size(), sets.toString());
        assertTrue(sets.get(0).contains("flags=9"), sets.get(0));
        box = new DB2APIDataContainer();
        assertTrue(run(getDb(true)));
        assertEquals("5", row("logprimary").get("VALUE"));
        assertEquals("7", row("logprimary").get("DELAYED_VALUE"));
    }

    @Test
    void immediateUpdateChangesBothValues() throws SQLException {
        attach();
        assertTrue(run(updateDbm(Map.of("DIAGLEVEL", "4"))));
        assertTrue(journal("db2CfgSet").get(0).contains("flags=6"));
        box = new DB2APIDataContainer();
        DB2CommandGetDBMCfg get = new DB2CommandGetDBMCfg();
        get.setShowDetail(true);
        assertTrue(run(get));
        // The catalogue adds words to coded values ("4 (...)").
        assertTrue(row("diaglevel").get("VALUE").startsWith("4"), row("diaglevel").toString());
        assertTrue(row("diaglevel").get("DELAYED_VALUE").startsWith("4"),
                row("diaglevel").toString());
    }

    @Test
    void refusedUpdatesSendNothing() throws SQLException {
        connect();
        DB2CommandUpdateDBCfg noMap = new DB2CommandUpdateDBCfg();
        assertEquals("keymap is null.", failure(noMap));
        assertEquals("map is empty.", failure(updateDb(false, Map.of())));
        Map<String, String> unknownSecond = new LinkedHashMap<>();
        unknownSecond.put("logprimary", "5");
        unknownSecond.put("nosuchparam", "1");
        unknownSecond.put("alsonotthere", "1");
        assertEquals("Unknown parameter: nosuchparam", failure(updateDb(false, unknownSecond)));
        for (String bad : List.of("abc", "AUTOMATIC", "", "70000")) {
            String message = failure(updateDb(false, Map.of("logprimary", bad)));
            assertTrue(message.contains("logprimary"), message);
        }
        assertEquals("Invalid value for parameter newlogpath: it holds U+0000",
                failure(updateDb(false, Map.of("newlogpath", "/tmp/logs\0/elsewhere"))));
        for (Set<Map.Entry<String, String>> entries : List.of(Set.<Map.Entry<String, String>>of(),
                     Collections.<Map.Entry<String, String>>singleton(null))) {
            assertEquals("map is empty.", failure(claimingTwo(entries)));
        }
        assertEquals(List.of(), journal("db2CfgSet"));
    }

    /** An update whose map's size() promises two entries while its entry set yields `entries`. */
    static DB2CommandUpdateDBCfg claimingTwo(Set<Map.Entry<String, String>> entries) {
        return new DB2CommandUpdateDBCfg() {
            @Override
            public Map<String, String> getKeywordValueMap() {
                return new AbstractMap<>() {
                    @Override
                    public int size() {
                        return 2;
                    }

                    @Override
                    public Set<Map.Entry<String, String>> entrySet() {
                        return entries;
                    }
                };
            }
        };
    }

    @Test
    void trailingTextAndIntegersAreTakenAsNumbers() throws SQLException {
        connect();
        Map<String, Object> values = new LinkedHashMap<>();
        values.put("logprimary", 6);
        values.put("logsecond", "12abc");
        DB2CommandUpdateDBCfg update = new DB2CommandUpdateDBCfg();
        update.setKeywordValueMap(rawMap(values));
        assertTrue(run(update));
        box = new DB2APIDataContainer();
        assertTrue(run(getDb(false)));
        assertEquals("6", row("logprimary").get("VALUE"));
        assertEquals("12", row("logsecond").get("VALUE"));
    }

    @SuppressWarnings({"unchecked", "rawtypes"})
    static Map<String, String> rawMap(Map<String, Object> values) {
        return (Map) values;
    }

    @Test
    void connectionRequirements() throws SQLException {
        assertEquals("Error: This command requires database connection!", failure(getDb(false)));
        assertEquals("Error: This command requires instance connection!",
                failure(updateDbm(Map.of("diaglevel", "3"))));
        assertEquals("Error: This command requires database connection!",
                failure(updateDb(false, Map.of("logprimary", "3"))));
        assertEquals(List.of(), journal("db2CfgGet"));
        assertEquals(List.of(), journal("db2CfgSet"));
    }

    @Test
    void anotherDatabaseIsReadThroughTheAttachmentOnly() throws SQLException {
        connect();
        DB2CommandGetDBCfg other = getDb(false);
        other.setAlias("OTHERDB");
        assertEquals("Error: This command requires instance connection!", failure(other));
        assertEquals(List.of(), journal("db2CfgGet"));
        DB2CommandGetDBCfg same = getDb(false);
        same.setAlias("sample");
        assertTrue(run(same));
    }
}
