package com.qorvath.db2command;

/**
 * Quiesces the database the run-time context is connected to: only users with the authority DB2
 * requires may connect until it is unquiesced. Needs a client of 8.0 or later.
 *
 * <p>Unless deferred, the quiesce is immediate; with force, connected applications are forced off,
 * after the time-out (minutes) when deferred.
 */
public class DB2CommandQuiesceDatabase extends DB2Command {
    private Boolean defer;
    private Boolean force;
    private Integer timeOut;

    /** Creates the command with no parameters yet. */
    public DB2CommandQuiesceDatabase() {}

    /**
     * Returns {@link EnumDB2CommandType#QUIESCE_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.QUIESCE_DATABASE;
    }

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
