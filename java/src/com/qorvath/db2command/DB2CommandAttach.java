package com.qorvath.db2command;

/**
 * Attaches to a DB2 instance: the local one, or a node catalogued in the node directory.
 *
 * <p>On success the run-time context holds the attachment (its instance connection context) and
 * the server facts DB2 answered with, and the result holds one row with the columns SERVER,
 * PLATFORM, VERSION, AUTH ID and ALIAS. The partition to attach to is the run-time context's
 * attach node id. When the run-time context already holds an attachment, that attachment is
 * attached again and kept.
 */
public class DB2CommandAttach extends CredentialsCommand {
    private String nodeName;

    /** Creates an attach to the local instance as the current user. */
    public DB2CommandAttach() {}

    /**
     * Creates an attach to the given node.
     *
     * @param nodeName the instance or node name; null or empty for the local instance
     * @param userId the user to attach as; null or empty for the current user
     * @param password the user's password; null or empty when no user is given
     */
    public DB2CommandAttach(String nodeName, String userId, String password) {
        this.nodeName = nodeName;
        setUserId(userId);
        setPassword(password);
    }

    /**
     * Returns {@link EnumDB2CommandType#ATTACH}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.ATTACH;
    }

    /**
     * Returns the instance or node to attach to.
     *
     * @return the name, or null for the local instance
     */
    public String getNodeName() {
        return nodeName;
    }

    /**
     * Sets the instance or node to attach to.
     *
     * @param nodeName the name; null or empty for the local instance
     */
    public void setNodeName(String nodeName) {
        this.nodeName = nodeName;
    }
}
