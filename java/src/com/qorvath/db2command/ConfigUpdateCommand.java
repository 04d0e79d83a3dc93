package com.qorvath.db2command;

import com.qorvath.db2command.configParams.ParameterFactory;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * What the two configuration updates share: parameter names with their new values, changed in one
 * call to DB2, at once or deferred to the next start.
 */
public abstract class ConfigUpdateCommand extends DB2Command implements ParameterFactory {
    private boolean defered;
    private Map<String, String> keywordValueMap;

    /** Creates an update with no parameters yet. */
    protected ConfigUpdateCommand() {}

    /**
     * Creates an update.
     *
     * @param keywordValueMap parameter names and new values; copied in iteration order
     * @param defered true to change only the values used from the next start
     */
    protected ConfigUpdateCommand(Map<String, String> keywordValueMap, boolean defered) {
        setKeywordValueMap(keywordValueMap);
        this.defered = defered;
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
