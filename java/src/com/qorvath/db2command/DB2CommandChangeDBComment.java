package com.qorvath.db2command;

/**
 * Changes the comment of a database alias in the system database directory.
 *
 * <p>The path is kept for the caller but not used: the comment always changes in the system
 * directory.
 */
public class DB2CommandChangeDBComment extends DB2Command {
    private String alias;
    private String comment;
    private String path;

    /** Creates the command with no parameters yet. */
    public DB2CommandChangeDBComment() {}

    /**
     * Returns {@link EnumDB2CommandType#CHANGE_DATABASE_COMMENT}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CHANGE_DATABASE_COMMENT;
    }

    /**
     * Returns the database alias.
     *
     * @return the value
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the database alias.
     *
     * @param alias the value
     */
    public void setAlias(String alias) {
        this.alias = alias;
    }

    /**
     * Returns the new comment, up to 30 characters.
     *
     * @return the value
     */
    public String getComment() {
        return comment;
    }

    /**
     * Sets the new comment, up to 30 characters.
     *
     * @param comment the value
     */
    public void setComment(String comment) {
        this.comment = comment;
    }

    /**
     * Returns the path (not used).
     *
     * @return the value
     */
    public String getPath() {
        return path;
    }

    /**
     * Sets the path (not used).
     *
     * @param path the value
     */
    public void setPath(String path) {
        this.path = path;
    }
}
