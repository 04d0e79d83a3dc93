package com.qorvath.db2command;

import java.util.Collection;

/**
 * Reorganises a table (offline or in place) or its indexes on the connected database. Needs a
 * database connection.
 */
public class DB2CommandReorg extends DB2Command {
    private String tableName;
    private String indexName;
    private String reorgTypeString;
    private boolean inplace;
    private Collection<Integer> integerPartitionList;
    private boolean allPartitions;
    private boolean allPartitionsExcept;
    private boolean longLobData;
    private boolean indexScan;
    private String inplaceActionString;
    private boolean noTruncateTable;
    private String tableAccessString;
    private String indexCleanupConvertString;
    private boolean resetDictionary;
    private String tablespaceName;
    private String longTablespaceName;

    /** Creates the command with every parameter unset. */
    public DB2CommandReorg() {}

    /**
     * Returns {@link EnumDB2CommandType#REORG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.REORG;
    }

    /**
     * Returns the table ([schema.]name).
     *
     * @return the value, or null when not set
     */
    public String getTableName() {
        return tableName;
    }

    /**
     * Sets the table ([schema.]name).
     *
     * @param tableName the value
     */
    public void setTableName(String tableName) {
        this.tableName = tableName;
    }

    /**
     * Returns the index to order by, or the index to reorganise.
     *
     * @return the value, or null when not set
     */
    public String getIndexName() {
        return indexName;
    }

    /**
     * Sets the index to order by, or the index to reorganise.
     *
     * @param indexName the value
     */
    public void setIndexName(String indexName) {
        this.indexName = indexName;
    }

    /**
     * Returns the kind: REORG_TABLE, REORG_INDEXES_ALL or REORG_INDEX.
     *
     * @return the value, or null when not set
     */
    public String getReorgTypeString() {
        return reorgTypeString;
    }

    /**
     * Sets the kind: REORG_TABLE, REORG_INDEXES_ALL or REORG_INDEX.
     *
     * @param reorgTypeString the value
     */
    public void setReorgTypeString(String reorgTypeString) {
        this.reorgTypeString = reorgTypeString;
    }

    /**
     * Returns whether the table is reorganised in place.
     *
     * @return the value
     */
    public boolean isInplace() {
        return inplace;
    }

    /**
     * Sets whether the table is reorganised in place.
     *
     * @param inplace the value
     */
    public void setInplace(boolean inplace) {
        this.inplace = inplace;
    }

    /**
     * Returns the partitions (null: all).
     *
     * @return the value, or null when not set
     */
    public Collection<Integer> getIntegerPartitionList() {
        return integerPartitionList;
    }

    /**
     * Sets the partitions (null: all).
     *
     * @param integerPartitionList the value
     */
    public void setIntegerPartitionList(Collection<Integer> integerPartitionList) {
        this.integerPartitionList = integerPartitionList;
    }

    /**
     * Returns whether every partition is reorganised.
     *
     * @return the value
     */
    public boolean isAllPartitions() {
        return allPartitions;
    }

    /**
     * Sets whether every partition is reorganised.
     *
     * @param allPartitions the value
     */
    public void setAllPartitions(boolean allPartitions) {
        this.allPartitions = allPartitions;
    }

    /**
     * Returns whether every partition but those listed is.
     *
     * @return the value
     */
    public boolean isAllPartitionsExcept() {
        return allPartitionsExcept;
    }

    /**
     * Sets whether every partition but those listed is.
     *
     * @param allPartitionsExcept the value
     */
    public void setAllPartitionsExcept(boolean allPartitionsExcept) {
        this.allPartitionsExcept = allPartitionsExcept;
    }

    /**
     * Returns whether long and LOB data are reorganised too.
     *
     * @return the value
     */
    public boolean isLongLobData() {
        return longLobData;
    }

    /**
     * Sets whether long and LOB data are reorganised too.
     *
     * @param longLobData the value
     */
    public void setLongLobData(boolean longLobData) {
        this.longLobData = longLobData;
    }

    /**
     * Returns whether rows are reclustered by an index scan.
     *
     * @return the value
     */
    public boolean isIndexScan() {
        return indexScan;
    }

    /**
     * Sets whether rows are reclustered by an index scan.
     *
     * @param indexScan the value
     */
    public void setIndexScan(boolean indexScan) {
        this.indexScan = indexScan;
    }

    /**
     * Returns the in-place action: START, PAUSE, STOP or RESUME.
     *
     * @return the value, or null when not set
     */
    public String getInplaceActionString() {
        return inplaceActionString;
    }

    /**
     * Sets the in-place action: START, PAUSE, STOP or RESUME.
     *
     * @param inplaceActionString the value
     */
    public void setInplaceActionString(String inplaceActionString) {
        this.inplaceActionString = inplaceActionString;
    }

    /**
     * Returns whether the table is left untruncated.
     *
     * @return the value
     */
    public boolean isNoTruncateTable() {
        return noTruncateTable;
    }

    /**
     * Sets whether the table is left untruncated.
     *
     * @param noTruncateTable the value
     */
    public void setNoTruncateTable(boolean noTruncateTable) {
        this.noTruncateTable = noTruncateTable;
    }

    /**
     * Returns the access: ALLOW NO ACCESS, ALLOW READ ACCESS or ALLOW WRITE ACCESS.
     *
     * @return the value, or null when not set
     */
    public String getTableAccessString() {
        return tableAccessString;
    }

    /**
     * Sets the access: ALLOW NO ACCESS, ALLOW READ ACCESS or ALLOW WRITE ACCESS.
     *
     * @param tableAccessString the value
     */
    public void setTableAccessString(String tableAccessString) {
        this.tableAccessString = tableAccessString;
    }

    /**
     * Returns the index clean-up: CLEANUP_ONLY_ALL, CLEANUP_ONLY_PAGES or CONVERT.
     *
     * @return the value, or null when not set
     */
    public String getIndexCleanupConvertString() {
        return indexCleanupConvertString;
    }

    /**
     * Sets the index clean-up: CLEANUP_ONLY_ALL, CLEANUP_ONLY_PAGES or CONVERT.
     *
     * @param indexCleanupConvertString the value
     */
    public void setIndexCleanupConvertString(String indexCleanupConvertString) {
        this.indexCleanupConvertString = indexCleanupConvertString;
    }

    /**
     * Returns whether the compression dictionary is rebuilt (version 9 and later).
     *
     * @return the value
     */
    public boolean isResetDictionary() {
        return resetDictionary;
    }

    /**
     * Sets whether the compression dictionary is rebuilt (version 9 and later).
     *
     * @param resetDictionary the value
     */
    public void setResetDictionary(boolean resetDictionary) {
        this.resetDictionary = resetDictionary;
    }

    /**
     * Returns the temporary table space.
     *
     * @return the value, or null when not set
     */
    public String getTablespaceName() {
        return tablespaceName;
    }

    /**
     * Sets the temporary table space.
     *
     * @param tablespaceName the value
     */
    public void setTablespaceName(String tablespaceName) {
        this.tablespaceName = tablespaceName;
    }

    /**
     * Returns the temporary table space for long data (version 9 and later).
     *
     * @return the value, or null when not set
     */
    public String getLongTablespaceName() {
        return longTablespaceName;
    }

    /**
     * Sets the temporary table space for long data (version 9 and later).
     *
     * @param longTablespaceName the value
     */
    public void setLongTablespaceName(String longTablespaceName) {
        this.longTablespaceName = longTablespaceName;
    }
}
