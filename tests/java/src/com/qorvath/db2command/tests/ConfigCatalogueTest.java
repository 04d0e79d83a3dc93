package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2CommandUpdateDBCfg;
import com.qorvath.db2command.DB2CommandUpdateDBMCfg;
import com.qorvath.db2command.configParams.ConfigCatalogue;
import com.qorvath.db2command.configParams.ConfigDataType;
import com.qorvath.db2command.configParams.ConfigParameter;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.ValueSource;

/** The configuration parameter catalogue and the factory the native commands call. */
class ConfigCatalogueTest {
    private static final ConfigCatalogue CATALOGUE = ConfigCatalogue.standard();
    private static final double[] RELEASES = {7.2, 8.01, 8.1, 8.0203, 8.2, 9.0, 9.0104, 9.05, 9.7, 0};

    private static final String[] DBM_NAMES = {"rqrioblk", "numdb", "aslheapsz", "sheapthres",
        "svcename", "dftdbpath", "dft_monswitches", "dft_mon_uow", "dft_mon_stmt", "dft_mon_table",
        "dft_mon_bufpool", "dft_mon_lock", "dft_mon_sort", "dft_mon_timestamp", "sysadm_group",
        "dir_cache", "query_heap_sz", "agent_stack_sz", "sysmaint_group", "sysctrl_group",
        "diaglevel", "diagpath", "authentication", "mon_heap_sz", "keepfenced", "nodetype",
        "release", "max_coordagents", "num_poolagents", "intra_parallel", "java_heap_sz",
        "federated", "instance_memory", "health_mon"};
    private static final String[] DB_NAMES = {"locklist", "maxappls", "dlchktime", "maxlocks",
        "logprimary", "logsecond", "newlogpath", "logretain", "userexit", "logbufsz",
        "locktimeout", "num_iocleaners", "num_ioservers", "applheapsz", "sortheap", "stmtheap",
        "util_heap_sz", "catalogcache_sz", "dft_queryopt", "dbheap", "logfilsiz", "codepage",
        "release", "logpath", "backup_pending", "rollfwd_pending", "log_retain_status",
        "user_exit_status", "codeset", "territory", "database_level", "pckcachesz", "trackmod",
        "database_memory", "logarchmeth1", "logarchmeth2", "auto_maint", "auto_db_backup",
        "auto_tbl_maint", "auto_runstats", "auto_reorg", "self_tuning_mem"};

    @ParameterizedTest(name = "{0} {1} at {2}: token {3}, {4}({5})")
    @CsvSource({
        "DB,  logfilsiz,     7.2,    18,  uint16, 2",
        "DB,  logfilsiz,     8.0203, 92,  uint32, 4",
        "DB,  locklist,      7.2,    1,   uint16, 2",
        "DB,  locklist,      9.0704, 704, uint64, 8",
        "DB,  dbheap,        9.7,    58,  uint64, 8",
        "DB,  sortheap,      7.1,    91,  uint16, 2",
        "DB,  sortheap,      8.1,    52,  uint32, 4",
        "DB,  stmtheap,      8.01,   53,  uint16, 2", // 8.1 with revision
        "DB,  stmtheap,      8.1,    53,  uint16, 2", // 8.1 short (minor 10)
        "DB,  stmtheap,      8.0203, 821, uint32, 4",
        "DB,  stmtheap,      8.2,    821, uint32, 4",
        "DB,  pckcachesz,    9.0,    505, uint32, 4",
        "DBM, sysadm_group,  8.1,    39,  char,   16",
        "DBM, sysadm_group,  9.05,   844, char,   128",
        "DBM, svcename,      9.7,    24,  char,   14",
        "DBM, authentication, 8.2,   78,  uint16, 2",
        "DBM, intra_parallel, 9.7,   306, sint16, 2",
        "DBM, instance_memory, 0,    803, uint64, 8", // unknown version: newest
    })
    void theReleaseChoosesTokenAndWidth(String level, String name, double version, int token,
            String type, int size) {
        ConfigParameter p = CATALOGUE.findByName(version, level.equals("DBM"), name);
        assertNotNull(p, name);
        assertEquals(token, p.getToken());
        assertEquals(type, p.getDataType());
        assertEquals(size, p.getDataSize());
        assertEquals(name, p.getName());
    }

