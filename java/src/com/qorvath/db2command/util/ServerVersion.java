package com.qorvath.db2command.util;

import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * A DB2 version: major version, minor version (release) and revision (modification level).
 *
 * <p>The native library reads the three numbers through {@link #getMajor()}, {@link #getMinor()}
 * and {@link #getMinorRevision()}. Versions arrive as text in several shapes; {@link
 * #parse(String)} reads all of them. Instances are immutable.
 */
public final class ServerVersion implements Comparable<ServerVersion> {
    /** The client level "vvrrm": two digits major, two minor, one modification. */
    private static final Pattern LEVEL = Pattern.compile("(\\d{2})(\\d{2})(\\d)");
    /** A product signature: three letters, then the level ("SQL09074"). */
    private static final Pattern SIGNATURE = Pattern.compile("[A-Za-z]{3}(\\d{2})(\\d{2})(\\d)");
    /**
     * The text the native attach stores: "vv.rr.m0", the modification digit followed by a zero
     * ("09.07.40" is 9.7.4).
     */
    private static final Pattern ATTACH_TEXT = Pattern.compile("(\\d{2})\\.(\\d{2})\\.(\\d)0");
    /** Dotted text: "09.07.0004", "9.7.4", "8.2". */
    private static final Pattern DOTTED =
            Pattern.compile("(\\d{1,4})\\.(\\d{1,4})(?:\\.(\\d{1,4}))?");

    private final int major;
    private final int minor;
    private final int minorRevision;

    /**
     * Creates a version.
     *
     * @param major the major version, such as 9
     * @param minor the minor version (release), such as 7
     * @param minorRevision the revision (modification level), such as 4
     * @throws IllegalArgumentException when a number is negative
     */
    public ServerVersion(int major, int minor, int minorRevision) {
        if (major < 0 || minor < 0 || minorRevision < 0) {
            throw new IllegalArgumentException(
                    "negative version number: " + major + "." + minor + "." + minorRevision);
        }
        this.major = major;
        this.minor = minor;
        this.minorRevision = minorRevision;
    }

    /**
     * Reads a version from text. Accepted, after leading and trailing blanks and control
     * characters are removed:
     *
     * <ul>
     *   <li>the five-digit client level, "09074" (9.7.4);
     *   <li>a product signature of three letters and the level, "SQL09074";
     *   <li>the attach text "09.07.40", whose last part is the modification digit and a zero
     *       (9.7.4);
     *   <li>dotted numbers with two or three parts, "09.07.0004", "9.7.4", "8.2" (revision 0).
     * </ul>
     *
     * @param text the text, may be null
     * @return the version, or null when {@code text} is null, blank or none of the above
     */
    public static ServerVersion parse(String text) {
        if (text == null) {
            return null;
        }
        String trimmed = text.trim();
        Matcher m = firstMatch(trimmed, LEVEL, SIGNATURE, ATTACH_TEXT, DOTTED);
        if (m == null) {
            return null;
        }
        int revision = m.group(3) == null ? 0 : Integer.parseInt(m.group(3));
        int major = Integer.parseInt(m.group(1));
        return new ServerVersion(major, Integer.parseInt(m.group(2)), revision);
    }

    private static Matcher firstMatch(String text, Pattern... patterns) {
        for (Pattern pattern : patterns) {
            Matcher m = pattern.matcher(text);
            if (m.matches()) {
                return m;
            }
        }
        return null;
    }

    /**
     * Returns the major version.
     *
     * @return the major version, such as 9
     */
    public int getMajor() {
        return major;
    }

    /**
     * Returns the minor version (release).
     *
     * @return the minor version, such as 7
     */
    public int getMinor() {
        return minor;
    }

    /**
     * Returns the revision (modification level).
     *
     * @return the revision, such as 4
     */
    public int getMinorRevision() {
        return minorRevision;
    }

    /**
     * Tells whether this version is the given major and minor version or later, whatever the
     * revision.
     *
     * @param atLeastMajor the major version to compare with
     * @param atLeastMinor the minor version to compare with
     * @return true when this version is not older
     */
    public boolean isAtLeast(int atLeastMajor, int atLeastMinor) {
        return major != atLeastMajor ? major > atLeastMajor : minor >= atLeastMinor;
    }

    /**
     * Orders by major version, then minor version, then revision.
     *
     * @param other the version to compare with
     * @return negative, zero or positive as this version is older, equal or newer
     */
    @Override
    public int compareTo(ServerVersion other) {
        int result = Integer.compare(major, other.major);
        if (result == 0) {
            result = Integer.compare(minor, other.minor);
        }
        return result != 0 ? result : Integer.compare(minorRevision, other.minorRevision);
    }

    /**
     * Compares the three numbers.
     *
     * @param other the object to compare with
     * @return true when {@code other} is a version with the same three numbers
     */
    @Override
    public boolean equals(Object other) {
        return other instanceof ServerVersion && compareTo((ServerVersion) other) == 0;
    }

    /**
     * Hashes the three numbers.
     *
     * @return the hash code
     */
    @Override
    public int hashCode() {
        return (major * 31 + minor) * 31 + minorRevision;
    }

    /**
     * Returns the version as dotted numbers without leading zeros.
     *
     * @return text such as "9.7.4"
     */
    @Override
    public String toString() {
        return major + "." + minor + "." + minorRevision;
    }
}
