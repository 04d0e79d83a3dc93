package com.qorvath.db2command;

/**
 * Quiesces an instance on the run-time context's attachment: only the named user or group (and
 * those with the authority DB2 requires) may then attach. Needs a client of 8.0 or later.
 */
public class DB2CommandQuiesceInstance extends QuiesceCommand {
    private String instanceName;
    private String user;
    private String group;

    /** Creates the command with no parameters yet. */
    public DB2CommandQuiesceInstance() {}

    /**
     * Returns {@link EnumDB2CommandType#QUIESCE_INSTANCE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.QUIESCE_INSTANCE;
    }

    /**
     * Returns the instance to quiesce.
     *
     * @return the value
     */
    public String getInstanceName() {
        return instanceName;
    }

    /**
     * Sets the instance to quiesce.
     *
     * @param instanceName the value
     */
    public void setInstanceName(String instanceName) {
        this.instanceName = instanceName;
    }

    /**
     * Returns the user still let in, or empty.
     *
     * @return the value
     */
    public String getUser() {
        return user;
    }

    /**
     * Sets the user still let in, or empty.
     *
     * @param user the value
     */
    public void setUser(String user) {
        this.user = user;
    }

    /**
     * Returns the group still let in, or empty.
     *
     * @return the value
     */
    public String getGroup() {
        return group;
    }

    /**
     * Sets the group still let in, or empty.
     *
     * @param group the value
     */
    public void setGroup(String group) {
        this.group = group;
    }
}
