package com.qorvath.db2command;

/**
 * Catalogs an APPC node through a CPI-C symbolic destination.
 *
 * <p>Security type sent to DB2: PROGRAM when security is off or {@code program} is set;
 * otherwise NONE when {@code none} is set, else SAME.
 */
public class DB2CommandCatalogAPPCNode extends DB2Command {
    private String nodeName;
    private String symbDestName;
    private Boolean security;
    private Boolean none;
    private Boolean same;
    private Boolean program;
    private String instanceName;
    private String systemName;
    private DB2CommandCatalogNode.EnumOSType osType;
    private String comment;

    /** Creates the command with every parameter unset. */
    public DB2CommandCatalogAPPCNode() {}

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_APPC_NODE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_APPC_NODE;
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
     * Returns the symbolic destination name (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getSymbDestName() {
        return symbDestName;
    }

    /**
     * Sets the symbolic destination name (at most 8 characters reach DB2).
     *
     * @param symbDestName the value
     */
    public void setSymbDestName(String symbDestName) {
        this.symbDestName = symbDestName;
    }

    /**
     * Returns whether security is on.
     *
     * @return the value, or null when not set
     */
    public Boolean getSecurity() {
        return security;
    }

    /**
     * Sets whether security is on.
     *
     * @param security the value
     */
    public void setSecurity(Boolean security) {
        this.security = security;
    }

    /**
     * Returns whether security type NONE is asked for.
     *
     * @return the value, or null when not set
     */
    public Boolean getNone() {
        return none;
    }

    /**
     * Sets whether security type NONE is asked for.
     *
     * @param none the value
     */
    public void setNone(Boolean none) {
        this.none = none;
    }

    /**
     * Returns whether security type SAME is asked for.
     *
     * @return the value, or null when not set
     */
    public Boolean getSame() {
        return same;
    }

    /**
     * Sets whether security type SAME is asked for.
     *
     * @param same the value
     */
    public void setSame(Boolean same) {
        this.same = same;
    }

    /**
     * Returns whether security type PROGRAM is asked for.
     *
     * @return the value, or null when not set
     */
    public Boolean getProgram() {
        return program;
    }

    /**
     * Sets whether security type PROGRAM is asked for.
     *
     * @param program the value
     */
    public void setProgram(Boolean program) {
        this.program = program;
    }

    /**
     * Returns the remote instance name (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public String getInstanceName() {
        return instanceName;
    }

    /**
     * Sets the remote instance name (kept, not sent to DB2).
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
