package com.qorvath.db2command;

/**
 * Removes a node from the node directory.
 */
public class DB2CommandUnCatalogNode extends DB2Command {
    private String nodeName;

    /** Creates the command with every parameter unset. */
    public DB2CommandUnCatalogNode() {}

    /**
     * Returns {@link EnumDB2CommandType#UNCATALOG_NODE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UNCATALOG_NODE;
    }

    /**
     * Returns the node to remove.
     *
     * @return the value, or null when not set
     */
    public String getNodeName() {
        return nodeName;
    }

    /**
     * Sets the node to remove.
     *
     * @param nodeName the value
     */
    public void setNodeName(String nodeName) {
        this.nodeName = nodeName;
    }
}
