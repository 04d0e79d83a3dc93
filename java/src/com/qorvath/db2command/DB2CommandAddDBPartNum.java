package com.qorvath.db2command;

/**
 * Adds a database partition to a partitioned instance.
 *
 * <p>Its temporary table spaces are made like those of the given partition; with no partition, like
 * those of the catalog partition, or none at all when {@link #isWithoutTablespaces()}.
 */
public class DB2CommandAddDBPartNum extends DB2Command {
    private Integer dbPartitionNum;
    private boolean withoutTablespaces;

    /** Creates the command with no parameters yet. */
    public DB2CommandAddDBPartNum() {}

    /**
     * Returns {@link EnumDB2CommandType#ADD_DB_PART_NUM}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.ADD_DB_PART_NUM;
    }

    /**
     * Returns the partition whose temporary table spaces to copy; null for none.
     *
     * @return the value
     */
    public Integer getDbPartitionNum() {
        return dbPartitionNum;
    }

    /**
     * Sets the partition whose temporary table spaces to copy; null for none.
     *
     * @param dbPartitionNum the value
     */
    public void setDbPartitionNum(Integer dbPartitionNum) {
        this.dbPartitionNum = dbPartitionNum;
    }

    /**
     * Returns whether to make no temporary table spaces (when no partition is given).
     *
     * @return the value
     */
    public boolean isWithoutTablespaces() {
        return withoutTablespaces;
    }

    /**
     * Sets whether to make no temporary table spaces (when no partition is given).
     *
     * @param withoutTablespaces the value
     */
    public void setWithoutTablespaces(boolean withoutTablespaces) {
        this.withoutTablespaces = withoutTablespaces;
    }
}
