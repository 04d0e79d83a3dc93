package com.qorvath.db2command;

/**
 * Migrates a database made by an older release to the client's release.
 */
public class DB2CommandMigrateDatabase extends DB2Command {
    private String alias;
    private String username;
    private String password;

    /** Creates the command with no parameters yet. */
    public DB2CommandMigrateDatabase() {}

    /**
     * Returns {@link EnumDB2CommandType#MIGRATE_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.MIGRATE_DATABASE;
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
     * Returns the user to migrate as, or empty.
     *
     * @return the value
     */
    public String getUsername() {
        return username;
    }

    /**
     * Sets the user to migrate as, or empty.
     *
     * @param username the value
     */
    public void setUsername(String username) {
        this.username = username;
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
