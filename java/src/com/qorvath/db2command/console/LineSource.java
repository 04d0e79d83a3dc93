package com.qorvath.db2command.console;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.PrintStream;

/** Where the console reads its lines: a file, standard input, or a terminal with a prompt. */
@FunctionalInterface
public interface LineSource {
    /**
     * Reads the next line.
     *
     * @param prompt the prompt to show first, or null for none
     * @return the line, or null at the end of the input
     * @throws IOException when the input cannot be read
     */
    String readLine(String prompt) throws IOException;

    /**
     * Reads lines from a reader, showing prompts on a stream.
     *
     * @param reader the input
     * @param prompts where prompts go
     * @return the source
     */
    static LineSource of(BufferedReader reader, PrintStream prompts) {
        return prompt -> {
            if (prompt != null) {
                prompts.print(prompt);
                prompts.flush();
            }
            return reader.readLine();
        };
    }

    /**
     * Reads lines of UTF-8 from a byte stream, showing prompts on a stream. A line that is not
     * valid UTF-8 throws {@link MalformedLineException}; reading goes on after it.
     *
     * @param in the input
     * @param prompts where prompts go
     * @return the source
     */
    static LineSource of(InputStream in, PrintStream prompts) {
        return new Utf8LineSource(in, prompts);
    }

    /**
     * Reads lines from the terminal with the line editing it offers.
     *
     * @param terminal the JVM's console
     * @return the source
     */
    static LineSource of(java.io.Console terminal) {
        return prompt -> terminal.readLine("%s", prompt == null ? "" : prompt);
    }
}
