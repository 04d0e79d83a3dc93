package com.qorvath.db2command;

/**
 * Closes the database connection the run-time context holds: the CLI connection and environment,
 * then its DB2 context. Without a connection the command does nothing and returns false.
 */
public class DB2CommandDisconnect extends DB2Command {
    /** Creates a disconnect. */
    public DB2CommandDisconnect() {}

    /**
     * Returns {@link EnumDB2CommandType#DISCONNECT}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.DISCONNECT;
    }
}
