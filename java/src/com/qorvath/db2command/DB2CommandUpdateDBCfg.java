package com.qorvath.db2command;

import java.util.Map;

/**
 * Changes parameters of the configuration of the connected database.
 *
 * <p>The parameters and their new values come as a map from parameter name (any case) to value
 * text, for example {@code LOGFILSIZ=1000,LOGPRIMARY=5}; numbers may be given as numbers. All of them change in one call
 * to DB2: at once, or only when the database is next activated when the change is deferred. The command needs a database connection and
 * produces no rows.
 */
public class DB2CommandUpdateDBCfg extends ConfigUpdateCommand {
    /** Creates an update with no parameters yet. */
    public DB2CommandUpdateDBCfg() {}

    /**
     * Creates an update.
     *
     * @param keywordValueMap parameter names and new values; copied in iteration order
     * @param defered true to change only the values used from the next start
     */
    public DB2CommandUpdateDBCfg(Map<String, String> keywordValueMap, boolean defered) {
        super(keywordValueMap, defered);
    }

    /**
     * Returns {@link EnumDB2CommandType#UPDATE_DB_CFG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UPDATE_DB_CFG;
    }
}
