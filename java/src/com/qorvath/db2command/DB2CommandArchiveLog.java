package com.qorvath.db2command;

/**
 * Closes and archives the active log of a database, on chosen partitions.
 *
 * <p>Partition texts are items separated by commas, each a number or a range "a TO b", for
 * example "1, 3 TO 5". With all partitions set, the except text names the partitions left out.
 */
public class DB2CommandArchiveLog extends DB2Command {
    private String dbAlias;
    private String username;
    private String password;
    private Boolean allDBPartitionNums;
    private String dbPartitionNumsString;
    private String exceptDBPartitionNumsString;

    /** Creates the command with every parameter unset. */
    public DB2CommandArchiveLog() {}

    /**
     * Returns {@link EnumDB2CommandType#ARCHIVE_LOG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.ARCHIVE_LOG;
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
     * Returns whether to act on all partitions; null is no.
     *
     * @return the value
     */
    public Boolean getAllDBPartitionNums() {
        return allDBPartitionNums;
    }

    /**
     * Sets whether to act on all partitions; null is no.
     *
     * @param allDBPartitionNums the value
     */
    public void setAllDBPartitionNums(Boolean allDBPartitionNums) {
        this.allDBPartitionNums = allDBPartitionNums;
    }

    /**
     * Returns the partitions to act on.
     *
     * @return the value
     */
    public String getDbPartitionNumsString() {
        return dbPartitionNumsString;
    }

    /**
     * Sets the partitions to act on.
     *
     * @param dbPartitionNumsString the value
     */
    public void setDbPartitionNumsString(String dbPartitionNumsString) {
        this.dbPartitionNumsString = dbPartitionNumsString;
    }

    /**
     * Returns the partitions left out of all partitions.
     *
     * @return the value
     */
    public String getExceptDBPartitionNumsString() {
        return exceptDBPartitionNumsString;
    }

    /**
     * Sets the partitions left out of all partitions.
     *
     * @param exceptDBPartitionNumsString the value
     */
    public void setExceptDBPartitionNumsString(String exceptDBPartitionNumsString) {
        this.exceptDBPartitionNumsString = exceptDBPartitionNumsString;
    }
}
