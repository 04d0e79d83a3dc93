package com.qorvath.db2command.console;

import java.util.ArrayList;
import java.util.List;

/**
 * The syntax of one console line: words separated by blanks, a word starting with {@code #} ends
 * the line as a comment.
 *
 * <p>Inside single quotes every character stands for itself. Inside double quotes and outside
 * quotes a backslash takes the next character as it is, except {@code \n}, {@code \t} and
 * {@code \r}, which stand for a line feed, a tab and a carriage return. Quotes may start anywhere
 * in a word ({@code Password="a b"} is one word). Words are returned raw, quotes and backslashes
 * kept, so that a value can later be split at its unquoted commas and equals signs before it is
 * unquoted.
 */
public final class LineSyntax {
    private LineSyntax() {}

    /** Walks a text and tells for each character whether it is plain (unquoted, unescaped). */
    private static final class Walker {
        private final String text;
        private int index;
        private char quote;
        private boolean escaped;

        Walker(String text) {
            this.text = text;
        }

        boolean hasNext() {
            return index < text.length();
        }

        /** Moves over one character and tells whether it was plain. */
        boolean nextIsPlain() {
            char c = text.charAt(index++);
            if (escaped) {
                escaped = false;
                return false;
            }
            if (c == '\\' && quote != '\'') {
                escaped = true;
                return false;
            }
            if (quote != 0) {
                if (c == quote) {
                    quote = 0;
                }
                return false;
            }
            if (c == '"' || c == '\'') {
                quote = c;
                return false;
            }
            return true;
        }

        char last() {
            return text.charAt(index - 1);
        }

        int position() {
            return index;
        }

        void checkClosed() {
            if (escaped) {
                throw new IllegalArgumentException("a backslash ends the text: " + text);
            }
            if (quote != 0) {
                throw new IllegalArgumentException("unterminated " + quote + " quote in: " + text);
            }
        }
    }

    /**
     * Splits a line into raw words.
     *
     * @param line the line
     * @return the words, quotes kept; empty for a blank line or a comment
     * @throws IllegalArgumentException when a quote is not closed or the line ends in a backslash
     */
    public static List<String> words(String line) {
        List<String> words = new ArrayList<>();
        Walker walker = new Walker(line);
        int start = -1;
        while (walker.hasNext()) {
            boolean plain = walker.nextIsPlain();
            int at = walker.position() - 1;
            if (plain && Character.isWhitespace(walker.last())) {
                if (start >= 0) {
                    words.add(line.substring(start, at));
                    start = -1;
                }
            } else if (start < 0) {
                if (plain && walker.last() == '#') {
                    return words;
                }
                start = at;
            }
        }
        walker.checkClosed();
        if (start >= 0) {
            words.add(line.substring(start));
        }
        return words;
    }

    /**
     * Splits raw text at its plain (unquoted, unescaped) separators.
     *
     * @param raw the raw text
     * @param separator the separator
     * @param limit the most parts returned; the last part keeps the rest of the text
     * @return the raw parts, at least one
     */
    public static List<String> split(String raw, char separator, int limit) {
        List<String> parts = new ArrayList<>();
        Walker walker = new Walker(raw);
        int start = 0;
        while (walker.hasNext() && parts.size() < limit - 1) {
            if (walker.nextIsPlain() && walker.last() == separator) {
                parts.add(raw.substring(start, walker.position() - 1));
                start = walker.position();
            }
        }
        parts.add(raw.substring(start));
        return parts;
    }

    /**
     * Removes the quotes and resolves the backslashes of raw text.
     *
     * @param raw the raw text
     * @return the text it stands for
     * @throws IllegalArgumentException when a quote is not closed or the text ends in a backslash
     */
    public static String unquote(String raw) {
        StringBuilder text = new StringBuilder(raw.length());
        Walker walker = new Walker(raw);
        boolean escapeNext = false;
        while (walker.hasNext()) {
            char quoteBefore = walker.quote;
            boolean plain = walker.nextIsPlain();
            char c = walker.last();
            if (escapeNext) {
                text.append(escaped(c));
                escapeNext = false;
            } else if (c == '\\' && quoteBefore != '\'') {
                escapeNext = true;
            } else if (plain || (quoteBefore != 0 && c != quoteBefore)) {
                text.append(c);
            }
        }
        walker.checkClosed();
        return text.toString();
    }

    private static char escaped(char c) {
        switch (c) {
            case 'n':
                return '\n';
            case 't':
                return '\t';
            case 'r':
                return '\r';
            default:
                return c;
        }
    }
}
