package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Checks the architectural integrity of the connected database, a table space or a table.
 * Needs a database connection.
 */
public class DB2CommandInspect extends DB2Command {
    private Boolean isDatabase;
    private Boolean isTable;
    private Boolean isTablespace;
    private Integer tablespaceId;
    private Integer objectId;
    private String tablespaceName;
    private String tableName;
    private String schemaName;
    private Boolean isForErrorStateAll;
    private Integer limitErrNum;
    private Boolean isLimitErrToAll;
    private Boolean isLimitErrToDef;
    private Boolean isKeepResults;
    private String resultsFile;
    private EnumLevelType extentMapLvl;
    private EnumLevelType dataLvl;
    private EnumLevelType blockMapLvl;
    private EnumLevelType indexLvl;
    private EnumLevelType lobLvl;
    private EnumLevelType longLvl;
    private Boolean allDBPartitionNums;
    private String dbPartitionNumsString;
    private String exceptDBPartitionNumsString;

    /** Creates the command with every parameter unset. */
    public DB2CommandInspect() {}

    /**
     * Returns {@link EnumDB2CommandType#INSPECT}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.INSPECT;
    }

    /**
     * Returns whether the whole database is checked.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsDatabase() {
        return isDatabase;
    }

    /**
     * Sets whether the whole database is checked.
     *
     * @param isDatabase the value
     */
    public void setIsDatabase(Boolean isDatabase) {
        this.isDatabase = isDatabase;
    }

    /**
     * Returns whether one table is checked.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsTable() {
        return isTable;
    }

    /**
     * Sets whether one table is checked.
     *
     * @param isTable the value
     */
    public void setIsTable(Boolean isTable) {
        this.isTable = isTable;
    }

    /**
     * Returns whether one table space is checked.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsTablespace() {
        return isTablespace;
    }

    /**
     * Sets whether one table space is checked.
     *
     * @param isTablespace the value
     */
    public void setIsTablespace(Boolean isTablespace) {
        this.isTablespace = isTablespace;
    }

    /**
     * Returns the table space id.
     *
     * @return the value, or null when not set
     */
    public Integer getTablespaceId() {
        return tablespaceId;
    }

    /**
     * Sets the table space id.
     *
     * @param tablespaceId the value
     */
    public void setTablespaceId(Integer tablespaceId) {
        this.tablespaceId = tablespaceId;
    }

    /**
     * Returns the object (table) id.
     *
     * @return the value, or null when not set
     */
    public Integer getObjectId() {
        return objectId;
    }

    /**
     * Sets the object (table) id.
     *
     * @param objectId the value
     */
    public void setObjectId(Integer objectId) {
        this.objectId = objectId;
    }

    /**
     * Returns the table space name.
     *
     * @return the value, or null when not set
     */
    public String getTablespaceName() {
        return tablespaceName;
    }

    /**
     * Sets the table space name.
     *
     * @param tablespaceName the value
     */
    public void setTablespaceName(String tablespaceName) {
        this.tablespaceName = tablespaceName;
    }

    /**
     * Returns the table name.
     *
     * @return the value, or null when not set
     */
    public String getTableName() {
        return tableName;
    }

    /**
     * Sets the table name.
     *
     * @param tableName the value
     */
    public void setTableName(String tableName) {
        this.tableName = tableName;
    }

    /**
     * Returns the schema of the table.
     *
     * @return the value, or null when not set
     */
    public String getSchemaName() {
        return schemaName;
    }

    /**
     * Sets the schema of the table.
     *
     * @param schemaName the value
     */
    public void setSchemaName(String schemaName) {
        this.schemaName = schemaName;
    }

    /**
     * Returns whether objects in error state are checked too.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsForErrorStateAll() {
        return isForErrorStateAll;
    }

    /**
     * Sets whether objects in error state are checked too.
     *
     * @param isForErrorStateAll the value
     */
    public void setIsForErrorStateAll(Boolean isForErrorStateAll) {
        this.isForErrorStateAll = isForErrorStateAll;
    }

    /**
     * Returns the most errors reported per object.
     *
     * @return the value, or null when not set
     */
    public Integer getLimitErrNum() {
        return limitErrNum;
    }

    /**
     * Sets the most errors reported per object.
     *
     * @param limitErrNum the value
     */
    public void setLimitErrNum(Integer limitErrNum) {
        this.limitErrNum = limitErrNum;
    }

    /**
     * Returns whether every error is reported.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsLimitErrToAll() {
        return isLimitErrToAll;
    }

    /**
     * Sets whether every error is reported.
     *
     * @param isLimitErrToAll the value
     */
    public void setIsLimitErrToAll(Boolean isLimitErrToAll) {
        this.isLimitErrToAll = isLimitErrToAll;
    }

    /**
     * Returns whether the default error limit applies.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsLimitErrToDef() {
        return isLimitErrToDef;
    }

    /**
     * Sets whether the default error limit applies.
     *
     * @param isLimitErrToDef the value
     */
    public void setIsLimitErrToDef(Boolean isLimitErrToDef) {
        this.isLimitErrToDef = isLimitErrToDef;
    }

