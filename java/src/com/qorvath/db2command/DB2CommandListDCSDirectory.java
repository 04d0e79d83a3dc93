package com.qorvath.db2command;

/**
 * Lists the DCS directory.
 *
 * <p>The result has the columns "Local database name", "Target database name", "Application
 * requestor name", "DCS parameters", "Comment" and "DCS directory release level", one row per
 * entry. An empty directory gives a result without columns.
 */
public class DB2CommandListDCSDirectory extends DB2Command {
    /** Creates the listing; it takes no parameters. */
    public DB2CommandListDCSDirectory() {}

    /**
     * Returns {@link EnumDB2CommandType#LIST_DCS_DIRECTORY}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LIST_DCS_DIRECTORY;
    }
}
