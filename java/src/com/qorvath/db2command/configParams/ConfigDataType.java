package com.qorvath.db2command.configParams;

import java.util.Locale;

/** How DB2 lays out the value of a configuration parameter in the caller's buffer. */
public enum ConfigDataType {
    /** Characters ending in NUL. */
    CHAR("char", 0),
    /** Unsigned 16-bit integer. */
    UINT16("uint16", 2),
    /** Signed 16-bit integer. */
    SINT16("sint16", 2),
    /** Unsigned 32-bit integer. */
    UINT32("uint32", 4),
    /** Signed 32-bit integer. */
    SINT32("sint32", 4),
    /** 64-bit integer. */
    UINT64("uint64", 8),
    /** 32-bit IEEE float. */
    FLOAT("float", 4);

    private final String typeName;
    private final int width;

    ConfigDataType(String typeName, int width) {
        this.typeName = typeName;
        this.width = width;
    }

    /**
     * Returns the name the native library understands.
     *
     * @return the lower-case name, such as "uint16"
     */
    public String getTypeName() {
        return typeName;
    }

    /**
     * Returns the width of a numeric value in bytes.
     *
     * @return the width; 0 for {@link #CHAR}, whose width is the parameter's own
     */
    public int getWidth() {
        return width;
    }

    /**
     * Finds a data type by name, ignoring case.
     *
     * @param name the name, such as "UINT32"
     * @return the data type
     * @throws IllegalArgumentException when no data type has that name
     */
    public static ConfigDataType fromName(String name) {
        for (ConfigDataType type : values()) {
            if (type.typeName.equals(name.trim().toLowerCase(Locale.ROOT))) {
                return type;
            }
        }
        throw new IllegalArgumentException("unknown data type: " + name);
    }
}