    /**
     * Returns whether the results file is kept.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsKeepResults() {
        return isKeepResults;
    }

    /**
     * Sets whether the results file is kept.
     *
     * @param isKeepResults the value
     */
    public void setIsKeepResults(Boolean isKeepResults) {
        this.isKeepResults = isKeepResults;
    }

    /**
     * Returns the results file.
     *
     * @return the value, or null when not set
     */
    public String getResultsFile() {
        return resultsFile;
    }

    /**
     * Sets the results file.
     *
     * @param resultsFile the value
     */
    public void setResultsFile(String resultsFile) {
        this.resultsFile = resultsFile;
    }

    /**
     * Returns the extent map check level.
     *
     * @return the value, or null when not set
     */
    public EnumLevelType getExtentMapLvl() {
        return extentMapLvl;
    }

    /**
     * Sets the extent map check level.
     *
     * @param extentMapLvl the value
     */
    public void setExtentMapLvl(EnumLevelType extentMapLvl) {
        this.extentMapLvl = extentMapLvl;
    }

    /**
     * Returns the data check level.
     *
     * @return the value, or null when not set
     */
    public EnumLevelType getDataLvl() {
        return dataLvl;
    }

    /**
     * Sets the data check level.
     *
     * @param dataLvl the value
     */
    public void setDataLvl(EnumLevelType dataLvl) {
        this.dataLvl = dataLvl;
    }

    /**
     * Returns the block map check level.
     *
     * @return the value, or null when not set
     */
    public EnumLevelType getBlockMapLvl() {
        return blockMapLvl;
    }

    /**
     * Sets the block map check level.
     *
     * @param blockMapLvl the value
     */
    public void setBlockMapLvl(EnumLevelType blockMapLvl) {
        this.blockMapLvl = blockMapLvl;
    }

    /**
     * Returns the index check level.
     *
     * @return the value, or null when not set
     */
    public EnumLevelType getIndexLvl() {
        return indexLvl;
    }

    /**
     * Sets the index check level.
     *
     * @param indexLvl the value
     */
    public void setIndexLvl(EnumLevelType indexLvl) {
        this.indexLvl = indexLvl;
    }

    /**
     * Returns the LOB check level.
     *
     * @return the value, or null when not set
     */
    public EnumLevelType getLobLvl() {
        return lobLvl;
    }

    /**
     * Sets the LOB check level.
     *
     * @param lobLvl the value
     */
    public void setLobLvl(EnumLevelType lobLvl) {
        this.lobLvl = lobLvl;
    }

    /**
     * Returns the long data check level.
     *
     * @return the value, or null when not set
     */
    public EnumLevelType getLongLvl() {
        return longLvl;
    }

    /**
     * Sets the long data check level.
     *
     * @param longLvl the value
     */
    public void setLongLvl(EnumLevelType longLvl) {
        this.longLvl = longLvl;
    }

    /**
     * Returns whether every partition is checked.
     *
     * @return the value, or null when not set
     */
    public Boolean getAllDBPartitionNums() {
        return allDBPartitionNums;
    }

    /**
     * Sets whether every partition is checked.
     *
     * @param allDBPartitionNums the value
     */
    public void setAllDBPartitionNums(Boolean allDBPartitionNums) {
        this.allDBPartitionNums = allDBPartitionNums;
    }

    /**
     * Returns the partitions to check, e.g. "1, 3 TO 5".
     *
     * @return the value, or null when not set
     */
    public String getDbPartitionNumsString() {
        return dbPartitionNumsString;
    }

    /**
     * Sets the partitions to check, e.g. "1, 3 TO 5".
     *
     * @param dbPartitionNumsString the value
     */
    public void setDbPartitionNumsString(String dbPartitionNumsString) {
        this.dbPartitionNumsString = dbPartitionNumsString;
    }

    /**
     * Returns with all partitions, those left out.
     *
     * @return the value, or null when not set
     */
    public String getExceptDBPartitionNumsString() {
        return exceptDBPartitionNumsString;
    }

    /**
     * Sets with all partitions, those left out.
     *
     * @param exceptDBPartitionNumsString the value
     */
    public void setExceptDBPartitionNumsString(String exceptDBPartitionNumsString) {
        this.exceptDBPartitionNumsString = exceptDBPartitionNumsString;
    }

    /** How thoroughly an object kind is checked. */
    public static final class EnumLevelType extends EnumTypeBase {
        /** NORMAL. */
        public static final EnumLevelType NORMAL = new EnumLevelType(0, "NORMAL");

        /** LOW. */
        public static final EnumLevelType LOW = new EnumLevelType(1, "LOW");

        /** NONE. */
        public static final EnumLevelType NONE = new EnumLevelType(2, "NONE");

        private EnumLevelType(int type, String name) {
            super(type, name);
        }
    }
}
