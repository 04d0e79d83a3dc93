package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Starts the instance, one partition of it, or (with a version 8 client) a remote instance.
 *
 * <p>Needs no attachment. The options {@link EnumStartOption#RESTART} and
 * {@link EnumStartOption#ADD_DB_PARTITION} need their option object; the command fails
 * without one. A client below version 8.0 cannot start a remote instance and refuses.
 */
public class DB2CommandStartDBM extends DB2Command {
    private String remoteInstanceName;
    private String remoteAdminNodeName;
    private String remoteHostName;
    private String remoteUserId;
    private String remotePassword;
    private Boolean isAdminNode;
    private String user;
    private String group;
    private String profile;
    private Integer partitionNum;
    private EnumStartOption startOption;
    private RestartOption restartOptionData;
    private AddDBPartitioinOption addDBPartionOption;

    /** Start options; the codes are passed to DB2 unchanged. */
    public static final class EnumStartOption extends EnumTypeBase {
        /** A plain start. */
        public static final EnumStartOption NONE = new EnumStartOption(0, "NONE");
        /** Add a partition while starting. */
        public static final EnumStartOption ADD_DB_PARTITION =
                new EnumStartOption(5, "ADD_DB_PARTITION");
        /** Restart a partition, perhaps on another host. */
        public static final EnumStartOption RESTART = new EnumStartOption(6, "RESTART");

        private EnumStartOption(int type, String name) {
            super(type, name);
        }
    }

    /** Where a started partition runs. */
    public static class RestartOption {
        private String hostname;
        private String computerName;
        private String userName;
        private String password;
        private String netName;
        private Integer port;

        /**
         * Returns the host name of the partition.
         *
         * @return the value, or null when not set
         */
        public String getHostname() {
            return hostname;
        }

        /**
         * Sets the host name of the partition.
         *
         * @param hostname the value; null for the default
         */
        public void setHostname(String hostname) {
            this.hostname = hostname;
        }

        /**
         * Returns the computer name (Windows partitions).
         *
         * @return the value, or null when not set
         */
        public String getComputerName() {
            return computerName;
        }

        /**
         * Sets the computer name (Windows partitions).
         *
         * @param computerName the value; null for the default
         */
        public void setComputerName(String computerName) {
            this.computerName = computerName;
        }

        /**
         * Returns the user that runs the partition.
         *
         * @return the value, or null when not set
         */
        public String getUserName() {
            return userName;
        }

        /**
         * Sets the user that runs the partition.
         *
         * @param userName the value; null for the default
         */
        public void setUserName(String userName) {
            this.userName = userName;
        }

        /**
         * Returns the password of that user.
         *
         * @return the value, or null when not set
         */
        public String getPassword() {
            return password;
        }

        /**
         * Sets the password of that user.
         *
         * @param password the value; null for the default
         */
        public void setPassword(String password) {
            this.password = password;
        }

        /**
         * Returns the network name of the partition.
         *
         * @return the value, or null when not set
         */
        public String getNetName() {
            return netName;
        }

        /**
         * Sets the network name of the partition.
         *
         * @param netName the value; null for the default
         */
        public void setNetName(String netName) {
            this.netName = netName;
        }

        /**
         * Returns the logical port (null: none).
         *
         * @return the value, or null when not set
         */
        public Integer getPort() {
            return port;
        }

        /**
         * Sets the logical port (null: none).
         *
         * @param port the value; null for the default
         */
        public void setPort(Integer port) {
            this.port = port;
        }
    }

    /** Where an added partition runs and which table spaces it gets. */
    public static class AddDBPartitioinOption extends RestartOption {
        private Integer likeDBPartition;
        private Boolean withoutTablespace;

        /**
         * Returns the partition whose table space containers the new one copies (null: none).
         *
         * @return the value, or null when not set
         */
        public Integer getLikeDBPartition() {
            return likeDBPartition;
        }

        /**
         * Sets the partition whose table space containers the new one copies (null: none).
         *
         * @param likeDBPartition the value; null for the default
         */
        public void setLikeDBPartition(Integer likeDBPartition) {
            this.likeDBPartition = likeDBPartition;
        }

        /**
         * Returns whether the new partition gets no temporary table spaces (null: false).
         *
         * @return the value, or null when not set
         */
        public Boolean getWithoutTablespace() {
            return withoutTablespace;
        }

        /**
         * Sets whether the new partition gets no temporary table spaces (null: false).
         *
         * @param withoutTablespace the value; null for the default
         */
        public void setWithoutTablespace(Boolean withoutTablespace) {
            this.withoutTablespace = withoutTablespace;
        }
    }

    /** Creates a plain start of the local instance. */
    public DB2CommandStartDBM() {}

    /**
     * Returns {@link EnumDB2CommandType#START_DBM}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.START_DBM;
    }

    /**
     * Returns the remote instance to start (empty: the local instance; needs a version 8 client).
     *
     * @return the value, or null when not set
     */
    public String getRemoteInstanceName() {
        return remoteInstanceName;
    }

    /**
     * Sets the remote instance to start (empty: the local instance; needs a version 8 client).
     *
     * @param remoteInstanceName the value; null for the default
     */
    public void setRemoteInstanceName(String remoteInstanceName) {
        this.remoteInstanceName = remoteInstanceName;
    }

    /**
     * Returns the administration node of the remote instance.
     *
     * @return the value, or null when not set
     */
    public String getRemoteAdminNodeName() {
        return remoteAdminNodeName;
    }

    /**
     * Sets the administration node of the remote instance.
     *
     * @param remoteAdminNodeName the value; null for the default
     */
    public void setRemoteAdminNodeName(String remoteAdminNodeName) {
        this.remoteAdminNodeName = remoteAdminNodeName;
    }

    /**
     * Returns the host of the remote instance (used when no administration node is given).
     *
     * @return the value, or null when not set
     */
    public String getRemoteHostName() {
        return remoteHostName;
    }

    /**
     * Sets the host of the remote instance (used when no administration node is given).
     *
     * @param remoteHostName the value; null for the default
     */
    public void setRemoteHostName(String remoteHostName) {
        this.remoteHostName = remoteHostName;
    }

    /**
     * Returns the user for the remote start.
     *
     * @return the value, or null when not set
     */
    public String getRemoteUserId() {
        return remoteUserId;
    }

    /**
     * Sets the user for the remote start.
     *
     * @param remoteUserId the value; null for the default
     */
    public void setRemoteUserId(String remoteUserId) {
        this.remoteUserId = remoteUserId;
    }

    /**
     * Returns the password for the remote start.
     *
     * @return the value, or null when not set
     */
    public String getRemotePassword() {
        return remotePassword;
    }

    /**
     * Sets the password for the remote start.
     *
     * @param remotePassword the value; null for the default
     */
    public void setRemotePassword(String remotePassword) {
        this.remotePassword = remotePassword;
    }

    /**
     * Returns whether the remote name is an administration node (not passed to DB2).
     *
     * @return the value, or null when not set
     */
    public Boolean getIsAdminNode() {
        return isAdminNode;
    }

    /**
     * Sets whether the remote name is an administration node (not passed to DB2).
     *
     * @param isAdminNode the value; null for the default
     */
    public void setIsAdminNode(Boolean isAdminNode) {
        this.isAdminNode = isAdminNode;
    }

    /**
     * Returns a user (not passed to DB2).
     *
     * @return the value, or null when not set
     */
    public String getUser() {
        return user;
    }

    /**
     * Sets a user (not passed to DB2).
     *
     * @param user the value; null for the default
     */
    public void setUser(String user) {
        this.user = user;
    }

    /**
     * Returns a group (not passed to DB2).
     *
     * @return the value, or null when not set
     */
    public String getGroup() {
        return group;
    }

    /**
     * Sets a group (not passed to DB2).
     *
     * @param group the value; null for the default
     */
    public void setGroup(String group) {
        this.group = group;
    }

    /**
     * Returns the profile run at start.
     *
     * @return the value, or null when not set
     */
    public String getProfile() {
        return profile;
    }

    /**
     * Sets the profile run at start.
     *
     * @param profile the value; null for the default
     */
    public void setProfile(String profile) {
        this.profile = profile;
    }

    /**
     * Returns the partition to start (null: all).
     *
     * @return the value, or null when not set
     */
    public Integer getPartitionNum() {
        return partitionNum;
    }

    /**
     * Sets the partition to start (null: all).
     *
     * @param partitionNum the value; null for the default
     */
    public void setPartitionNum(Integer partitionNum) {
        this.partitionNum = partitionNum;
    }

    /**
     * Returns the start option (null: a plain start).
     *
     * @return the value, or null when not set
     */
    public EnumStartOption getStartOption() {
        return startOption;
    }

    /**
     * Sets the start option (null: a plain start).
     *
     * @param startOption the value; null for the default
     */
    public void setStartOption(EnumStartOption startOption) {
        this.startOption = startOption;
    }

    /**
     * Returns the partition data of a restart; required with RESTART.
     *
     * @return the value, or null when not set
     */
    public RestartOption getRestartOptionData() {
        return restartOptionData;
    }

    /**
     * Sets the partition data of a restart; required with RESTART.
     *
     * @param restartOptionData the value; null for the default
     */
    public void setRestartOptionData(RestartOption restartOptionData) {
        this.restartOptionData = restartOptionData;
    }

    /**
     * Returns the partition data of an added partition; required with ADD_DB_PARTITION.
     *
     * @return the value, or null when not set
     */
    public AddDBPartitioinOption getAddDBPartionOption() {
        return addDBPartionOption;
    }

    /**
     * Sets the partition data of an added partition; required with ADD_DB_PARTITION.
     *
     * @param addDBPartionOption the value; null for the default
     */
    public void setAddDBPartionOption(AddDBPartitioinOption addDBPartionOption) {
        this.addDBPartionOption = addDBPartionOption;
    }
}
