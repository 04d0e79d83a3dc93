package com.qorvath.db2command.configParams;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;

/**
 * The DB2 configuration parameters of the database manager and of a database, per release.
 *
 * <p>Some parameters changed token (and width) between releases; a lookup takes the version of
 * the DB2 that will be asked and answers with the token that release understands. Versions are
 * read as {@link ReleaseLevel} describes; an unknown version (0) means the newest release.
 *
 * <p>Database and database-manager tokens overlap (6 is numdb for the database manager and
 * maxappls for a database). Lookups that are given a token without a level try the database
 * parameters first, then the database manager's.
 */
public final class ConfigCatalogue {
    private static final ConfigCatalogue STANDARD =
            parse(ConfigCatalogueData.PARAMETERS, ConfigCatalogueData.WORDS);
    private static final int FIELDS = 10;
    private static final String AUTOMATIC = "AUTOMATIC";

    private final List<CatalogueEntry> entries;

    private ConfigCatalogue(List<CatalogueEntry> entries) {
        this.entries = entries;
    }

    /**
     * Returns the catalogue that ships with the application.
     *
     * @return the shared, immutable catalogue
     */
    public static ConfigCatalogue standard() {
        return STANDARD;
    }

    /**
     * Builds a catalogue from text in the form {@code ConfigCatalogueData} uses.
     *
     * @param parameters one tab-separated line per parameter and token
     * @param words one line per word list: its name, a tab, then code=word pairs joined by |
     * @return the catalogue
     * @throws IllegalArgumentException naming the line when the text is malformed, a word list is
     *     missing, or two lines of one level claim the same name or token in the same release
     */
    public static ConfigCatalogue parse(String parameters, String words) {
        Map<String, Map<String, String>> lists = parseWordLists(words);
        List<CatalogueEntry> entries = new ArrayList<>();
        String[] lines = parameters.split("\n");
        for (int i = 0; i < lines.length; i++) {
            if (lines[i].isBlank()) {
                continue;
            }
            try {
                CatalogueEntry entry = parseEntry(lines[i], lists);
                checkNoClash(entries, entry);
                entries.add(entry);
            } catch (RuntimeException e) {
                throw new IllegalArgumentException(
                        "catalogue line " + (i + 1) + ": " + e.getMessage(), e);
            }
        }
        return new ConfigCatalogue(Collections.unmodifiableList(entries));
    }

    /**
     * Lists the parameters of one level that a release knows, in catalogue order.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @return a new modifiable list
     */
    public List<ConfigParameter> getAllParameters(double version, boolean instanceLevel) {
        int release = ReleaseLevel.of(version);
        List<ConfigParameter> result = new ArrayList<>();
        for (CatalogueEntry entry : entries) {
            if (entry.matches(release, instanceLevel)) {
                result.add(entry.parameter());
            }
        }
        return result;
    }

    /**
     * Finds a parameter by name, ignoring case and surrounding blanks.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @param name the parameter's name
     * @return the parameter, or null when the release has none of that name (or name is null)
     */
    public ConfigParameter findByName(double version, boolean instanceLevel, String name) {
        if (name == null) {
            return null;
        }
        String wanted = name.trim().toLowerCase(Locale.ROOT);
        int release = ReleaseLevel.of(version);
        for (CatalogueEntry entry : entries) {
            if (entry.matches(release, instanceLevel)
                    && entry.parameter().getName().equals(wanted)) {
                return entry.parameter();
            }
        }
        return null;
    }

    /**
     * Finds a parameter of one level by token.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @param token the token
     * @return the parameter, or null
     */
    public ConfigParameter findByToken(double version, boolean instanceLevel, int token) {
        CatalogueEntry entry = entryByToken(ReleaseLevel.of(version), instanceLevel, token);
        return entry == null ? null : entry.parameter();
    }

    /**
     * Finds a parameter by token alone: a database parameter first, else a database-manager one.
     *
     * @param version the DB2 version
     * @param token the token
     * @return the parameter, or null
     */
    public ConfigParameter findByToken(double version, int token) {
        ConfigParameter found = findByToken(version, false, token);
        return found != null ? found : findByToken(version, true, token);
    }

    /**
     * Turns a coded value into the words DB2 users know, for a token of either level.
     *
     * <p>The first parameter with that token that has coded values (database first) decides. A
     * value it has no word for, or a parameter with plain values, gives the value back unchanged;
     * "automatic" in any case gives "AUTOMATIC".
     *
     * @param version the DB2 version
     * @param token the token
     * @param value the value as text
     * @return the text to show; "" for a null value
     */
    public String translate(double version, int token, String value) {
        int release = ReleaseLevel.of(version);
        CatalogueEntry entry = entryWithWords(release, false, token);
        if (entry == null) {
            entry = entryWithWords(release, true, token);
        }
        return translate(entry, value);
    }

