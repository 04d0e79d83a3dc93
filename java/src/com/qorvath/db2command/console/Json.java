package com.qorvath.db2command.console;

import java.util.List;

/** Just enough JSON writing for the console's {@code --json} output. */
public final class Json {
    private Json() {}

    /**
     * Writes a text as a JSON string. Quotes, backslashes, unpaired surrogates and what a terminal
     * would not print ({@link PrintableText}: control characters, the two Unicode line separators,
     * format characters) are escaped, so the result is valid JSON on one line, survives any UTF
     * encoding and is safe to show.
     *
     * @param text the text, may be null
     * @return the quoted string, or {@code null} for null
     */
    public static String string(String text) {
        if (text == null) {
            return "null";
        }
        StringBuilder out = new StringBuilder(text.length() + 2).append('"');
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            if (c == '"' || c == '\\') {
                out.append('\\').append(c);
            } else if (c == '\n') {
                out.append("\\n");
            } else if (c == '\r') {
                out.append("\\r");
            } else if (c == '\t') {
                out.append("\\t");
            } else if (unpairedSurrogate(text, i)
                    || (!Character.isSurrogate(c) && PrintableText.acts(c))) {
                out.append(String.format("\\u%04x", (int) c));
            } else {
                out.append(c);
            }
        }
        return out.append('"').toString();
    }

    private static boolean unpairedSurrogate(String text, int i) {
        char c = text.charAt(i);
        if (Character.isHighSurrogate(c)) {
            return i + 1 >= text.length() || !Character.isLowSurrogate(text.charAt(i + 1));
        }
        if (Character.isLowSurrogate(c)) {
            return i == 0 || !Character.isHighSurrogate(text.charAt(i - 1));
        }
        return false;
    }

    /**
     * Writes a list of texts as a JSON array of strings.
     *
     * @param texts the texts; null entries become {@code null}
     * @return the array
     */
    public static String array(List<String> texts) {
        StringBuilder out = new StringBuilder("[");
        for (String text : texts) {
            if (out.length() > 1) {
                out.append(',');
            }
            out.append(string(text));
        }
        return out.append(']').toString();
    }

    /**
     * Writes rows of texts as a JSON array of arrays.
     *
     * @param rows the rows
     * @return the array
     */
    public static String rows(List<List<String>> rows) {
        StringBuilder out = new StringBuilder("[");
        for (List<String> row : rows) {
            if (out.length() > 1) {
                out.append(',');
            }
            out.append(array(row));
        }
        return out.append(']').toString();
    }
}
