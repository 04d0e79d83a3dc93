package com.qorvath.db2command;

/**
 * Redefines the containers of a table space during a redirected restore.
 *
 * <p>The containers, their page counts and whether each is a file are comma lists read in step:
 * without page counts every container is a path; with them, each container needs its page count
 * and its file flag ("true" for a file, anything else a device).
 */
public class DB2CommandSetTablespaceContainers extends DB2Command {
    private Boolean ignore;
    private Boolean rollforward;
    private Integer tablespaceId;
    private String containersString;
    private String numberPagesString;
    private String fileString;

    /** Creates the command with every parameter unset. */
    public DB2CommandSetTablespaceContainers() {}

    /**
     * Returns {@link EnumDB2CommandType#SET_TABLESPACE_CONTAINERS}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.SET_TABLESPACE_CONTAINERS;
    }

    /**
     * Returns whether a rollforward ignores the container operations of the logs; null is no.
     *
     * @return the value
     */
    public Boolean getIgnore() {
        return ignore;
    }

    /**
     * Sets whether a rollforward ignores the container operations of the logs; null is no.
     *
     * @param ignore the value
     */
    public void setIgnore(Boolean ignore) {
        this.ignore = ignore;
    }

    /**
     * Returns whether a rollforward is meant to follow; null is no.
     *
     * @return the value
     */
    public Boolean getRollforward() {
        return rollforward;
    }

    /**
     * Sets whether a rollforward is meant to follow; null is no.
     *
     * @param rollforward the value
     */
    public void setRollforward(Boolean rollforward) {
        this.rollforward = rollforward;
    }

    /**
     * Returns the id of the table space; null is 0.
     *
     * @return the value
     */
    public Integer getTablespaceId() {
        return tablespaceId;
    }

    /**
     * Sets the id of the table space; null is 0.
     *
     * @param tablespaceId the value
     */
    public void setTablespaceId(Integer tablespaceId) {
        this.tablespaceId = tablespaceId;
    }

    /**
     * Returns the container names, separated by commas.
     *
     * @return the value
     */
    public String getContainersString() {
        return containersString;
    }

    /**
     * Sets the container names, separated by commas.
     *
     * @param containersString the value
     */
    public void setContainersString(String containersString) {
        this.containersString = containersString;
    }

    /**
     * Returns the page count of each container, separated by commas.
     *
     * @return the value
     */
    public String getNumberPagesString() {
        return numberPagesString;
    }

    /**
     * Sets the page count of each container, separated by commas.
     *
     * @param numberPagesString the value
     */
    public void setNumberPagesString(String numberPagesString) {
        this.numberPagesString = numberPagesString;
    }

    /**
     * Returns for each container, "true" when it is a file, separated by commas.
     *
     * @return the value
     */
    public String getFileString() {
        return fileString;
    }

    /**
     * Sets for each container, "true" when it is a file, separated by commas.
     *
     * @param fileString the value
     */
    public void setFileString(String fileString) {
        this.fileString = fileString;
    }
}
