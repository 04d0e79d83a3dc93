package com.qorvath.db2command;

/** What quiescing a database and quiescing an instance share: how existing work is treated. */
public abstract class QuiesceCommand extends DB2Command {
    private Boolean defer;
    private Boolean force;
    private Integer timeOut;

    /** Creates the command with every parameter unset. */
    protected QuiesceCommand() {}

    /**
     * Returns whether to wait for applications to finish; null is no.
     *
     * @return the value
     */
    public Boolean getDefer() {
        return defer;
    }

    /**
     * Sets whether to wait for applications to finish; null is no.
     *
     * @param defer the value
     */
    public void setDefer(Boolean defer) {
        this.defer = defer;
    }

    /**
     * Returns whether to force connected applications off; null is no.
     *
     * @return the value
     */
    public Boolean getForce() {
        return force;
    }

    /**
     * Sets whether to force connected applications off; null is no.
     *
     * @param force the value
     */
    public void setForce(Boolean force) {
        this.force = force;
    }

    /**
     * Returns the minutes to wait when deferring; null is 0.
     *
     * @return the value
     */
    public Integer getTimeOut() {
        return timeOut;
    }

    /**
     * Sets the minutes to wait when deferring; null is 0.
     *
     * @param timeOut the value
     */
    public void setTimeOut(Integer timeOut) {
        this.timeOut = timeOut;
    }
}
