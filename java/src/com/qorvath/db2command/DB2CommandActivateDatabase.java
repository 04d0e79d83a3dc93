package com.qorvath.db2command;

/**
 * Activates a database: starts its services so that the first connection need not wait.
 *
 * <p>An empty user and password mean the caller's own authority.
 */
public class DB2CommandActivateDatabase extends DB2Command {
    private String alias;
    private String userId;
    private String password;

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

    /**
     * Returns the user to activate as, or empty.
     *
     * @return the value
     */
    public String getUserId() {
        return userId;
    }

    /**
     * Sets the user to activate as, or empty.
     *
     * @param userId the value
     */
    public void setUserId(String userId) {
        this.userId = userId;
    }

    /**
     * Returns the password of that user, or empty.
     *
     * @return the value
     */
    public String getPassword() {
        return password;
    }

    /**
     * Sets the password of that user, or empty.
     *
     * @param password the value
     */
    public void setPassword(String password) {
        this.password = password;
    }
}
