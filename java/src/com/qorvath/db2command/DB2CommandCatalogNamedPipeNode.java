package com.qorvath.db2command;

/**
 * Catalogs a named-pipe node.
 */
public class DB2CommandCatalogNamedPipeNode extends DB2Command {
    private Boolean admin;
    private String nodeName;
    private String computerName;
    private String instanceName;
    private DB2CommandCatalogNode.EnumOSType osType;
    private String comment;

    /** Creates the command with every parameter unset. */
    public DB2CommandCatalogNamedPipeNode() {}

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_NAMEDPIPE_NODE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_NAMEDPIPE_NODE;
    }

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
     * Returns the server computer name (at most 15 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getComputerName() {
        return computerName;
    }

    /**
     * Sets the server computer name (at most 15 characters reach DB2).
     *
     * @param computerName the value
     */
    public void setComputerName(String computerName) {
        this.computerName = computerName;
    }

    /**
     * Returns the server instance (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getInstanceName() {
        return instanceName;
    }

    /**
     * Sets the server instance (at most 8 characters reach DB2).
     *
     * @param instanceName the value
     */
    public void setInstanceName(String instanceName) {
        this.instanceName = instanceName;
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

    /**
     * Returns the comment (at most 30 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getComment() {
        return comment;
    }

    /**
     * Sets the comment (at most 30 characters reach DB2).
     *
     * @param comment the value
     */
    public void setComment(String comment) {
        this.comment = comment;
    }
}
