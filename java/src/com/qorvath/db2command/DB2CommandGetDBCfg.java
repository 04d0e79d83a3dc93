package com.qorvath.db2command;

import com.qorvath.db2command.configParams.ParameterFactory;

/**
 * Reads the configuration of a database.
 *
 * <p>The result holds one row per parameter of the catalogue with the columns NAME, VALUE,
 * DELAYED_VALUE, TOKEN_ID, VALUE_FLAG and DELAYED_VALUE_FLAG. The delayed value (the one that takes
 * effect when the database is next activated) and its flag are filled only when details are asked
 * for. The command needs a database connection; with no alias the connected database is read.
 */
public class DB2CommandGetDBCfg extends DB2Command implements ParameterFactory {
    private String alias;
    private boolean showDetail;

    /** Creates a read of the connected database's current values. */
    public DB2CommandGetDBCfg() {}

    /**
     * Creates a read.
     *
     * @param alias the database alias; null or empty for the connected database
     * @param showDetail true to read the delayed values as well
     */
    public DB2CommandGetDBCfg(String alias, boolean showDetail) {
        this.alias = alias;
        this.showDetail = showDetail;
    }

    /**
     * Returns {@link EnumDB2CommandType#GET_DB_CFG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.GET_DB_CFG;
    }

    /**
     * Returns the alias of the database to read.
     *
     * @return the alias, or null for the connected database
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the alias of the database to read.
     *
     * @param alias the alias; null or empty for the connected database
     */
    public void setAlias(String alias) {
        this.alias = alias;
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
