package com.qorvath.db2command.util;

import java.util.Objects;

/**
 * Base of the typesafe enumerations shared with the native library.
 *
 * <p>Each constant carries an integer code, which is what the native library reads (through
 * {@link #getType()}), and a name for people. Two constants are equal when they are of the same
 * concrete class and have the same code; the name plays no part in equality.
 */
public abstract class EnumTypeBase {
    private final int type;
    private final String name;

    /**
     * Creates a constant.
     *
     * @param type the integer code the native library sees
     * @param name the readable name; must not be null
     */
    protected EnumTypeBase(int type, String name) {
        this.type = type;
        this.name = Objects.requireNonNull(name, "name");
    }

    /**
     * Returns the integer code of this constant.
     *
     * @return the code
     */
    public int getType() {
        return type;
    }

    /**
     * Returns the readable name of this constant.
     *
     * @return the name, never null
     */
    public String getName() {
        return name;
    }

    /**
     * Returns the readable name.
     *
     * @return the same as {@link #getName()}
     */
    @Override
    public String toString() {
        return name;
    }

    /**
     * Compares by concrete class and code.
     *
     * @param other the object to compare with
     * @return true when {@code other} is of the same class and has the same code
     */
    @Override
    public boolean equals(Object other) {
        if (this == other) {
            return true;
        }
        if (other == null || other.getClass() != getClass()) {
            return false;
        }
        return type == ((EnumTypeBase) other).type;
    }

    /**
     * Hashes the concrete class and the code, consistent with {@link #equals(Object)}.
     *
     * @return the hash code
     */
    @Override
    public int hashCode() {
        return 31 * getClass().hashCode() + type;
    }
}
