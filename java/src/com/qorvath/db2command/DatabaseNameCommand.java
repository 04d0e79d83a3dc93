package com.qorvath.db2command;

/** What creating a database and cataloguing one share: the database name and its alias. */
public abstract class DatabaseNameCommand extends DB2Command {
    private String dbName;
    private String alias;

    /** Creates the command with no name yet. */
    protected DatabaseNameCommand() {}

    /**
     * Returns the database name.
     *
     * @return the value, or null when not set
     */
    public String getDbName() {
        return dbName;
    }

    /**
     * Sets the database name.
     *
     * @param dbName the value; null when not set
     */
    public void setDbName(String dbName) {
        this.dbName = dbName;
    }

    /**
     * Returns the alias (empty: the database name).
     *
     * @return the value, or null when not set
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the alias (empty: the database name).
     *
     * @param alias the value; null or empty for the database name
     */
    public void setAlias(String alias) {
        this.alias = alias;
    }
}
