package com.qorvath.db2command;

/**
 * Lifts the quiesce of an instance, on the run-time context's attachment. Needs a client of 8.0 or
 * later.
 */
public class DB2CommandUnQuiesceInstance extends DB2Command {
    private String instanceName;

    /** Creates the command with no parameters yet. */
    public DB2CommandUnQuiesceInstance() {}

    /**
     * Returns {@link EnumDB2CommandType#UNQUIESCE_INSTANCE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UNQUIESCE_INSTANCE;
    }

    /**
     * Returns the instance to unquiesce.
     *
     * @return the value
     */
    public String getInstanceName() {
        return instanceName;
    }

    /**
     * Sets the instance to unquiesce.
     *
     * @param instanceName the value
     */
    public void setInstanceName(String instanceName) {
        this.instanceName = instanceName;
    }
}
