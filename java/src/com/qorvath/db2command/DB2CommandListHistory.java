package com.qorvath.db2command;

/**
 * Lists the entries of the recovery history file of a database, one row of nineteen columns per
 * entry.
 *
 * <p>The history option is DB2's list kind: 0 all entries, 1 backups, 2 rollforwards, 3 dropped
 * tables, 4 reorgs, 5 to 7 table space changes, 8 loads. A table name wins over a table space
 * name.
 */
public class DB2CommandListHistory extends DB2Command {
    private String dbAlias;
    private String timestamp;
    private String tableName;
    private String tablespaceName;
    private Integer historyOptionValue;

    /** Creates the command with every parameter unset. */
    public DB2CommandListHistory() {}

    /**
     * Returns {@link EnumDB2CommandType#LISTHISTORY}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LISTHISTORY;
    }

    /**
     * Returns the alias of the database.
     *
     * @return the value
     */
    public String getDbAlias() {
        return dbAlias;
    }

    /**
     * Sets the alias of the database.
     *
     * @param dbAlias the value
     */
    public void setDbAlias(String dbAlias) {
        this.dbAlias = dbAlias;
    }

    /**
     * Returns the earliest time stamp to list (a prefix such as 2026 works).
     *
     * @return the value
     */
    public String getTimestamp() {
        return timestamp;
    }

    /**
     * Sets the earliest time stamp to list (a prefix such as 2026 works).
     *
     * @param timestamp the value
     */
    public void setTimestamp(String timestamp) {
        this.timestamp = timestamp;
    }

    /**
     * Returns the table whose entries are listed.
     *
     * @return the value
     */
    public String getTableName() {
        return tableName;
    }

    /**
     * Sets the table whose entries are listed.
     *
     * @param tableName the value
     */
    public void setTableName(String tableName) {
        this.tableName = tableName;
    }

    /**
     * Returns the table space whose entries are listed.
     *
     * @return the value
     */
    public String getTablespaceName() {
        return tablespaceName;
    }

    /**
     * Sets the table space whose entries are listed.
     *
     * @param tablespaceName the value
     */
    public void setTablespaceName(String tablespaceName) {
        this.tablespaceName = tablespaceName;
    }

    /**
     * Returns the list kind; null is 0, all entries.
     *
     * @return the value
     */
    public Integer getHistoryOptionValue() {
        return historyOptionValue;
    }

    /**
     * Sets the list kind; null is 0, all entries.
     *
     * @param historyOptionValue the value
     */
    public void setHistoryOptionValue(Integer historyOptionValue) {
        this.historyOptionValue = historyOptionValue;
    }
}
