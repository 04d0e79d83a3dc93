package com.qorvath.db2command;

/**
 * Deactivates a database: stops its services once the last application has gone.
 *
 * <p>Takes the same parameters as {@link DB2CommandActivateDatabase}, whose getters the library
 * reads for both.
 */
public class DB2CommandDeActivateDatabase extends DB2CommandActivateDatabase {
    /** Creates the command with no parameters yet. */
    public DB2CommandDeActivateDatabase() {}

    /**
     * Returns {@link EnumDB2CommandType#DEACTIVATE_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.DEACTIVATE_DATABASE;
    }
}
