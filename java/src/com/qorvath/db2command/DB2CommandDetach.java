package com.qorvath.db2command;

/**
 * Detaches from the instance the run-time context is attached to and ends the attachment's DB2
 * context. Without an attachment the command does nothing and returns false.
 */
public class DB2CommandDetach extends DB2Command {
    /** Creates a detach. */
    public DB2CommandDetach() {}

    /**
     * Returns {@link EnumDB2CommandType#DETACH}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.DETACH;
    }
}
