package com.qorvath.db2command;

/**
 * Connects to a database through DB2 CLI.
 *
 * <p>On success the run-time context holds the connection (its DB2 context and CLI handles) and
 * the database server's version. The partition to connect to is the run-time context's connect
 * node id. A connection the run-time context already holds is closed first. A failed connect
 * reports itself by its false result alone, without an exception.
 */
public class DB2CommandConnect extends CredentialsCommand {
    private String alias;

    /** Creates a connect with no database chosen yet. */
    public DB2CommandConnect() {}

    /**
     * Creates a connect to the given database.
     *
     * @param alias the database alias
     * @param userId the user to connect as; null or empty for the current user
     * @param password the user's password; null or empty when no user is given
     */
    public DB2CommandConnect(String alias, String userId, String password) {
        this.alias = alias;
        setUserId(userId);
        setPassword(password);
    }

    /**
     * Returns {@link EnumDB2CommandType#CONNECT}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CONNECT;
    }

    /**
     * Returns the alias of the database to connect to.
     *
     * @return the alias, or null when not set
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the alias of the database to connect to.
     *
     * @param alias the database alias
     */
    public void setAlias(String alias) {
        this.alias = alias;
    }
}