    /**
     * Turns a coded value of one level's parameter into words.
     *
     * @param version the DB2 version
     * @param instanceLevel true for the database manager, false for a database
     * @param token the token
     * @param value the value as text
     * @return the text to show; "" for a null value
     */
    public String translate(double version, boolean instanceLevel, int token, String value) {
        return translate(entryByToken(ReleaseLevel.of(version), instanceLevel, token), value);
    }

    private static String translate(CatalogueEntry entry, String value) {
        if (value == null) {
            return "";
        }
        String trimmed = value.trim();
        if (trimmed.equalsIgnoreCase(AUTOMATIC)) {
            return AUTOMATIC;
        }
        if (entry == null) {
            return value;
        }
        return entry.words().getOrDefault(trimmed, value);
    }

    private CatalogueEntry entryByToken(int release, boolean instanceLevel, int token) {
        for (CatalogueEntry entry : entries) {
            if (entry.matches(release, instanceLevel) && entry.parameter().getToken() == token) {
                return entry;
            }
        }
        return null;
    }

    private CatalogueEntry entryWithWords(int release, boolean instanceLevel, int token) {
        CatalogueEntry entry = entryByToken(release, instanceLevel, token);
        return entry != null && !entry.words().isEmpty() ? entry : null;
    }

    private static CatalogueEntry parseEntry(String line, Map<String, Map<String, String>> lists) {
        String[] f = line.trim().split("\t");
        if (f.length != FIELDS) {
            throw new IllegalArgumentException(
                    "expected " + FIELDS + " tab-separated fields, found " + f.length);
        }
        boolean instanceLevel = parseLevel(f[0]);
        ConfigDataType type = ConfigDataType.fromName(f[3]);
        int characters = type == ConfigDataType.CHAR ? parsePositive(f[4]) : 0;
        int first = ReleaseLevel.parse(f[5], 0);
        int dropped = ReleaseLevel.parse(f[6], ReleaseLevel.NEVER);
        if (first >= dropped) {
            throw new IllegalArgumentException(f[1] + " is dropped before it appears");
        }
        Map<String, String> words = "-".equals(f[8]) ? Map.of() : lists.get(f[8]);
        if (words == null) {
            throw new IllegalArgumentException("no word list " + f[8]);
        }
        ConfigParameter parameter = new ConfigParameter(f[1].toLowerCase(Locale.ROOT),
                parsePositive(f[2]), type, characters, f[9], instanceLevel, parseReadOnly(f[7]));
        return new CatalogueEntry(parameter, first, dropped, words);
    }

    private static boolean parseLevel(String text) {
        if (!"DBM".equals(text) && !"DB".equals(text)) {
            throw new IllegalArgumentException("level must be DBM or DB: " + text);
        }
        return "DBM".equals(text);
    }

    private static boolean parseReadOnly(String text) {
        if (!"ro".equals(text) && !"rw".equals(text)) {
            throw new IllegalArgumentException("access must be ro or rw: " + text);
        }
        return "ro".equals(text);
    }

    private static int parsePositive(String text) {
        int value = Integer.parseInt(text);
        if (value <= 0) {
            throw new IllegalArgumentException("not a positive number: " + text);
        }
        return value;
    }

    private static void checkNoClash(List<CatalogueEntry> entries, CatalogueEntry added) {
        ConfigParameter p = added.parameter();
        for (CatalogueEntry other : entries) {
            ConfigParameter o = other.parameter();
            boolean overlap = added.firstRelease() < other.droppedRelease()
                    && other.firstRelease() < added.droppedRelease();
            if (!overlap || o.isInstanceLevel() != p.isInstanceLevel()) {
                continue;
            }
            if (o.getName().equals(p.getName()) || o.getToken().equals(p.getToken())) {
                throw new IllegalArgumentException(
                        p.getName() + " clashes with " + o.getName() + " in shared releases");
            }
        }
    }

    private static Map<String, Map<String, String>> parseWordLists(String text) {
        Map<String, Map<String, String>> lists = new HashMap<>();
        for (String line : text.split("\n")) {
            if (line.isBlank()) {
                continue;
            }
            String[] f = line.trim().split("\t");
            if (f.length != 2) {
                throw new IllegalArgumentException("word list line needs a name and pairs: " + line);
            }
            lists.put(f[0], parseWords(f[1]));
        }
        return lists;
    }

    private static Map<String, String> parseWords(String pairs) {
        Map<String, String> words = new LinkedHashMap<>();
        for (String pair : pairs.split("\\|")) {
            int eq = pair.indexOf('=');
            if (eq <= 0 || eq == pair.length() - 1) {
                throw new IllegalArgumentException("code=word expected: " + pair);
            }
            Integer.parseInt(pair.substring(0, eq));
            words.put(pair.substring(0, eq), pair.substring(eq + 1));
        }
        return Collections.unmodifiableMap(words);
    }
}
