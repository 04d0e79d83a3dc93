package com.qorvath.db2command;

/**
 * Quiesces the database the run-time context is connected to: only users with the authority DB2
 * requires may connect until it is unquiesced. Needs a client of 8.0 or later.
 *
 * <p>Unless deferred, the quiesce is immediate; with force, connected applications are forced off,
 * after the time-out (minutes) when deferred.
 */
public class DB2CommandQuiesceDatabase extends QuiesceCommand {
    /** Creates the command with no parameters yet. */
    public DB2CommandQuiesceDatabase() {}

    /**
     * Returns {@link EnumDB2CommandType#QUIESCE_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.QUIESCE_DATABASE;
    }
}
