package com.qorvath.db2command;

/**
 * Forces applications off the attached instance: the applications whose agent ids (application
 * handles) are listed, or every application when none is. Needs an instance attachment. DB2
 * forces asynchronously: the command returns before the applications are gone.
 *
 * <p>The list is comma-separated; blanks are ignored and an empty item is agent 0. A list with
 * anything else in it is refused as a whole, before DB2 is asked.
 */
public class DB2CommandForceApplication extends DB2Command {
    private String appHandleString;
    private Boolean modeAsync;

    /** Creates the command; with no handles it forces every application. */
    public DB2CommandForceApplication() {}

    /**
     * Creates the command for the given agent ids.
     *
     * @param agentIds the agent ids; none forces every application
     */
    public DB2CommandForceApplication(long... agentIds) {
        StringBuilder text = new StringBuilder();
        for (long id : agentIds) {
            if (text.length() > 0) {
                text.append(',');
            }
            text.append(id);
        }
        this.appHandleString = text.toString();
    }

    /**
     * Returns {@link EnumDB2CommandType#FORCE_APPLICATION}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.FORCE_APPLICATION;
    }

    /**
     * Returns the agent ids to force, comma-separated.
     *
     * @return the list, or null (all applications)
     */
    public String getAppHandleString() {
        return appHandleString;
    }

    /**
     * Sets the agent ids to force, comma-separated ("12,34").
     *
     * @param appHandleString the list; null or empty forces every application
     */
    public void setAppHandleString(String appHandleString) {
        this.appHandleString = appHandleString;
    }

    /**
     * Returns whether the force was asked to be asynchronous. DB2 only forces asynchronously.
     *
     * @return the value, or null when not set
     */
    public Boolean getModeAsync() {
        return modeAsync;
    }

    /**
     * Asks for an asynchronous force (kept for the caller; DB2 only forces asynchronously).
     *
     * @param modeAsync the value
     */
    public void setModeAsync(Boolean modeAsync) {
        this.modeAsync = modeAsync;
    }
}
