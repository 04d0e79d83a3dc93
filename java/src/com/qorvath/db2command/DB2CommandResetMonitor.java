package com.qorvath.db2command;

/**
 * Resets the database monitor's counters of one database, or of every database of the attached
 * instance when no alias is given; on one partition, the current one by default, or on all
 * (global). Needs an instance attachment.
 */
public class DB2CommandResetMonitor extends DB2Command {
    private Boolean isDCS;
    private String databaseAlias;
    private Integer dbPartitionNum;
    private Boolean isGlobal;

    /** Creates the command; with no alias it resets every database. */
    public DB2CommandResetMonitor() {}

    /**
     * Creates the command for one database.
     *
     * @param databaseAlias the alias; null or empty for every database
     */
    public DB2CommandResetMonitor(String databaseAlias) {
        this.databaseAlias = databaseAlias;
    }

    /**
     * Returns {@link EnumDB2CommandType#RESET_MONITOR}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.RESET_MONITOR;
    }

    /**
     * Returns whether the database is a DCS one (kept for the caller; DB2 resets both alike).
     *
     * @return the value, or null when not set
     */
    public Boolean getIsDCS() {
        return isDCS;
    }

    /**
     * Marks the database as a DCS one.
     *
     * @param isDCS the value
     */
    public void setIsDCS(Boolean isDCS) {
        this.isDCS = isDCS;
    }

    /**
     * Returns the alias of the database whose counters are reset.
     *
     * @return the alias, or null for every database
     */
    public String getDatabaseAlias() {
        return databaseAlias;
    }

    /**
     * Sets the alias of the database whose counters are reset.
     *
     * @param databaseAlias the alias; null or empty for every database
     */
    public void setDatabaseAlias(String databaseAlias) {
        this.databaseAlias = databaseAlias;
    }

    /**
     * Returns the partition to reset on.
     *
     * @return the partition number, or null for the current partition
     */
    public Integer getDbPartitionNum() {
        return dbPartitionNum;
    }

    /**
     * Sets the partition to reset on.
     *
     * @param dbPartitionNum the partition number; null for the current partition
     */
    public void setDbPartitionNum(Integer dbPartitionNum) {
        this.dbPartitionNum = dbPartitionNum;
    }

    /**
     * Returns whether every partition is reset.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsGlobal() {
        return isGlobal;
    }

    /**
     * Resets on every partition, whatever the partition number says.
     *
     * @param isGlobal the value
     */
    public void setIsGlobal(Boolean isGlobal) {
        this.isGlobal = isGlobal;
    }
}
