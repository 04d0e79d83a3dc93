package com.qorvath.db2command;

/**
 * Changes the impact priority (0 to 100) of a running utility, named by the id LIST UTILITIES
 * shows. Needs an instance attachment.
 */
public class DB2CommandSetUtilImpactPriority extends DB2Command {
    private int utilityId;
    private int priority;

    /** Creates the command with every parameter unset. */
    public DB2CommandSetUtilImpactPriority() {}

    /**
     * Returns {@link EnumDB2CommandType#SET_UTIL_IMPACT_PRIORITY}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.SET_UTIL_IMPACT_PRIORITY;
    }

    /**
     * Returns the id of the running utility.
     *
     * @return the value
     */
    public int getUtilityId() {
        return utilityId;
    }

    /**
     * Sets the id of the running utility.
     *
     * @param utilityId the value
     */
    public void setUtilityId(int utilityId) {
        this.utilityId = utilityId;
    }

    /**
     * Returns the new impact priority, 0 to 100.
     *
     * @return the value
     */
    public int getPriority() {
        return priority;
    }

    /**
     * Sets the new impact priority, 0 to 100.
     *
     * @param priority the value
     */
    public void setPriority(int priority) {
        this.priority = priority;
    }
}
