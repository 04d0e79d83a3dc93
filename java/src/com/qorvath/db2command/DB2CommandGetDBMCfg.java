package com.qorvath.db2command;

import com.qorvath.db2command.configParams.ParameterFactory;

/**
 * Reads the database-manager (instance) configuration.
 *
 * <p>The result holds one row per parameter of the catalogue with the columns NAME, VALUE,
 * DELAYED_VALUE, TOKEN_ID, VALUE_FLAG and DELAYED_VALUE_FLAG. The delayed value (the one that takes
 * effect at the next instance start) and its flag are filled only when details are asked for. The
 * attached instance is read, or the local one when there is no attachment.
 */
public class DB2CommandGetDBMCfg extends DB2Command implements ParameterFactory {
    private boolean showDetail;

    /** Creates a read of the current values only. */
    public DB2CommandGetDBMCfg() {}

    /**
     * Creates a read.
     *
     * @param showDetail true to read the delayed values as well
     */
    public DB2CommandGetDBMCfg(boolean showDetail) {
        this.showDetail = showDetail;
    }

    /**
     * Returns {@link EnumDB2CommandType#GET_DBM_CFG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.GET_DBM_CFG;
    }

    /**
     * Tells whether the delayed values are read too.
     *
     * @return true for current and delayed values
     */
    public boolean isShowDetail() {
        return showDetail;
    }

    /**
     * Chooses whether the delayed values are read too.
     *
     * @param showDetail true for current and delayed values
     */
    public void setShowDetail(boolean showDetail) {
        this.showDetail = showDetail;
    }
}
