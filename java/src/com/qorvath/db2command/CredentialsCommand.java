package com.qorvath.db2command;

/**
 * A command that runs as a user given with a password (attach, connect, activate). A null or
 * empty user means the caller's own authority.
 */
public abstract class CredentialsCommand extends DB2Command {
    private String userId;
    private String password;

    /** Creates the command with no user. */
    protected CredentialsCommand() {}

    /**
     * Returns the user to run as.
     *
     * @return the user, or null for the current user
     */
    public String getUserId() {
        return userId;
    }

    /**
     * Sets the user to run as.
     *
     * @param userId the user; null or empty for the current user
     */
    public void setUserId(String userId) {
        this.userId = userId;
    }

    /**
     * Returns the password of the user.
     *
     * @return the password, or null
     */
    public String getPassword() {
        return password;
    }

    /**
     * Sets the password of the user.
     *
     * @param password the password; null or empty when no user is given
     */
    public void setPassword(String password) {
        this.password = password;
    }
}
