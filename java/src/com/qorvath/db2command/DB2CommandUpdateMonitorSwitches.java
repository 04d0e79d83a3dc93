package com.qorvath.db2command;

/**
 * Turns the database monitor's switches (recording groups) on or off on the attached instance,
 * or on the local one through a context of the command's own when there is no attachment; on
 * one partition, the current one by default, or on all (global).
 *
 * <p>A switch not set is left as it is, except the timestamp switch: DB2 has no "leave" for it,
 * so unless it is set ON the command turns it off. Clients before 8.0 have no timestamp switch.
 */
public class DB2CommandUpdateMonitorSwitches extends DB2Command {
    /** The state a switch is set to. */
    public enum EnumSwitchState {
        /** Records. */
        ON("ON"),
        /** Does not record. */
        OFF("OFF"),
        /** Stays as it is (the timestamp switch turns off). */
        UNCHANGED("");

        private final String text;

        EnumSwitchState(String text) {
            this.text = text;
        }

        /**
         * Returns the text the library reads.
         *
         * @return "ON", "OFF" or empty
         */
        public String text() {
            return text;
        }
    }
    private EnumSwitchState uowSwitch = EnumSwitchState.UNCHANGED;
    private EnumSwitchState statementSwitch = EnumSwitchState.UNCHANGED;
    private EnumSwitchState tableSwitch = EnumSwitchState.UNCHANGED;
    private EnumSwitchState bufferpoolSwitch = EnumSwitchState.UNCHANGED;
    private EnumSwitchState lockSwitch = EnumSwitchState.UNCHANGED;
    private EnumSwitchState sortSwitch = EnumSwitchState.UNCHANGED;
    private EnumSwitchState timestampSwitch = EnumSwitchState.UNCHANGED;
    private Integer dbPartitionNum;
    private Boolean isGlobal;

    /** Creates the command; every switch is left as it is (the timestamp switch turns off). */
    public DB2CommandUpdateMonitorSwitches() {}

    /**
     * Returns {@link EnumDB2CommandType#UPDATE_MONITOR_SWITCHES}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UPDATE_MONITOR_SWITCHES;
    }

    private static EnumSwitchState orUnchanged(EnumSwitchState state) {
        return state == null ? EnumSwitchState.UNCHANGED : state;
    }

    /**
     * Returns the state asked for the unit of work switch, as the library reads it.
     *
     * @return "ON", "OFF" or empty (unchanged)
     */
    public String getUOWSwitchStr() {
        return uowSwitch.text();
    }

    /**
     * Sets the unit of work switch.
     *
     * @param state the state; null leaves it unchanged
     */
    public void setUOWSwitch(EnumSwitchState state) {
        this.uowSwitch = orUnchanged(state);
    }

    /**
     * Returns the state asked for the statement switch, as the library reads it.
     *
     * @return "ON", "OFF" or empty (unchanged)
     */
    public String getStatementSwitchStr() {
        return statementSwitch.text();
    }

    /**
     * Sets the statement switch.
     *
     * @param state the state; null leaves it unchanged
     */
    public void setStatementSwitch(EnumSwitchState state) {
        this.statementSwitch = orUnchanged(state);
    }

    /**
     * Returns the state asked for the table switch, as the library reads it.
     *
     * @return "ON", "OFF" or empty (unchanged)
     */
    public String getTableSwitchStr() {
        return tableSwitch.text();
    }

    /**
     * Sets the table switch.
     *
     * @param state the state; null leaves it unchanged
     */
    public void setTableSwitch(EnumSwitchState state) {
        this.tableSwitch = orUnchanged(state);
    }

    /**
     * Returns the state asked for the buffer pool switch, as the library reads it.
     *
     * @return "ON", "OFF" or empty (unchanged)
     */
    public String getBufferpoolSwitchStr() {
        return bufferpoolSwitch.text();
    }

    /**
     * Sets the buffer pool switch.
     *
     * @param state the state; null leaves it unchanged
     */
    public void setBufferpoolSwitch(EnumSwitchState state) {
        this.bufferpoolSwitch = orUnchanged(state);
    }

    /**
     * Returns the state asked for the lock switch, as the library reads it.
     *
     * @return "ON", "OFF" or empty (unchanged)
     */
    public String getLockSwitchStr() {
        return lockSwitch.text();
    }

    /**
     * Sets the lock switch.
     *
     * @param state the state; null leaves it unchanged
     */
    public void setLockSwitch(EnumSwitchState state) {
        this.lockSwitch = orUnchanged(state);
    }

    /**
     * Returns the state asked for the sort switch, as the library reads it.
     *
     * @return "ON", "OFF" or empty (unchanged)
     */
    public String getSortSwitchStr() {
        return sortSwitch.text();
    }

    /**
     * Sets the sort switch.
     *
     * @param state the state; null leaves it unchanged
     */
    public void setSortSwitch(EnumSwitchState state) {
        this.sortSwitch = orUnchanged(state);
    }

    /**
     * Returns the state asked for the timestamp switch, as the library reads it.
     *
     * @return "ON", "OFF" or empty (unchanged)
     */
    public String getTimestampSwitchStr() {
        return timestampSwitch.text();
    }

    /**
     * Sets the timestamp switch.
     *
     * @param state the state; null leaves it unchanged
     */
    public void setTimestampSwitch(EnumSwitchState state) {
        this.timestampSwitch = orUnchanged(state);
    }

    /**
     * Returns the partition to set the switches on.
     *
     * @return the partition number, or null for the current partition
     */
    public Integer getDbPartitionNum() {
        return dbPartitionNum;
    }

    /**
     * Sets the partition to set the switches on.
     *
     * @param dbPartitionNum the partition number; null for the current partition
     */
    public void setDbPartitionNum(Integer dbPartitionNum) {
        this.dbPartitionNum = dbPartitionNum;
    }

    /**
     * Returns whether the switches are set on every partition.
     *
     * @return the value, or null when not set
     */
    public Boolean getIsGlobal() {
        return isGlobal;
    }

    /**
     * Sets the switches on every partition, whatever the partition number says.
     *
     * @param isGlobal the value
     */
    public void setIsGlobal(Boolean isGlobal) {
        this.isGlobal = isGlobal;
    }
}
