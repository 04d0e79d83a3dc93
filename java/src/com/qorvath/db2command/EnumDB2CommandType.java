package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;

/**
 * The command types the native library dispatches on.
 *
 * <p>Each constant's code is the key the native library uses to choose its command class, so the
 * codes are fixed: changing one breaks the library. The constants are named as the library's own
 * constants, without their {@code _VALUE} suffix. Codes missing from the sequence (44 to 46, 51
 * to 53, 55 to 57, 75, 76, 79, 81) are not served by the library.
 */
public class EnumDB2CommandType extends EnumTypeBase {
    private static final Map<Integer, EnumDB2CommandType> BY_TYPE = new TreeMap<>();

    /** The attach command (code 1). */
    public static final EnumDB2CommandType ATTACH = define(1, "ATTACH");

    /** The detach command (code 2). */
    public static final EnumDB2CommandType DETACH = define(2, "DETACH");

    /** The get dbm cfg command (code 3; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType GET_DBM_CFG = define(3, "GET_DBM_CFG");

    /** The get db cfg command (code 4; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType GET_DB_CFG = define(4, "GET_DB_CFG");

    /** The update dbm cfg command (code 5; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType UPDATE_DBM_CFG = define(5, "UPDATE_DBM_CFG");

    /** The update db cfg command (code 6; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType UPDATE_DB_CFG = define(6, "UPDATE_DB_CFG");

    /** The connect command (code 7). */
    public static final EnumDB2CommandType CONNECT = define(7, "CONNECT");

    /** The disconnect command (code 8). */
    public static final EnumDB2CommandType DISCONNECT = define(8, "DISCONNECT");

    /** The bind command (code 9). */
    public static final EnumDB2CommandType BIND = define(9, "BIND");

    /** The list tablespaces command (code 10). */
    public static final EnumDB2CommandType LIST_TABLESPACES = define(10, "LIST_TABLESPACES");

    /** The list tablespace container command (code 11). */
    public static final EnumDB2CommandType LIST_TABLESPACE_CONTAINER =
            define(11, "LIST_TABLESPACE_CONTAINER");

    /** The auto configure command (code 12; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType AUTO_CONFIGURE = define(12, "AUTO_CONFIGURE");

    /** The list db directory command (code 13). */
    public static final EnumDB2CommandType LIST_DB_DIRECTORY = define(13, "LIST_DB_DIRECTORY");

    /** The reset dbm cfg command (code 14). */
    public static final EnumDB2CommandType RESET_DBM_CFG = define(14, "RESET_DBM_CFG");

    /** The reset db cfg command (code 15). */
    public static final EnumDB2CommandType RESET_DB_CFG = define(15, "RESET_DB_CFG");

    /** The restart database command (code 16). */
    public static final EnumDB2CommandType RESTART_DATABASE = define(16, "RESTART_DATABASE");

    /** The create database command (code 17). */
    public static final EnumDB2CommandType CREATE_DATABASE = define(17, "CREATE_DATABASE");

    /** The drop database command (code 18). */
    public static final EnumDB2CommandType DROP_DATABASE = define(18, "DROP_DATABASE");

    /** The catalog database command (code 19). */
    public static final EnumDB2CommandType CATALOG_DATABASE = define(19, "CATALOG_DATABASE");

    /** The uncatalog database command (code 20). */
    public static final EnumDB2CommandType UNCATALOG_DATABASE = define(20, "UNCATALOG_DATABASE");

    /** The list node directory command (code 21). */
    public static final EnumDB2CommandType LIST_NODE_DIRECTORY = define(21, "LIST_NODE_DIRECTORY");

    /** The catalog node command (code 22). */
    public static final EnumDB2CommandType CATALOG_NODE = define(22, "CATALOG_NODE");

    /** The uncatalog node command (code 23). */
    public static final EnumDB2CommandType UNCATALOG_NODE = define(23, "UNCATALOG_NODE");

    /** The activate database command (code 24). */
    public static final EnumDB2CommandType ACTIVATE_DATABASE = define(24, "ACTIVATE_DATABASE");

    /** The deactivate database command (code 25). */
    public static final EnumDB2CommandType DEACTIVATE_DATABASE = define(25, "DEACTIVATE_DATABASE");

