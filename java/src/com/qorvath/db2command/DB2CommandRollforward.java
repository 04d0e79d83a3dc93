package com.qorvath.db2command;

import java.util.Collection;
import java.util.HashMap;

/**
 * Rolls a database or some table spaces forward through the logs, completes or cancels a
 * rollforward, or asks for its status; answers one "param"/"value" row per item of the status of
 * each partition.
 *
 * <p>The option text is empty (to the end of the logs), TO_ISOTIME, COMPLETE, STOP, CANCEL,
 * QUERY_STATUS or TO_END_OF_LOGS; any other text is refused. Runs on a context of its own.
 */
public class DB2CommandRollforward extends DB2Command {
    private String dbAlias;
    private String isoTime;
    private String username;
    private String password;
    private String overflowLogDirectory;
    private boolean online;
    private String recoverDropTableId;
    private String recoverExportDirectory;
    private String rollforwardOptionValue;
    private boolean andStop;
    private boolean andComplete;
    private boolean usingLocalTime;
    private boolean noRetrieve;
    private Collection<Integer> integerPartitionList;
    private HashMap<String, Integer> overflowLogList;
    private Collection<String> tablespaceList;
    private boolean allDbPartitionNums;

    /** Creates the command with every parameter unset. */
    public DB2CommandRollforward() {}

    /**
     * Returns {@link EnumDB2CommandType#ROLLFORWARD}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.ROLLFORWARD;
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
     * Returns the point in time (yyyy-mm-dd-hh.mm.ss.nnnnnn) for TO_ISOTIME and QUERY_STATUS.
     *
     * @return the value
     */
    public String getIsoTime() {
        return isoTime;
    }

    /**
     * Sets the point in time (yyyy-mm-dd-hh.mm.ss.nnnnnn) for TO_ISOTIME and QUERY_STATUS.
     *
     * @param isoTime the value
     */
    public void setIsoTime(String isoTime) {
        this.isoTime = isoTime;
    }

    /**
     * Returns the user name.
     *
     * @return the value
     */
    public String getUsername() {
        return username;
    }

    /**
     * Sets the user name.
     *
     * @param username the value
     */
    public void setUsername(String username) {
        this.username = username;
    }

    /**
     * Returns the password of the user.
     *
     * @return the value
     */
    public String getPassword() {
        return password;
    }

    /**
     * Sets the password of the user.
     *
     * @param password the value
     */
    public void setPassword(String password) {
        this.password = password;
    }

    /**
     * Returns the overflow log directory.
     *
     * @return the value
     */
    public String getOverflowLogDirectory() {
        return overflowLogDirectory;
    }

    /**
     * Sets the overflow log directory.
     *
     * @param overflowLogDirectory the value
     */
    public void setOverflowLogDirectory(String overflowLogDirectory) {
        this.overflowLogDirectory = overflowLogDirectory;
    }

    /**
     * Returns whether the rollforward is online.
     *
     * @return the value
     */
    public boolean isOnline() {
        return online;
    }

    /**
     * Sets whether the rollforward is online.
     *
     * @param online the value
     */
    public void setOnline(boolean online) {
        this.online = online;
    }

    /**
     * Returns the id of a dropped table to recover.
     *
     * @return the value
     */
    public String getRecoverDropTableId() {
        return recoverDropTableId;
    }

    /**
     * Sets the id of a dropped table to recover.
     *
     * @param recoverDropTableId the value
     */
    public void setRecoverDropTableId(String recoverDropTableId) {
        this.recoverDropTableId = recoverDropTableId;
    }

    /**
     * Returns the directory the dropped table is exported to.
     *
     * @return the value
     */
    public String getRecoverExportDirectory() {
        return recoverExportDirectory;
    }

    /**
     * Sets the directory the dropped table is exported to.
     *
     * @param recoverExportDirectory the value
     */
    public void setRecoverExportDirectory(String recoverExportDirectory) {
        this.recoverExportDirectory = recoverExportDirectory;
    }

    /**
     * Returns the action (see the class description).
     *
     * @return the value
     */
    public String getRollforwardOptionValue() {
        return rollforwardOptionValue;
    }

    /**
     * Sets the action (see the class description).
     *
     * @param rollforwardOptionValue the value
     */
    public void setRollforwardOptionValue(String rollforwardOptionValue) {
        this.rollforwardOptionValue = rollforwardOptionValue;
    }

    /**
     * Returns whether TO_ISOTIME stops the rollforward.
     *
     * @return the value
     */
    public boolean isAndStop() {
        return andStop;
    }

    /**
     * Sets whether TO_ISOTIME stops the rollforward.
     *
     * @param andStop the value
     */
    public void setAndStop(boolean andStop) {
        this.andStop = andStop;
    }

    /**
     * Returns whether TO_ISOTIME completes the rollforward.
     *
     * @return the value
     */
    public boolean isAndComplete() {
        return andComplete;
    }

    /**
     * Sets whether TO_ISOTIME completes the rollforward.
     *
     * @param andComplete the value
     */
    public void setAndComplete(boolean andComplete) {
        this.andComplete = andComplete;
    }

    /**
     * Returns whether the times are local rather than UTC.
     *
     * @return the value
     */
    public boolean isUsingLocalTime() {
        return usingLocalTime;
    }

    /**
     * Sets whether the times are local rather than UTC.
     *
     * @param usingLocalTime the value
     */
    public void setUsingLocalTime(boolean usingLocalTime) {
        this.usingLocalTime = usingLocalTime;
    }

    /**
     * Returns whether archived logs are not retrieved.
     *
     * @return the value
     */
    public boolean isNoRetrieve() {
        return noRetrieve;
    }

    /**
     * Sets whether archived logs are not retrieved.
     *
     * @param noRetrieve the value
     */
    public void setNoRetrieve(boolean noRetrieve) {
        this.noRetrieve = noRetrieve;
    }

    /**
     * Returns the partitions; null for none listed.
     *
     * @return the value
     */
    public Collection<Integer> getIntegerPartitionList() {
        return integerPartitionList;
    }

    /**
     * Sets the partitions; null for none listed.
     *
     * @param integerPartitionList the value
     */
    public void setIntegerPartitionList(Collection<Integer> integerPartitionList) {
        this.integerPartitionList = integerPartitionList;
    }

    /**
     * Returns the overflow log directory of each partition (directory to partition number).
     *
     * @return the value
     */
    public HashMap<String, Integer> getOverflowLogList() {
        return overflowLogList;
    }

    /**
     * Sets the overflow log directory of each partition (directory to partition number).
     *
     * @param overflowLogList the value
     */
    public void setOverflowLogList(HashMap<String, Integer> overflowLogList) {
        this.overflowLogList = overflowLogList;
    }

    /**
     * Returns the table spaces to roll forward; null for the database.
     *
     * @return the value
     */
    public Collection<String> getTablespaceList() {
        return tablespaceList;
    }

    /**
     * Sets the table spaces to roll forward; null for the database.
     *
     * @param tablespaceList the value
     */
    public void setTablespaceList(Collection<String> tablespaceList) {
        this.tablespaceList = tablespaceList;
    }

    /**
     * Returns whether to act on all partitions (but the listed ones).
     *
     * @return the value
     */
    public boolean isAllDbPartitionNums() {
        return allDbPartitionNums;
    }

    /**
     * Sets whether to act on all partitions (but the listed ones).
     *
     * @param allDbPartitionNums the value
     */
    public void setAllDbPartitionNums(boolean allDbPartitionNums) {
        this.allDbPartitionNums = allDbPartitionNums;
    }
}
