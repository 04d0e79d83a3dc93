package com.qorvath.db2command;

/**
 * Catalogs an APPN node. DB2 always receives an empty mode.
 *
 * <p>Security type sent to DB2: with security on, NONE when {@code none} is set, else SAME when
 * {@code same} is set; PROGRAM in every other case.
 */
public class DB2CommandCatalogAPPNNode extends SnaNodeCatalogCommand {
    private String netID;
    private String partnerLu;
    private String localLu;
    private String tpName;
    private String lanAddress;
    private String chPwdLu;

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
}
