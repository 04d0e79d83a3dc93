package com.qorvath.db2command;

/**
 * Catalogs an APPN node. DB2 always receives an empty mode.
 *
 * <p>Security type sent to DB2: with security on, NONE when {@code none} is set, else SAME when
 * {@code same} is set; PROGRAM in every other case.
 */
public class DB2CommandCatalogAPPNNode extends DB2Command {
    private String nodeName;
    private String netID;
    private String partnerLu;
    private String localLu;
    private String tpName;
    private Boolean security;
    private Boolean none;
    private Boolean same;
    private Boolean program;
    private String lanAddress;
    private String chPwdLu;
    private String comment;

    /** Creates the command with every parameter unset. */
    public DB2CommandCatalogAPPNNode() {}

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_APPN_NODE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_APPN_NODE;
    }

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
     * Returns the network id (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getNetID() {
        return netID;
    }

    /**
     * Sets the network id (at most 8 characters reach DB2).
     *
     * @param netID the value
     */
    public void setNetID(String netID) {
        this.netID = netID;
    }

    /**
     * Returns the partner logical unit (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getPartnerLu() {
        return partnerLu;
    }

    /**
     * Sets the partner logical unit (at most 8 characters reach DB2).
     *
     * @param partnerLu the value
     */
    public void setPartnerLu(String partnerLu) {
        this.partnerLu = partnerLu;
    }

    /**
     * Returns the local logical unit (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getLocalLu() {
        return localLu;
    }

    /**
     * Sets the local logical unit (at most 8 characters reach DB2).
     *
     * @param localLu the value
     */
    public void setLocalLu(String localLu) {
        this.localLu = localLu;
    }

    /**
     * Returns the transaction program name (at most 64 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getTpName() {
        return tpName;
    }

    /**
     * Sets the transaction program name (at most 64 characters reach DB2).
     *
     * @param tpName the value
     */
    public void setTpName(String tpName) {
        this.tpName = tpName;
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

    /**
     * Returns the LAN adapter address (at most 12 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getLanAddress() {
        return lanAddress;
    }

    /**
     * Sets the LAN adapter address (at most 12 characters reach DB2).
     *
     * @param lanAddress the value
     */
    public void setLanAddress(String lanAddress) {
        this.lanAddress = lanAddress;
    }

    /**
     * Returns the change-password logical unit (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getChPwdLu() {
        return chPwdLu;
    }

    /**
     * Sets the change-password logical unit (at most 8 characters reach DB2).
     *
     * @param chPwdLu the value
     */
    public void setChPwdLu(String chPwdLu) {
        this.chPwdLu = chPwdLu;
    }

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