    /** The quiesce database command (code 26; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType QUIESCE_DATABASE = define(26, "QUIESCE_DATABASE");

    /** The unquiesce database command (code 27; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType UNQUIESCE_DATABASE = define(27, "UNQUIESCE_DATABASE");

    /** The quiesce instance command (code 28; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType QUIESCE_INSTANCE = define(28, "QUIESCE_INSTANCE");

    /** The unquiesce instance command (code 29; DB2 client 8.0 or later). */
    public static final EnumDB2CommandType UNQUIESCE_INSTANCE = define(29, "UNQUIESCE_INSTANCE");

    /** The start dbm command (code 30). */
    public static final EnumDB2CommandType START_DBM = define(30, "START_DBM");

    /** The change database comment command (code 31). */
    public static final EnumDB2CommandType CHANGE_DATABASE_COMMENT =
            define(31, "CHANGE_DATABASE_COMMENT");

    /** The stop dbm command (code 32). */
    public static final EnumDB2CommandType STOP_DBM = define(32, "STOP_DBM");

    /** The catalog local node command (code 33). */
    public static final EnumDB2CommandType CATALOG_LOCAL_NODE = define(33, "CATALOG_LOCAL_NODE");

    /** The catalog netbios node command (code 34). */
    public static final EnumDB2CommandType CATALOG_NETBIOS_NODE =
            define(34, "CATALOG_NETBIOS_NODE");

    /** The catalog namedpipe node command (code 35). */
    public static final EnumDB2CommandType CATALOG_NAMEDPIPE_NODE =
            define(35, "CATALOG_NAMEDPIPE_NODE");

    /** The catalog appc node command (code 36). */
    public static final EnumDB2CommandType CATALOG_APPC_NODE = define(36, "CATALOG_APPC_NODE");

    /** The catalog appn node command (code 37). */
    public static final EnumDB2CommandType CATALOG_APPN_NODE = define(37, "CATALOG_APPN_NODE");

    /** The list dcs directory command (code 38). */
    public static final EnumDB2CommandType LIST_DCS_DIRECTORY = define(38, "LIST_DCS_DIRECTORY");

    /** The catalog dcs db command (code 39). */
    public static final EnumDB2CommandType CATALOG_DCS_DB = define(39, "CATALOG_DCS_DB");

    /** The uncatalog dcs db command (code 40). */
    public static final EnumDB2CommandType UNCATALOG_DCS_DB = define(40, "UNCATALOG_DCS_DB");

    /** The migrate database command (code 41). */
    public static final EnumDB2CommandType MIGRATE_DATABASE = define(41, "MIGRATE_DATABASE");

    /** The list indoubt transactions command (code 42). */
    public static final EnumDB2CommandType LIST_INDOUBT_TRANSACTIONS =
            define(42, "LIST_INDOUBT_TRANSACTIONS");

    /** The list drda indoubt transactions command (code 43). */
    public static final EnumDB2CommandType LIST_DRDA_INDOUBT_TRANSACTIONS =
            define(43, "LIST_DRDA_INDOUBT_TRANSACTIONS");

    /** The import command (code 47). */
    public static final EnumDB2CommandType IMPORT = define(47, "IMPORT");

    /** The force application command (code 48). */
    public static final EnumDB2CommandType FORCE_APPLICATION = define(48, "FORCE_APPLICATION");

    /** The reset monitor command (code 49). */
    public static final EnumDB2CommandType RESET_MONITOR = define(49, "RESET_MONITOR");

    /** The update monitor switches command (code 50). */
    public static final EnumDB2CommandType UPDATE_MONITOR_SWITCHES =
            define(50, "UPDATE_MONITOR_SWITCHES");

    /** The archive log command (code 54). */
    public static final EnumDB2CommandType ARCHIVE_LOG = define(54, "ARCHIVE_LOG");

    /** The inspect command (code 58). */
    public static final EnumDB2CommandType INSPECT = define(58, "INSPECT");

    /** The quiesce tablespaces command (code 59). */
    public static final EnumDB2CommandType QUIESCE_TABLESPACES = define(59, "QUIESCE_TABLESPACES");

    /** The export command (code 60). */
    public static final EnumDB2CommandType EXPORT = define(60, "EXPORT");

