package com.qorvath.db2command;

/**
 * A DB2 administrative command to be run by the native library.
 *
 * <p>A concrete command class holds the command's parameters behind getters; the native library
 * reads them by name while the command runs. This base only tells the library which command it is.
 */
public abstract class DB2Command {
    /** Creates a command. */
    protected DB2Command() {}

    /**
     * Returns the type of this command, which selects the native command class.
     *
     * @return the command type, never null
     */
    public abstract EnumDB2CommandType getType();

    /**
     * Describes the command by its class and type name.
     *
     * @return a short description for logs
     */
    @Override
    public String toString() {
        EnumDB2CommandType type = getType();
        return getClass().getSimpleName() + "[" + (type == null ? "no type" : type.getName()) + "]";
    }
}
