package com.qorvath.db2command;

/**
 * Removes the entry of a local database name from the DCS directory. A name longer than 8
 * characters is refused with an exception.
 */
public class DB2CommandUnCatalogDCSDB extends DB2Command {
    private String dbName;

    /** Creates an uncatalog with no name yet. */
    public DB2CommandUnCatalogDCSDB() {}

    /**
     * Creates an uncatalog of the given local database name.
     *
     * @param dbName the local database name, at most 8 characters
     */
    public DB2CommandUnCatalogDCSDB(String dbName) {
        this.dbName = dbName;
    }

    /**
     * Returns {@link EnumDB2CommandType#UNCATALOG_DCS_DB}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UNCATALOG_DCS_DB;
    }

    /**
     * Returns the local database name.
     *
     * @return the name
     */
    public String getDbName() {
        return dbName;
    }

    /**
     * Sets the local database name.
     *
     * @param dbName the name, at most 8 characters
     */
    public void setDbName(String dbName) {
        this.dbName = dbName;
    }
}
