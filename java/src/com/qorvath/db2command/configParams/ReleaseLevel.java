package com.qorvath.db2command.configParams;

/**
 * Turns the version numbers the native side passes into comparable release codes.
 *
 * <p>Versions arrive in several forms: short (8.2, 9.7, 9.1), with revision (8.0203 for 8.2
 * revision 3, 9.0704), or cut to the major number (9.0). The code is major * 100 plus the minor
 * number scaled to two digits, so 8.2, 8.0203 and 8.02 all give 820, and 9.5, 9.05 and 9.0504
 * give 950. A minor number written with two digits (8.1 for a minor of 10) keeps its two digits.
 */
final class ReleaseLevel {
    /** The end of a parameter that has not been dropped: after every release. */
    static final int NEVER = Integer.MAX_VALUE;

    /** The code of a version that is not known: the newest release, before {@link #NEVER}. */
    static final int NEWEST = NEVER - 1;

    private ReleaseLevel() {}

    /**
     * Returns the release code of a version number.
     *
     * @param version the version; 0 or less (or not a number) for an unknown version
     * @return the release code, {@link #NEWEST} when unknown
     */
    static int of(double version) {
        if (!(version > 0) || Double.isInfinite(version)) {
            return NEWEST;
        }
        int major = (int) Math.floor(version + 1e-9);
        int minor = (int) Math.floor((version - major) * 100 + 1e-6);
        return major * 100 + (minor < 10 ? minor * 10 : minor);
    }

    /**
     * Parses a release written in the catalogue ("8.2", "9.0"), "-" meaning none.
     *
     * @param text the release text
     * @param none the code to give for "-"
     * @return the release code
     */
    static int parse(String text, int none) {
        return "-".equals(text) ? none : of(Double.parseDouble(text));
    }
}
