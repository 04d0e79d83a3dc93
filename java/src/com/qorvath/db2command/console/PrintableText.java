package com.qorvath.db2command.console;

/**
 * Text made safe for a terminal: characters that would act on it rather than show (escape
 * sequences, carriage returns, line separators, direction overrides, lone surrogates) are written
 * as {@code \}{@code uXXXX}. Line feeds and tabs stay as they are.
 */
public final class PrintableText {
    private PrintableText() {}

    /**
     * Escapes the characters of a text that a terminal would not print.
     *
     * @param text the text, may be null
     * @return the text with those characters escaped; null for null
     */
    public static String of(String text) {
        if (text == null || text.codePoints().noneMatch(PrintableText::acts)) {
            return text;
        }
        StringBuilder shown = new StringBuilder(text.length() + 16);
        text.codePoints().forEach(c -> {
            if (acts(c)) {
                shown.append(String.format("\\u%04x", c));
            } else {
                shown.appendCodePoint(c);
            }
        });
        return shown.toString();
    }

    /**
     * Tells whether a terminal would act on a character rather than show it.
     *
     * @param c the code point
     * @return true for the characters {@link #of} escapes
     */
    static boolean acts(int c) {
        if (c == '\n' || c == '\t') {
            return false;
        }
        switch (Character.getType(c)) {
            case Character.CONTROL:
            case Character.FORMAT:
            case Character.LINE_SEPARATOR:
            case Character.PARAGRAPH_SEPARATOR:
            case Character.SURROGATE:
                return true;
            default:
                return false;
        }
    }
}
