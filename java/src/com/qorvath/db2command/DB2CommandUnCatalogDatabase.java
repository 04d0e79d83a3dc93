package com.qorvath.db2command;

/** Removes an alias from the system database directory. */
public class DB2CommandUnCatalogDatabase extends DB2Command {
    private String alias;

    /** Creates an uncatalog with no alias yet. */
    public DB2CommandUnCatalogDatabase() {}

    /**
     * Creates an uncatalog of the given alias.
     *
     * @param alias the alias to remove
     */
    public DB2CommandUnCatalogDatabase(String alias) {
        this.alias = alias;
    }

    /**
     * Returns {@link EnumDB2CommandType#UNCATALOG_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UNCATALOG_DATABASE;
    }

    /**
     * Returns the alias to remove.
     *
     * @return the alias
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the alias to remove.
     *
     * @param alias the alias
     */
    public void setAlias(String alias) {
        this.alias = alias;
    }
}
