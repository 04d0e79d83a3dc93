package com.qorvath.db2command;

/**
 * Catalogs a node for an instance on this machine. With no instance name, the value of the
 * environment variable DB2INSTANCE of the process running the library is used.
 */
public class DB2CommandCatalogLocalNode extends NamedNodeCatalogCommand {
    private String instanceName;
    private String systemName;

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
}
