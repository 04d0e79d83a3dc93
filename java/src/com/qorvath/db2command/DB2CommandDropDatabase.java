package com.qorvath.db2command;

/** Drops a database by alias. Needs an instance attachment. */
public class DB2CommandDropDatabase extends DB2Command {
    private String alias;

    /** Creates a command with no alias yet. */
    public DB2CommandDropDatabase() {}

    /**
     * Creates a command for an alias.
     *
     * @param alias the alias of the database
     */
    public DB2CommandDropDatabase(String alias) {
        this.alias = alias;
    }

    /**
     * Returns {@link EnumDB2CommandType#DROP_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.DROP_DATABASE;
    }

    /**
     * Returns the alias of the database.
     *
     * @return the value, or null when not set
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the alias of the database.
     *
     * @param alias the value; null for the default
     */
    public void setAlias(String alias) {
        this.alias = alias;
    }
}
