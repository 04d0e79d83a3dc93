package com.qorvath.db2command;

/** What cataloguing an APPC node and an APPN node share: the node name and the security choice. */
public abstract class SnaNodeCatalogCommand extends NodeCatalogCommand {
    private String nodeName;
    private Boolean security;
    private Boolean none;
    private Boolean same;
    private Boolean program;

    /** Creates the command with every parameter unset. */
    protected SnaNodeCatalogCommand() {}

    /**
     * Returns the node name (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getNodeName() {
        return nodeName;
    }

    /**
     * Sets the node name (at most 8 characters reach DB2).
     *
     * @param nodeName the value
     */
    public void setNodeName(String nodeName) {
        this.nodeName = nodeName;
    }

    /**
     * Returns whether security is on.
     *
     * @return the value, or null when not set
     */
    public Boolean getSecurity() {
        return security;
    }

    /**
     * Sets whether security is on.
     *
     * @param security the value
     */
    public void setSecurity(Boolean security) {
        this.security = security;
    }

    /**
     * Returns whether security type NONE is asked for.
     *
     * @return the value, or null when not set
     */
    public Boolean getNone() {
        return none;
    }

    /**
     * Sets whether security type NONE is asked for.
     *
     * @param none the value
     */
    public void setNone(Boolean none) {
        this.none = none;
    }

    /**
     * Returns whether security type SAME is asked for.
     *
     * @return the value, or null when not set
     */
    public Boolean getSame() {
        return same;
    }

    /**
     * Sets whether security type SAME is asked for.
     *
     * @param same the value
     */
    public void setSame(Boolean same) {
        this.same = same;
    }

    /**
     * Returns whether security type PROGRAM is asked for.
     *
     * @return the value, or null when not set
     */
    public Boolean getProgram() {
        return program;
    }

    /**
     * Sets whether security type PROGRAM is asked for.
     *
     * @param program the value
     */
    public void setProgram(Boolean program) {
        this.program = program;
    }
}
