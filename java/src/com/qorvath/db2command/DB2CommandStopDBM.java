package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/** Stops the instance or one partition of it. Needs no attachment. */
public class DB2CommandStopDBM extends DB2Command {
    private String profile;
    private Integer partitionNum;
    private EnumStopMode stopMode;

    /** Stop modes; the codes are passed to DB2 unchanged. */
    public static final class EnumStopMode extends EnumTypeBase {
        /** Stop when no application is connected. */
        public static final EnumStopMode NONE = new EnumStopMode(0, "NONE");
        /** Force applications off, then stop. */
        public static final EnumStopMode FORCE = new EnumStopMode(1, "FORCE");
        /** Stop a partition that is being dropped. */
        public static final EnumStopMode DROP = new EnumStopMode(2, "DROP");

        private EnumStopMode(int type, String name) {
            super(type, name);
        }
    }

    /** Creates a plain stop of the instance. */
    public DB2CommandStopDBM() {}

    /**
     * Returns {@link EnumDB2CommandType#STOP_DBM}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.STOP_DBM;
    }

    /**
     * Returns the profile run at stop.
     *
     * @return the value, or null when not set
     */
    public String getProfile() {
        return profile;
    }

    /**
     * Sets the profile run at stop.
     *
     * @param profile the value; null for the default
     */
    public void setProfile(String profile) {
        this.profile = profile;
    }

    /**
     * Returns the partition to stop (null: all).
     *
     * @return the value, or null when not set
     */
    public Integer getPartitionNum() {
        return partitionNum;
    }

    /**
     * Sets the partition to stop (null: all).
     *
     * @param partitionNum the value; null for the default
     */
    public void setPartitionNum(Integer partitionNum) {
        this.partitionNum = partitionNum;
    }

    /**
     * Returns the stop mode (null: a plain stop).
     *
     * @return the value, or null when not set
     */
    public EnumStopMode getStopMode() {
        return stopMode;
    }

    /**
     * Sets the stop mode (null: a plain stop).
     *
     * @param stopMode the value; null for the default
     */
    public void setStopMode(EnumStopMode stopMode) {
        this.stopMode = stopMode;
    }
}
