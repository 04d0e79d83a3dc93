package com.qorvath.db2command;

/**
 * Lists the DRDA transactions the sync point manager holds in doubt. Needs a database
 * connection.
 *
 * <p>The columns are "DB Name", "DB Alias", "LUW ID", "Partner LU", "UOW Status", "Partner
 * Status", "Role" (the three status characters as numbers), "Corrtok" and "XID". With a client
 * before 9.0, an empty list gives no columns either.
 */
public class DB2CommandListDRDAIndoubtTrans extends DB2Command {
    /** Creates the listing. */
    public DB2CommandListDRDAIndoubtTrans() {}

    /**
     * Returns {@link EnumDB2CommandType#LIST_DRDA_INDOUBT_TRANSACTIONS}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LIST_DRDA_INDOUBT_TRANSACTIONS;
    }
}
