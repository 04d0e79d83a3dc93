package com.qorvath.db2command;

/**
 * Asks DB2 whether the current database partition holds no data and may be dropped. Changes
 * nothing.
 */
public class DB2CommandDropDBPartNumVerify extends DB2Command {
    /** Creates the command with no parameters yet. */
    public DB2CommandDropDBPartNumVerify() {}

    /**
     * Returns {@link EnumDB2CommandType#DROP_DB_PART_NUM_VERIFY}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.DROP_DB_PART_NUM_VERIFY;
    }
}
