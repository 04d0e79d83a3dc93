package com.qorvath.db2command;

/**
 * Lists the node directory: one row per node with the columns "node name", "entry type",
 * "protocol", "hostname", "service name" and "comment"; with {@code showDetail} also "Remote
 * instance name", "System" and "os type".
 */
public class DB2CommandListNodeDirectory extends DB2Command {
    private boolean admin;
    private boolean showDetail;

    /** Creates the command with every parameter unset. */
    public DB2CommandListNodeDirectory() {}

    /**
     * Returns {@link EnumDB2CommandType#LIST_NODE_DIRECTORY}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LIST_NODE_DIRECTORY;
    }

    /**
     * Returns whether the administration node directory is meant (not used).
     *
     * @return the value
     */
    public boolean isAdmin() {
        return admin;
    }

    /**
     * Sets whether the administration node directory is meant (not used).
     *
     * @param admin the value
     */
    public void setAdmin(boolean admin) {
        this.admin = admin;
    }

    /**
     * Returns whether the three detail columns are listed.
     *
     * @return the value
     */
    public boolean isShowDetail() {
        return showDetail;
    }

    /**
     * Sets whether the three detail columns are listed.
     *
     * @param showDetail the value
     */
    public void setShowDetail(boolean showDetail) {
        this.showDetail = showDetail;
    }
}
