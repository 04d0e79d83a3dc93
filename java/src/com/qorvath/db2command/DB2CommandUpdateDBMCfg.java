package com.qorvath.db2command;

import java.util.Map;

/**
 * Changes parameters of the database-manager (instance) configuration.
 *
 * <p>The parameters and their new values come as a map from parameter name (any case) to value
 * text, for example {@code DIAGLEVEL=4}; numbers may be given as numbers. All of them change in one call
 * to DB2: at once, or only at the next instance start when the change is deferred. The command needs an instance attachment and
 * produces no rows.
 */
public class DB2CommandUpdateDBMCfg extends ConfigUpdateCommand {
    /** Creates an update with no parameters yet. */
    public DB2CommandUpdateDBMCfg() {}

    /**
     * Creates an update.
     *
     * @param keywordValueMap parameter names and new values; copied in iteration order
     * @param defered true to change only the values used from the next start
     */
    public DB2CommandUpdateDBMCfg(Map<String, String> keywordValueMap, boolean defered) {
        super(keywordValueMap, defered);
    }

    /**
     * Returns {@link EnumDB2CommandType#UPDATE_DBM_CFG}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.UPDATE_DBM_CFG;
    }
}
