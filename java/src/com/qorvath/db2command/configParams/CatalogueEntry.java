package com.qorvath.db2command.configParams;

import java.util.Map;

/** One line of the catalogue: a parameter, the releases it is valid in and its coded values. */
final class CatalogueEntry {
    private final ConfigParameter parameter;
    private final int firstRelease;
    private final int droppedRelease;
    private final Map<String, String> words;

    CatalogueEntry(ConfigParameter parameter, int firstRelease, int droppedRelease,
            Map<String, String> words) {
        this.parameter = parameter;
        this.firstRelease = firstRelease;
        this.droppedRelease = droppedRelease;
        this.words = words;
    }

    ConfigParameter parameter() {
        return parameter;
    }

    /** Tells whether the parameter exists, with this token, in a release. */
    boolean validIn(int release) {
        return release >= firstRelease && release < droppedRelease;
    }

    /** Tells whether this entry, in a release, is the one for a level. */
    boolean matches(int release, boolean instanceLevel) {
        return validIn(release) && parameter.isInstanceLevel() == instanceLevel;
    }

    int firstRelease() {
        return firstRelease;
    }

    int droppedRelease() {
        return droppedRelease;
    }

    /** The coded values and their words; empty when the values are plain. */
    Map<String, String> words() {
        return words;
    }
}
