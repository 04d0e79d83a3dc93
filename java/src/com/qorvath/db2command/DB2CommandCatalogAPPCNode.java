package com.qorvath.db2command;

/**
 * Catalogs an APPC node through a CPI-C symbolic destination.
 *
 * <p>Security type sent to DB2: PROGRAM when security is off or {@code program} is set;
 * otherwise NONE when {@code none} is set, else SAME.
 */
public class DB2CommandCatalogAPPCNode extends SnaNodeCatalogCommand {
    private String symbDestName;
    private String instanceName;
    private String systemName;
    private DB2CommandCatalogNode.EnumOSType osType;

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
}