    @Test
    void parametersComeAndGoWithReleasesByNameIgnoringCase() {
        assertNull(CATALOGUE.findByName(8.1, false, "logarchmeth1"));
        assertNotNull(CATALOGUE.findByName(8.2, false, "logarchmeth1"));
        assertNull(CATALOGUE.findByName(8.2, false, "self_tuning_mem"));
        assertNotNull(CATALOGUE.findByName(9.0, false, "self_tuning_mem")); // cut to major
        assertNotNull(CATALOGUE.findByName(9.0104, true, "maxagents"));
        assertNull(CATALOGUE.findByName(9.0504, true, "maxagents"));
        assertNull(CATALOGUE.findByName(0, true, "maxagents"));
        // Names ignore case and blanks, but not the level.
        assertEquals(92, CATALOGUE.findByName(9.7, false, "  LogFilSiz ").getToken());
        assertNull(CATALOGUE.findByName(9.7, true, "logfilsiz"));
        assertNull(CATALOGUE.findByName(9.7, false, "no_such_param"));
        assertNull(CATALOGUE.findByName(9.7, false, null));
    }

    @Test
    void aTokenWithoutLevelPrefersTheDatabase() {
        assertEquals("maxappls", CATALOGUE.findByToken(9.7, 6).getName());
        assertEquals("database_memory", CATALOGUE.findByToken(9.7, 803).getName());
        assertEquals("numdb", CATALOGUE.findByToken(9.7, true, 6).getName());
        assertEquals("authentication", CATALOGUE.findByToken(9.7, 78).getName());
        assertNull(CATALOGUE.findByToken(9.7, 18)); // logfilsiz's old token
        assertEquals("logfilsiz", CATALOGUE.findByToken(7.2, 18).getName());
        assertNull(CATALOGUE.findByToken(9.7, 99999));
    }

    @ParameterizedTest(name = "token {0} value \"{1}\" shows \"{2}\"")
    @CsvSource({
        "78,  0,  SERVER",
        "78,  1,  CLIENT",
        "78,  4,  SERVER_ENCRYPT",
        "78,  255, NOT_SPECIFIED",
        "78,  99, 99",
        "64,  3,  3 (errors and warnings)",
        "30,  1,  ON",
        "30,  0,  OFF",
        "81,  1,  YES",
        "306, -1, SYSTEM",
        "23,  2,  CAPTURE",
        "113, 2,  TABLESPACE",
        "56,  -1, (MAXAPPLS*4)",
        "56,  200, 200",
        "33,  1,  ON",   // logbufsz has no words, so the DBM monitor switch decides
        "24,  1,  ON",   // userexit, not svcename
        "92,  1000, 1000",
        "4242, 7, 7",
        "6,   automatic, AUTOMATIC",
        "78,  ' 0 ', SERVER",
        "78,  ,   ''",
    })
    void codedValuesBecomeWords(int token, String value, String shown) {
        assertEquals(shown, CATALOGUE.translate(9.7, token, value));
    }

    @Test
    void theLevelExactFormDoesNotBorrowTheOtherLevelsWords() {
        assertEquals("1", CATALOGUE.translate(9.7, true, 24, "1"));
        assertEquals("ON", CATALOGUE.translate(9.7, false, 24, "1"));
        assertEquals("1", CATALOGUE.translate(9.7, false, 33, "1"));
        // A switch that is not in the release is not translated.
        assertEquals("ON", CATALOGUE.translate(9.0, 848, "1"));
        assertEquals("1", CATALOGUE.translate(8.2, 848, "1"));
    }

    @Test
    void everyKnownParameterIsThereAndOldReleasesLackOnlyTheNewerOnes() {
        assertEquals(Set.of(), missing(9.0104, true, DBM_NAMES));
        assertEquals(Set.of(), missing(9.0104, false, DB_NAMES));
        Set<String> missing = missing(7.2, false, DB_NAMES);
        assertEquals(Set.of("logarchmeth1", "logarchmeth2", "auto_maint", "auto_db_backup",
                "auto_tbl_maint", "auto_runstats", "auto_reorg", "self_tuning_mem"), missing);
        assertTrue(missing(7.2, true, DBM_NAMES).isEmpty());
    }

    @ParameterizedTest(name = "at {0}")
    @ValueSource(doubles = {7.2, 8.01, 8.2, 9.0, 9.05, 9.7, 0})
    void namesAndTokensAreUniquePerLevelAndRelease(double version) {
        for (boolean instance : new boolean[] {true, false}) {
            Set<String> names = new HashSet<>();
            Set<Integer> tokens = new HashSet<>();
            for (ConfigParameter p : CATALOGUE.getAllParameters(version, instance)) {
                assertTrue(names.add(p.getName()), "name twice: " + p);
                assertTrue(tokens.add(p.getToken()), "token twice: " + p);
                assertEquals(instance, p.isInstanceLevel());
            }
        }
    }

