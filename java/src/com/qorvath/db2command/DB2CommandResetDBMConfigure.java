package com.qorvath.db2command;

/**
 * Returns every parameter of the database-manager (instance) configuration to DB2's default.
 *
 * <p>The command needs an instance attachment, takes no parameters and produces no rows.
 */
public class DB2CommandResetDBMConfigure extends DB2Command {
    /** Creates the reset. */
    public DB2CommandResetDBMConfigure() {}

    /**
     * Returns {@link EnumDB2CommandType#RESET_DBM_CFG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.RESET_DBM_CFG;
    }
}
