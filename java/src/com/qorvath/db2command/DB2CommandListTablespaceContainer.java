package com.qorvath.db2command;

/**
 * Lists the containers of one table space of the connected database. Needs a database
 * connection.
 *
 * <p>The columns are "CONTAINER ID", "Name" and "Type" (path, disk, file or unknown); with
 * details also "Total pages", "Useable pages", "Accessible" (1 when it is) and "NTBS" (the
 * table spaces sharing the container).
 */
public class DB2CommandListTablespaceContainer extends DB2Command {
    private boolean showDetail;
    private int tablespaceId;

    /** Creates the listing. */
    public DB2CommandListTablespaceContainer() {}

    /**
     * Creates the listing for one table space.
     *
     * @param tablespaceId the id of the table space
     */
    public DB2CommandListTablespaceContainer(int tablespaceId) {
        this.tablespaceId = tablespaceId;
    }

    /**
     * Returns {@link EnumDB2CommandType#LIST_TABLESPACE_CONTAINER}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LIST_TABLESPACE_CONTAINER;
    }

    /**
     * Returns the id of the table space.
     *
     * @return the id
     */
    public int getTablespaceId() {
        return tablespaceId;
    }

    /**
     * Sets the id of the table space.
     *
     * @param tablespaceId the id; not negative
     */
    public void setTablespaceId(int tablespaceId) {
        this.tablespaceId = tablespaceId;
    }

    /**
     * Returns whether details are listed.
     *
     * @return the value
     */
    public boolean isShowDetail() {
        return showDetail;
    }

    /**
     * Lists details too.
     *
     * @param showDetail the value
     */
    public void setShowDetail(boolean showDetail) {
        this.showDetail = showDetail;
    }
}
