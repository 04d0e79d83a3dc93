package com.qorvath.db2command;

/**
 * Catalogs a named-pipe node.
 */
public class DB2CommandCatalogNamedPipeNode extends NamedNodeCatalogCommand {
    private String computerName;
    private String instanceName;

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
}
