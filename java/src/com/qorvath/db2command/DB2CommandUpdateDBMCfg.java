package com.qorvath.db2command;

import com.qorvath.db2command.configParams.ParameterFactory;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * Changes parameters of the database-manager (instance) configuration.
 *
 * <p>The parameters and their new values come as a map from parameter name (any case) to value
 * text, for example {@code DIAGLEVEL=4}; numbers may be given as numbers. All of them change in one call
 * to DB2: at once, or only at the next instance start when the change is deferred. The command needs an instance attachment and
 * produces no rows.
 */
public class DB2CommandUpdateDBMCfg extends DB2Command implements ParameterFactory {
    private boolean defered;
    private Map<String, String> keywordValueMap;

    /** Creates an update with no parameters yet. */
    public DB2CommandUpdateDBMCfg() {}

    /**
     * Creates an update.
     *
     * @param keywordValueMap parameter names and new values; copied in iteration order
     * @param defered true to change only the values used from the next start
     */
    public DB2CommandUpdateDBMCfg(Map<String, String> keywordValueMap, boolean defered) {
        setKeywordValueMap(keywordValueMap);
        this.defered = defered;
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

    /**
     * Tells whether the change waits for the next start.
     *
     * @return true when deferred, false when it takes effect at once as well
     */
    public boolean isDefered() {
        return defered;
    }

    /**
     * Chooses whether the change waits for the next start.
     *
     * @param defered true to defer
     */
    public void setDefered(boolean defered) {
        this.defered = defered;
    }

    /**
     * Returns the parameter names and their new values.
     *
     * @return the map in the order given, or null when none was set
     */
    public Map<String, String> getKeywordValueMap() {
        return keywordValueMap;
    }

    /**
     * Sets the parameter names and their new values.
     *
     * @param keywordValueMap the map; copied in iteration order; null for none
     */
    public void setKeywordValueMap(Map<String, String> keywordValueMap) {
        this.keywordValueMap = keywordValueMap == null ? null : new LinkedHashMap<>(keywordValueMap);
    }

    /**
     * Adds or replaces one parameter's new value.
     *
     * @param name the parameter name
     * @param value the new value as text
     */
    public void putValue(String name, String value) {
        if (keywordValueMap == null) {
            keywordValueMap = new LinkedHashMap<>();
        }
        keywordValueMap.put(name, value);
    }
}
