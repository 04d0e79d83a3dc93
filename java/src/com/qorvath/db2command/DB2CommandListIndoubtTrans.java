package com.qorvath.db2command;

/**
 * Lists the XA transactions of the connected database that wait for a commit or rollback
 * decision. Needs a database connection.
 *
 * <p>The columns are "Originator", "Application ID", "Sequence Number", "Status" (the status
 * character as a number: 105 is 'i', in doubt), "Time Stamp", "Authorization ID", "Log Full",
 * "Type" and "XID".
 */
public class DB2CommandListIndoubtTrans extends DB2Command {
    /** Creates the listing. */
    public DB2CommandListIndoubtTrans() {}

    /**
     * Returns {@link EnumDB2CommandType#LIST_INDOUBT_TRANSACTIONS}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LIST_INDOUBT_TRANSACTIONS;
    }
}
