package com.qorvath.db2command;

/**
 * Lists the system database directory.
 *
 * <p>The result has the columns "alias name", "database name", "node name", "release level",
 * "comment", "entry type" and "catalog node name", one row per entry. The node name of an
 * indirect entry is its path, that of a home entry the current instance. The entry type is
 * INDIRECT, REMOTE, HOME, DCE, LDAP or "unknown". When DB2 ends the scan before the number of
 * entries it announced, the command returns false without an exception and keeps the rows read.
 */
public class DB2CommandListDBDirectory extends DB2Command {
    /** Creates the listing; it takes no parameters. */
    public DB2CommandListDBDirectory() {}

    /**
     * Returns {@link EnumDB2CommandType#LIST_DB_DIRECTORY}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LIST_DB_DIRECTORY;
    }
}