    @Test
    void everyEntryIsWellFormed() {
        Set<String> typeNames = Set.of("char", "uint16", "sint16", "uint32", "sint32",
                "uint64", "float");
        for (double version : RELEASES) {
            for (boolean instance : new boolean[] {true, false}) {
                for (ConfigParameter p : CATALOGUE.getAllParameters(version, instance)) {
                    assertTrue(typeNames.contains(p.getDataType()), p.toString());
                    assertFalse(p.getBrief().isBlank(), p.toString());
                    assertTrue(p.getDataSize() > 0, p.toString());
                    assertTrue(p.getToken() > 0, p.toString());
                    if (!p.getDataType().equals("char")) {
                        assertEquals(p.getConfigDataType().getWidth(), p.getDataSize());
                    }
                }
            }
        }
    }

    @Test
    void readOnlyParametersAreMarked() {
        assertTrue(CATALOGUE.findByName(9.7, false, "codepage").isReadOnly());
        assertTrue(CATALOGUE.findByName(9.7, true, "nodetype").isReadOnly());
        assertFalse(CATALOGUE.findByName(9.7, false, "logfilsiz").isReadOnly());
    }

    private Set<String> missing(double version, boolean instance, String[] names) {
        Set<String> missing = new HashSet<>();
        for (String name : names) {
            if (CATALOGUE.findByName(version, instance, name) == null) {
                missing.add(name);
            }
        }
        return missing;
    }

    private static final String WORDS = "sw\t0=OFF|1=ON\n";

    @Test
    void dataTypeNamesIgnoreCaseAndUnknownOnesAreRefused() {
        for (String name : List.of("UINT16", "Uint16", "uint16", " uint16 ")) {
            assertEquals(ConfigDataType.UINT16, ConfigDataType.fromName(name));
        }
        for (String name : List.of("int", "string", "", "Uint16_YesNo")) {
            assertThrows(IllegalArgumentException.class, () -> ConfigDataType.fromName(name));
        }
    }

    @Test
    void aWellFormedTableParses() {
        ConfigCatalogue c = ConfigCatalogue.parse(
                "DB\tp\t7\tuint16\t-\t-\t8.2\trw\tsw\tOld\n"
                        + "DB\tp\t70\tuint32\t-\t8.2\t-\trw\t-\tNew\n",
                WORDS);
        assertEquals(7, c.findByName(8.1, false, "p").getToken());
        assertEquals(70, c.findByName(8.2, false, "p").getToken());
        assertEquals("ON", c.translate(8.1, 7, "1"));
        c = ConfigCatalogue.parse(
                "DB\tp\t7\tuint16\t-\t-\t-\trw\t-\tA\nDBM\tq\t7\tuint16\t-\t-\t-\trw\t-\tB",
                WORDS);
        assertEquals("p", c.findByToken(9.7, 7).getName(), "the same token at the other level");
        assertEquals("q", c.findByToken(9.7, true, 7).getName());
    }

    @ParameterizedTest(name = "{0}")
    @ValueSource(strings = {
        "DB\tp\t7\tuint16\t-\t-\t-\trw\t-\tOld\nDB\tp\t8\tuint16\t-\t9.0\t-\trw\t-\tNew",
        "DB\tp\t7\tuint16\t-\t-\t-\trw\t-\tA\nDB\tq\t7\tuint16\t-\t-\t-\trw\t-\tB",
        "DB\tp\t7\tint\t-\t-\t-\trw\t-\tBad type",
        "DB\tp\t7\tchar\t0\t-\t-\trw\t-\tNo width",
        "DB\tp\t7\tuint16\t-\t9.0\t8.2\trw\t-\tGone before it came",
        "DB\tp\t7\tuint16\t-\t-\t-\trw\tnone\tNo such list",
        "XX\tp\t7\tuint16\t-\t-\t-\trw\t-\tBad level",
        "DB\tp\t7\tuint16\t-\t-\t-\trw\t-",
    })
    void malformedTablesAreRefused(String table) {
        assertThrows(IllegalArgumentException.class, () -> ConfigCatalogue.parse(table, WORDS));
    }

    @Test
    void theUpdateMapKeepsItsOrderAndIsACopy() {
        Map<String, String> given = new LinkedHashMap<>();
        given.put("LOGFILSIZ", "1000");
        given.put("LOGPRIMARY", "5");
        DB2CommandUpdateDBCfg update = new DB2CommandUpdateDBCfg(given, true);
        given.clear();
        assertEquals(List.of("LOGFILSIZ", "LOGPRIMARY"),
                List.copyOf(update.getKeywordValueMap().keySet()));
        assertNull(new DB2CommandUpdateDBMCfg().getKeywordValueMap());
    }
}
