package com.qorvath.db2command;

/**
 * Catalogs a node for an instance on this machine. With no instance name, the value of the
 * environment variable DB2INSTANCE of the process running the library is used.
 */
public class DB2CommandCatalogLocalNode extends DB2Command {
    private Boolean admin;
    private String nodeName;
    private String instanceName;
    private String systemName;
    private DB2CommandCatalogNode.EnumOSType osType;
    private String comment;

    /** Creates the command with every parameter unset. */
    public DB2CommandCatalogLocalNode() {}

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_LOCAL_NODE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_LOCAL_NODE;
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
     * Returns the local instance (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getInstanceName() {
        return instanceName;
    }

    /**
     * Sets the local instance (at most 8 characters reach DB2).
     *
     * @param instanceName the value
     */
    public void setInstanceName(String instanceName) {
        this.instanceName = instanceName;
    }

    /**
     * Returns the system name (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public String getSystemName() {
        return systemName;
    }

    /**
     * Sets the system name (kept, not sent to DB2).
     *
     * @param systemName the value
     */
    public void setSystemName(String systemName) {
        this.systemName = systemName;
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
