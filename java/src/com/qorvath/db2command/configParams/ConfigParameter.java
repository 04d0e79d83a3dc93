package com.qorvath.db2command.configParams;

import java.util.Objects;

/**
 * One DB2 configuration parameter as a given release knows it: its name, the token DB2's
 * configuration calls take, the layout of its value and a short description.
 *
 * <p>The native library reads a parameter through {@link #getName()}, {@link #getToken()}, {@link
 * #getDataType()}, {@link #getDataSize()} and {@link #getBrief()}. Instances are immutable.
 */
public final class ConfigParameter {
    private final String name;
    private final int token;
    private final ConfigDataType dataType;
    private final int dataSize;
    private final String brief;
    private final boolean instanceLevel;
    private final boolean readOnly;

    /**
     * Creates a parameter.
     *
     * @param name the parameter's DB2 name
     * @param token the DB2 token number
     * @param dataType the layout of the value
     * @param characters for {@link ConfigDataType#CHAR}, the most characters of a value; ignored
     *     otherwise
     * @param brief a short description
     * @param instanceLevel true for a database-manager parameter, false for a database parameter
     * @param readOnly true when DB2 refuses to update it
     */
    public ConfigParameter(String name, int token, ConfigDataType dataType, int characters,
            String brief, boolean instanceLevel, boolean readOnly) {
        this.name = Objects.requireNonNull(name, "name");
        this.dataType = Objects.requireNonNull(dataType, "dataType");
        this.brief = Objects.requireNonNull(brief, "brief");
        this.token = token;
        this.dataSize = dataType == ConfigDataType.CHAR ? characters : dataType.getWidth();
        this.instanceLevel = instanceLevel;
        this.readOnly = readOnly;
    }

    /**
     * Returns the parameter's name as DB2 spells it, in lower case.
     *
     * @return the name
     */
    public String getName() {
        return name;
    }

    /**
     * Returns the DB2 token number.
     *
     * @return the token, never null
     */
    public Integer getToken() {
        return token;
    }

    /**
     * Returns the name of the value's layout: "char", "uint16", "sint16", "uint32", "sint32",
     * "uint64" or "float".
     *
     * @return the data type name
     */
    public String getDataType() {
        return dataType.getTypeName();
    }

    /**
     * Returns the layout of the value.
     *
     * @return the data type
     */
    public ConfigDataType getConfigDataType() {
        return dataType;
    }

    /**
     * Returns the value's size: for "char" the most characters (a buffer needs one more for the
     * terminating NUL), for numbers their width in bytes.
     *
     * @return the size, never null
     */
    public Integer getDataSize() {
        return dataSize;
    }

    /**
     * Returns a short description.
     *
     * @return the description
     */
    public String getBrief() {
        return brief;
    }

    /**
     * Tells whether this is a database-manager (instance) parameter.
     *
     * @return true for the database manager, false for a database
     */
    public boolean isInstanceLevel() {
        return instanceLevel;
    }

    /**
     * Tells whether DB2 only reports this parameter and refuses updates.
     *
     * @return true when read-only
     */
    public boolean isReadOnly() {
        return readOnly;
    }

    /**
     * Describes the parameter for logs.
     *
     * @return for example "DB logfilsiz (92, uint32)"
     */
    @Override
    public String toString() {
        return (instanceLevel ? "DBM " : "DB ") + name + " (" + token + ", " + getDataType() + ")";
    }
}
