package com.qorvath.db2command;

/**
 * Reconciles the DATALINK columns of a table of the connected database. DB2 version 9 has no such
 * utility: the command refuses when the client or the server is version 9 or later.
 */
public class DB2CommandReconcile extends DB2Command {
    private String tableName;
    private String exceptionTableName;
    private String fileName;

    /** Creates the command with every parameter unset. */
    public DB2CommandReconcile() {}

    /**
     * Returns {@link EnumDB2CommandType#RECONCILE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.RECONCILE;
    }

    /**
     * Returns the table.
     *
     * @return the value
     */
    public String getTableName() {
        return tableName;
    }

    /**
     * Sets the table.
     *
     * @param tableName the value
     */
    public void setTableName(String tableName) {
        this.tableName = tableName;
    }

    /**
     * Returns the exception table.
     *
     * @return the value
     */
    public String getExceptionTableName() {
        return exceptionTableName;
    }

    /**
     * Sets the exception table.
     *
     * @param exceptionTableName the value
     */
    public void setExceptionTableName(String exceptionTableName) {
        this.exceptionTableName = exceptionTableName;
    }

    /**
     * Returns the report file.
     *
     * @return the value
     */
    public String getFileName() {
        return fileName;
    }

    /**
     * Sets the report file.
     *
     * @param fileName the value
     */
    public void setFileName(String fileName) {
        this.fileName = fileName;
    }
}
