package com.qorvath.db2command.monitor;

/** A monitor data stream that cannot be read: cut short, sizes that do not add up, too deep. */
public final class MonitorStreamException extends Exception {
    private static final long serialVersionUID = 1L;

    /**
     * Creates the exception.
     *
     * @param message what is wrong and where
     */
    public MonitorStreamException(String message) {
        super(message);
    }
}
