package com.qorvath.db2command.console;

import java.io.IOException;

/** A line of input that is not valid UTF-8; the input can still be read past it. */
public final class MalformedLineException extends IOException {
    private static final long serialVersionUID = 1L;

    private final String text;

    /**
     * Creates the exception.
     *
     * @param number the line's number, from 1
     * @param text the line with each invalid sequence shown as U+FFFD
     */
    public MalformedLineException(int number, String text) {
        super("line " + number + " is not valid UTF-8");
        this.text = text;
    }

    /**
     * Returns the line with each invalid sequence shown as U+FFFD.
     *
     * @return the text
     */
    public String text() {
        return text;
    }
}
