package com.qorvath.db2command;

/**
 * Initialises a tape for backups. The native library has no command type for it and never runs
 * it: {@link #getType()} answers null.
 */
public class DB2CommandInitializeTape extends DB2Command {
    private String device;
    private String label;

    /** Creates the command with every parameter unset. */
    public DB2CommandInitializeTape() {}

    /**
     * Answers null: the command has no type the native library dispatches.
     *
     * @return null
     */
    @Override
    public EnumDB2CommandType getType() {
        return null;
    }

    /**
     * Returns the tape device.
     *
     * @return the value
     */
    public String getDevice() {
        return device;
    }

    /**
     * Sets the tape device.
     *
     * @param device the value
     */
    public void setDevice(String device) {
        this.device = device;
    }

    /**
     * Returns the label written on the tape.
     *
     * @return the value
     */
    public String getLabel() {
        return label;
    }

    /**
     * Sets the label written on the tape.
     *
     * @param label the value
     */
    public void setLabel(String label) {
        this.label = label;
    }
}
