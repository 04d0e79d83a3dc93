package com.qorvath.db2command;

/**
 * Lists the table spaces of the connected database. Needs a database connection.
 *
 * <p>The columns are "Tablespace ID", "Name", "Type" (SMS or DMS), "Contents" and "State" (the
 * state bits as a number); with details also "Total pages", "Useable pages", "Used pages", "Free
 * pages", "High water mark (pages)", "Page size (bytes)", "Extent size (pages)", "Prefetch size
 * (pages)", "Number of containers", "Minimum recovery time", "State change table space ID",
 * "State change object ID" and "Number of quiescers". The used, free and high-water-mark pages
 * stay empty when DB2 gives no statistics for the table space.
 */
public class DB2CommandListTablespaces extends DB2Command {
    private boolean showDetail;

    /** Creates the listing. */
    public DB2CommandListTablespaces() {}

    /**
     * Returns {@link EnumDB2CommandType#LIST_TABLESPACES}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LIST_TABLESPACES;
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
