package com.qorvath.db2command.console;

import java.util.ArrayList;
import java.util.Collection;
import java.util.List;
import java.util.Locale;

/** Close names for a mistyped one, to suggest in error messages. */
public final class Suggestions {
    private static final int MOST = 3;

    private Suggestions() {}

    /**
     * Finds the names close to a word, ignoring case: those starting with it, and those within a
     * few edits of it (one edit per three characters, at least one).
     *
     * @param word the mistyped word
     * @param names the known names
     * @return up to three names, closest first
     */
    public static List<String> closeTo(String word, Collection<String> names) {
        String typed = word.toLowerCase(Locale.ROOT);
        int allowed = Math.max(1, typed.length() / 3);
        List<String> close = new ArrayList<>();
        for (int distance = 0; distance <= allowed + 1 && close.size() < MOST; distance++) {
            for (String name : names) {
                if (close.size() < MOST && !close.contains(name)
                        && rank(typed, name.toLowerCase(Locale.ROOT), allowed) == distance) {
                    close.add(name);
                }
            }
        }
        return close;
    }

    /**
     * The edit distance when within the allowance, one past it for a name that starts with the
     * word, else no rank at all.
     */
    private static int rank(String typed, String name, int allowed) {
        int distance = editDistance(typed, name);
        if (distance <= allowed) {
            return distance;
        }
        return !typed.isEmpty() && name.startsWith(typed) ? allowed + 1 : Integer.MAX_VALUE;
    }

    /**
     * Returns a clause suggesting close names, to end an error message with.
     *
     * @param word the mistyped word
     * @param names the known names
     * @return "; did you mean A or B?", or empty text when no name is close
     */
    public static String didYouMean(String word, Collection<String> names) {
        List<String> close = closeTo(word, names);
        if (close.isEmpty()) {
            return "";
        }
        return "; did you mean " + String.join(" or ", close) + "?";
    }

    private static int editDistance(String a, String b) {
        int[] previous = new int[b.length() + 1];
        int[] current = new int[b.length() + 1];
        for (int j = 0; j <= b.length(); j++) {
            previous[j] = j;
        }
        for (int i = 1; i <= a.length(); i++) {
            current[0] = i;
            for (int j = 1; j <= b.length(); j++) {
                int substitution = previous[j - 1] + (a.charAt(i - 1) == b.charAt(j - 1) ? 0 : 1);
                current[j] = Math.min(substitution, Math.min(previous[j], current[j - 1]) + 1);
            }
            int[] swap = previous;
            previous = current;
            current = swap;
        }
        return previous[b.length()];
    }
}