    /** The set tablespace containers command (code 61). */
    public static final EnumDB2CommandType SET_TABLESPACE_CONTAINERS =
            define(61, "SET_TABLESPACE_CONTAINERS");

    /** The load command (code 62). */
    public static final EnumDB2CommandType LOAD = define(62, "LOAD");

    /** The backupdb command (code 63). */
    public static final EnumDB2CommandType BACKUPDB = define(63, "BACKUPDB");

    /** The runstats command (code 64). */
    public static final EnumDB2CommandType RUNSTATS = define(64, "RUNSTATS");

    /** The reorg command (code 65). */
    public static final EnumDB2CommandType REORG = define(65, "REORG");

    /** The reconcile command (code 66). */
    public static final EnumDB2CommandType RECONCILE = define(66, "RECONCILE");

    /** The restoredb command (code 67). */
    public static final EnumDB2CommandType RESTOREDB = define(67, "RESTOREDB");

    /** The listhistory command (code 68). */
    public static final EnumDB2CommandType LISTHISTORY = define(68, "LISTHISTORY");

    /** The rollforward command (code 69). */
    public static final EnumDB2CommandType ROLLFORWARD = define(69, "ROLLFORWARD");

    /** The prune command (code 70). */
    public static final EnumDB2CommandType PRUNE = define(70, "PRUNE");

    /** The updatehistoryfile command (code 71). */
    public static final EnumDB2CommandType UPDATEHISTORYFILE = define(71, "UPDATEHISTORYFILE");

    /** The loadquery command (code 72). */
    public static final EnumDB2CommandType LOADQUERY = define(72, "LOADQUERY");

    /** The add db part num command (code 73). */
    public static final EnumDB2CommandType ADD_DB_PART_NUM = define(73, "ADD_DB_PART_NUM");

    /** The drop db part num verify command (code 74). */
    public static final EnumDB2CommandType DROP_DB_PART_NUM_VERIFY =
            define(74, "DROP_DB_PART_NUM_VERIFY");

    /** The redistribute db part group command (code 77). */
    public static final EnumDB2CommandType REDISTRIBUTE_DB_PART_GROUP =
            define(77, "REDISTRIBUTE_DB_PART_GROUP");

    /** The precompile command (code 78). */
    public static final EnumDB2CommandType PRECOMPILE = define(78, "PRECOMPILE");

    /** The rebind command (code 80). */
    public static final EnumDB2CommandType REBIND = define(80, "REBIND");

    /** The set util impact priority command (code 82). */
    public static final EnumDB2CommandType SET_UTIL_IMPACT_PRIORITY =
            define(82, "SET_UTIL_IMPACT_PRIORITY");

    private static final List<EnumDB2CommandType> VALUES =
            Collections.unmodifiableList(new ArrayList<>(BY_TYPE.values()));

    /**
     * Creates a command type. Only the constants of this class are known to {@link #values()}
     * and {@link #fromType(int)}; a subclass may make other codes, for instance to see how the
     * native library treats a code it does not serve.
     *
     * @param type the code
     * @param name the readable name
     */
    protected EnumDB2CommandType(int type, String name) {
        super(type, name);
    }

    private static EnumDB2CommandType define(int type, String name) {
        EnumDB2CommandType value = new EnumDB2CommandType(type, name);
        if (BY_TYPE.putIfAbsent(type, value) != null) {
            throw new IllegalStateException("command type code " + type + " defined twice");
        }
        return value;
    }

    /**
     * Returns every command type, ordered by code.
     *
     * @return an unmodifiable list of the constants
     */
    public static List<EnumDB2CommandType> values() {
        return VALUES;
    }

    /**
     * Finds the constant with a code.
     *
     * @param type the code
     * @return the constant, or null when no constant has this code
     */
    public static EnumDB2CommandType fromType(int type) {
        return BY_TYPE.get(type);
    }

    /**
     * Finds the constant with a name, ignoring case.
     *
     * @param name the name, such as {@code "LIST_DB_DIRECTORY"}
     * @return the constant, or null when no constant has this name or {@code name} is null
     */
    public static EnumDB2CommandType fromName(String name) {
        if (name == null) {
            return null;
        }
        for (EnumDB2CommandType value : VALUES) {
            if (value.getName().equalsIgnoreCase(name)) {
                return value;
            }
        }
        return null;
    }
}
