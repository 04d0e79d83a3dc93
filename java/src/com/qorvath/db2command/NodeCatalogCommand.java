package com.qorvath.db2command;

/** A command that catalogs a node in the node directory; every kind of node takes a comment. */
public abstract class NodeCatalogCommand extends DB2Command {
    private String comment;

    /** Creates the command with every parameter unset. */
    protected NodeCatalogCommand() {}

    /**
     * Returns the comment (at most 30 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getComment() {
        return comment;
    }

    /**
     * Sets the comment (at most 30 characters reach DB2).
     *
     * @param comment the value
     */
    public void setComment(String comment) {
        this.comment = comment;
    }
}
