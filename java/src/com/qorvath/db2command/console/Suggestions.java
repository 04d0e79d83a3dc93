package com.qorvath.db2command.console;

import java.util.ArrayList;
import java.util.Collection;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Locale;
import java.util.Map;

/** Close names for a mistyped one, to suggest in error messages. */
public final class Suggestions {
    private static final int MOST = 3;
    /** Longer words are no typing mistake of a name; they get no edit-distance suggestions. */
    private static final int LONGEST_COMPARED = 256;

    private Suggestions() {}

    /**
     * Finds the names close to a word, ignoring case: those starting with it, and those within a
     * few edits of it (one edit per three characters, at least one). Each name is ranked once, and
     * the edit distance is only computed where it can be within the allowance, so a long word is
     * answered as quickly as a short one.
     *
     * @param word the mistyped word
     * @param names the known names
     * @return up to three names, closest first
     */
    public static List<String> closeTo(String word, Collection<String> names) {
        String typed = word.toLowerCase(Locale.ROOT);
        int allowed = Math.max(1, typed.length() / 3);
        List<Map.Entry<Integer, String>> ranked = new ArrayList<>();
        for (String name : new LinkedHashSet<>(names)) {
            int rank = rank(typed, name.toLowerCase(Locale.ROOT), allowed);
            if (rank <= allowed + 1) {
                ranked.add(Map.entry(rank, name));
            }
        }
        ranked.sort(Map.Entry.comparingByKey());
        List<String> close = new ArrayList<>();
        for (int i = 0; i < ranked.size() && i < MOST; i++) {
            close.add(ranked.get(i).getValue());
        }
        return close;
    }

    /**
     * The edit distance when within the allowance, one past it for a name that starts with the
     * word, else no rank at all. Names whose length alone puts them beyond the allowance, and
     * words too long to be a mistyped name, are not compared edit by edit.
     */
    private static int rank(String typed, String name, int allowed) {
        if (typed.length() <= LONGEST_COMPARED
                && Math.abs(typed.length() - name.length()) <= allowed) {
            int distance = editDistance(typed, name);
            if (distance <= allowed) {
                return distance;
            }
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
