package com.qorvath.db2command;

/**
 * Activates a database: starts its services so that the first connection need not wait.
 *
 * <p>An empty user and password mean the caller's own authority.
 */
public class DB2CommandActivateDatabase extends CredentialsCommand {
    private String alias;

    /** Creates the command with no parameters yet. */
    public DB2CommandActivateDatabase() {}

    /**
     * Returns {@link EnumDB2CommandType#ACTIVATE_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.ACTIVATE_DATABASE;
    }

    /**
     * Returns the database alias.
     *
     * @return the value
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the database alias.
     *
     * @param alias the value
     */
    public void setAlias(String alias) {
        this.alias = alias;
    }
}
