package com.qorvath.db2command;

/**
 * Adds an entry to the DCS directory: a local database name for a database on a host server.
 * Texts longer than their DB2 fields are cut to the field.
 */
public class DB2CommandCatalogDCSDB extends DB2Command {
    private String dbName;
    private String targetDBName;
    private String libName;
    private String params;
    private String comment;

    /** Creates a catalog with no parameters yet. */
    public DB2CommandCatalogDCSDB() {}

    /**
     * Creates a catalog of a local name for a host database.
     *
     * @param dbName the local database name
     * @param targetDBName the target database name on the host
     */
    public DB2CommandCatalogDCSDB(String dbName, String targetDBName) {
        this.dbName = dbName;
        this.targetDBName = targetDBName;
    }

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_DCS_DB}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_DCS_DB;
    }

    /**
     * Returns the local database name (at most 8 characters).
     *
     * @return the value, or null when not set
     */
    public String getDbName() {
        return dbName;
    }

    /**
     * Sets the local database name (at most 8 characters).
     *
     * @param dbName the value; null or empty for none
     */
    public void setDbName(String dbName) {
        this.dbName = dbName;
    }

    /**
     * Returns the target database name on the host (at most 18 characters; longer is cut).
     *
     * @return the value, or null when not set
     */
    public String getTargetDBName() {
        return targetDBName;
    }

    /**
     * Sets the target database name on the host (at most 18 characters; longer is cut).
     *
     * @param targetDBName the value; null or empty for none
     */
    public void setTargetDBName(String targetDBName) {
        this.targetDBName = targetDBName;
    }

    /**
     * Returns the application requester library (at most 32 characters).
     *
     * @return the value, or null when not set
     */
    public String getLibName() {
        return libName;
    }

    /**
     * Sets the application requester library (at most 32 characters).
     *
     * @param libName the value; null or empty for none
     */
    public void setLibName(String libName) {
        this.libName = libName;
    }

    /**
     * Returns the DCS parameter string (at most 512 characters; longer is cut).
     *
     * @return the value, or null when not set
     */
    public String getParams() {
        return params;
    }

    /**
     * Sets the DCS parameter string (at most 512 characters; longer is cut).
     *
     * @param params the value; null or empty for none
     */
    public void setParams(String params) {
        this.params = params;
    }

    /**
     * Returns the comment (at most 30 characters).
     *
     * @return the value, or null when not set
     */
    public String getComment() {
        return comment;
    }

    /**
     * Sets the comment (at most 30 characters).
     *
     * @param comment the value; null or empty for none
     */
    public void setComment(String comment) {
        this.comment = comment;
    }
}
