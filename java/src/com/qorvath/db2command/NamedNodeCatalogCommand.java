package com.qorvath.db2command;

/**
 * What cataloguing a local, named pipe or NetBIOS node shares: the node name, whether it is an
 * administration server node, and its operating system.
 */
public abstract class NamedNodeCatalogCommand extends NodeCatalogCommand {
    private Boolean admin;
    private String nodeName;
    private DB2CommandCatalogNode.EnumOSType osType;

    /** Creates the command with every parameter unset. */
    protected NamedNodeCatalogCommand() {}

    /**
     * Returns whether this is an administration server node (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public Boolean getAdmin() {
        return admin;
    }

    /**
     * Sets whether this is an administration server node (kept, not sent to DB2).
     *
     * @param admin the value
     */
    public void setAdmin(Boolean admin) {
        this.admin = admin;
    }

    /**
     * Returns the node name (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getNodeName() {
        return nodeName;
    }

    /**
     * Sets the node name (at most 8 characters reach DB2).
     *
     * @param nodeName the value
     */
    public void setNodeName(String nodeName) {
        this.nodeName = nodeName;
    }

    /**
     * Returns the operating system of the node (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public DB2CommandCatalogNode.EnumOSType getOsType() {
        return osType;
    }

    /**
     * Sets the operating system of the node (kept, not sent to DB2).
     *
     * @param osType the value
     */
    public void setOsType(DB2CommandCatalogNode.EnumOSType osType) {
        this.osType = osType;
    }
}
