package com.qorvath.db2command;

/**
 * Catalogs a NetBIOS node.
 */
public class DB2CommandCatalogNetBiosNode extends NamedNodeCatalogCommand {
    private String serverName;
    private Integer adapterNumber;
    private String instanceName;
    private String systemName;

    /** Creates the command with every parameter unset. */
    public DB2CommandCatalogNetBiosNode() {}

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_NETBIOS_NODE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_NETBIOS_NODE;
    }

    /**
     * Returns the remote NetBIOS name of the server (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getServerName() {
        return serverName;
    }

    /**
     * Sets the remote NetBIOS name of the server (at most 8 characters reach DB2).
     *
     * @param serverName the value
     */
    public void setServerName(String serverName) {
        this.serverName = serverName;
    }

    /**
     * Returns the local LAN adapter number (null means 0).
     *
     * @return the value, or null when not set
     */
    public Integer getAdapterNumber() {
        return adapterNumber;
    }

    /**
     * Sets the local LAN adapter number (null means 0).
     *
     * @param adapterNumber the value
     */
    public void setAdapterNumber(Integer adapterNumber) {
        this.adapterNumber = adapterNumber;
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
}
