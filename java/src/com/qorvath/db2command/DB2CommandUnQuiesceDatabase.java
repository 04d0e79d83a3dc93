package com.qorvath.db2command;

/**
 * Lifts the quiesce of the database the run-time context is connected to. Needs a client of 8.0 or
 * later.
 */
public class DB2CommandUnQuiesceDatabase extends DB2Command {
    /** Creates the command with no parameters yet. */
    public DB2CommandUnQuiesceDatabase() {}

    /**
     * Returns {@link EnumDB2CommandType#UNQUIESCE_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UNQUIESCE_DATABASE;
    }
}
