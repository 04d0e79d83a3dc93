package com.qorvath.db2command;

/**
 * Restarts a database after a failure (crash recovery).
 *
 * <p>Table spaces named in the comma list are dropped if they cannot be recovered; write resume
 * lifts a write suspend at the same time.
 */
public class DB2CommandRestartDatabase extends DB2Command {
    private String alias;
    private String userName;
    private String password;
    private String tablespaceString;
    private Boolean writeResume;

    /** Creates the command with no parameters yet. */
    public DB2CommandRestartDatabase() {}

    /**
     * Returns {@link EnumDB2CommandType#RESTART_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.RESTART_DATABASE;
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
     * Returns the user to restart as, or empty.
     *
     * @return the value
     */
    public String getUserName() {
        return userName;
    }

    /**
     * Sets the user to restart as, or empty.
     *
     * @param userName the value
     */
    public void setUserName(String userName) {
        this.userName = userName;
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

    /**
     * Returns the comma list of table spaces to drop, or empty.
     *
     * @return the value
     */
    public String getTablespaceString() {
        return tablespaceString;
    }

    /**
     * Sets the comma list of table spaces to drop, or empty.
     *
     * @param tablespaceString the value
     */
    public void setTablespaceString(String tablespaceString) {
        this.tablespaceString = tablespaceString;
    }

    /**
     * Returns whether to resume writes; null is no.
     *
     * @return the value
     */
    public Boolean getWriteResume() {
        return writeResume;
    }

    /**
     * Sets whether to resume writes; null is no.
     *
     * @param writeResume the value
     */
    public void setWriteResume(Boolean writeResume) {
        this.writeResume = writeResume;
    }
}
