package com.qorvath.db2command.console;

import java.io.BufferedInputStream;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.PrintStream;
import java.nio.ByteBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.CharsetDecoder;
import java.nio.charset.StandardCharsets;

/**
 * Lines of a byte stream read as UTF-8, the same for a file and for standard input. A line ends
 * at a line feed or at the end of the input (a carriage return before it is dropped). A line that is not valid UTF-8 is not
 * guessed at: reading it throws {@link MalformedLineException}, and the next read goes on with
 * the following line.
 */
final class Utf8LineSource implements LineSource {
    private final InputStream in;
    private final PrintStream prompts;
    private final ByteArrayOutputStream line = new ByteArrayOutputStream();
    private final CharsetDecoder strict = StandardCharsets.UTF_8.newDecoder();
    private int number;

    /**
     * Reads lines from a stream.
     *
     * @param in the bytes; buffered here
     * @param prompts where prompts go
     */
    Utf8LineSource(InputStream in, PrintStream prompts) {
        this.in = new BufferedInputStream(in);
        this.prompts = prompts;
    }

    @Override
    public String readLine(String prompt) throws IOException {
        if (prompt != null) {
            prompts.print(prompt);
            prompts.flush();
        }
        if (!readBytes()) {
            return null;
        }
        number++;
        byte[] bytes = line.toByteArray();
        try {
            return strict.decode(ByteBuffer.wrap(bytes)).toString();
        } catch (CharacterCodingException e) {
            throw new MalformedLineException(number, new String(bytes, StandardCharsets.UTF_8));
        }
    }

    /** Reads one line's bytes, without its end; false at the end of the input. */
    private boolean readBytes() throws IOException {
        line.reset();
        boolean carriageReturn = false;
        int b = in.read();
        if (b < 0) {
            return false;
        }
        for (; b >= 0 && b != '\n'; b = in.read()) {
            if (carriageReturn) {
                line.write('\r');
            }
            carriageReturn = b == '\r';
            if (!carriageReturn) {
                line.write(b);
            }
        }
        return true;
    }
}
