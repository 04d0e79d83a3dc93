package com.qorvath.db2command;

/**
 * Prunes the recovery history of the connected database up to a time stamp, or deletes log files
 * before a log file.
 *
 * <p>A log file name such as S0000012.LOG prunes the logs before it; a time stamp prunes the
 * history.
 */
public class DB2CommandPrune extends DB2Command {
    private String timestamp;
    private String logFileName;
    private boolean withForce;
    private boolean andDelete;

    /** Creates the command with every parameter unset. */
    public DB2CommandPrune() {}

    /**
     * Returns {@link EnumDB2CommandType#PRUNE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.PRUNE;
    }

    /**
     * Returns the time stamp (or its prefix) up to which history entries are pruned.
     *
     * @return the value
     */
    public String getTimestamp() {
        return timestamp;
    }

    /**
     * Sets the time stamp (or its prefix) up to which history entries are pruned.
     *
     * @param timestamp the value
     */
    public void setTimestamp(String timestamp) {
        this.timestamp = timestamp;
    }

    /**
     * Returns the log file before which logs are pruned.
     *
     * @return the value
     */
    public String getLogFileName() {
        return logFileName;
    }

    /**
     * Sets the log file before which logs are pruned.
     *
     * @param logFileName the value
     */
    public void setLogFileName(String logFileName) {
        this.logFileName = logFileName;
    }

    /**
     * Returns whether to prune even the entries of the latest restore set.
     *
     * @return the value
     */
    public boolean isWithForce() {
        return withForce;
    }

    /**
     * Sets whether to prune even the entries of the latest restore set.
     *
     * @param withForce the value
     */
    public void setWithForce(boolean withForce) {
        this.withForce = withForce;
    }

    /**
     * Returns whether to delete the log files of the pruned entries.
     *
     * @return the value
     */
    public boolean isAndDelete() {
        return andDelete;
    }

    /**
     * Sets whether to delete the log files of the pruned entries.
     *
     * @param andDelete the value
     */
    public void setAndDelete(boolean andDelete) {
        this.andDelete = andDelete;
    }
}
