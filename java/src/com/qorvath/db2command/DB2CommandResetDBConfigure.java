package com.qorvath.db2command;

/**
 * Returns every parameter of one database's configuration to DB2's default.
 *
 * <p>The command needs an instance attachment and produces no rows. The database is named by its
 * alias in the database directory.
 */
public class DB2CommandResetDBConfigure extends DB2Command {
    private String alias;

    /** Creates a reset with no database named yet. */
    public DB2CommandResetDBConfigure() {}

    /**
     * Creates a reset of one database.
     *
     * @param alias the database alias
     */
    public DB2CommandResetDBConfigure(String alias) {
        this.alias = alias;
    }

    /**
     * Returns {@link EnumDB2CommandType#RESET_DB_CFG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.RESET_DB_CFG;
    }

    /**
     * Returns the alias of the database to reset.
     *
     * @return the alias, or null when none was set
     */
    public String getAlias() {
        return alias;
    }

    /**
     * Sets the alias of the database to reset.
     *
     * @param alias the alias
     */
    public void setAlias(String alias) {
        this.alias = alias;
    }
}
