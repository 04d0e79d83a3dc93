package com.qorvath.db2command.console;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.EnumDB2CommandType;
import java.io.File;
import java.io.IOException;
import java.io.UncheckedIOException;
import java.lang.reflect.Modifier;
import java.net.JarURLConnection;
import java.net.URISyntaxException;
import java.net.URL;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.security.CodeSource;
import java.util.ArrayList;
import java.util.Collection;
import java.util.Collections;
import java.util.Enumeration;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Set;
import java.util.TreeMap;
import java.util.TreeSet;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import java.util.stream.Stream;

/**
 * Finds the command classes: every concrete public class {@code com.qorvath.db2command.DB2Command*}
 * with a public constructor without arguments, in the jar or class folder that holds the Java side
 * and in every other class-path entry with that package. A command is named after its type:
 * {@code LIST_DB_DIRECTORY} is {@code list-db-directory}.
 */
public final class CommandDiscovery {
    private static final String PACKAGE_PATH = "com/qorvath/db2command/";
    private static final String CLASS_PREFIX = "DB2Command";

    private CommandDiscovery() {}

    /**
     * Finds and names the command classes visible to a class loader.
     *
     * @param loader the loader to scan and load with
     * @return the classes by console name, sorted by name
     */
    public static Map<String, Class<? extends DB2Command>> discover(ClassLoader loader) {
        Set<String> classNames = new TreeSet<>();
        for (Path root : roots(loader)) {
            classNames.addAll(classNamesIn(root));
        }
        List<Class<?>> classes = new ArrayList<>();
        for (String className : classNames) {
            try {
                classes.add(Class.forName(className, false, loader));
            } catch (ClassNotFoundException | LinkageError e) {
                // Not loadable here: not a command we can run.
            }
        }
        return byName(classes);
    }

    /**
     * Lists the candidate class names in one class-path entry: top-level classes of the package
     * whose simple name starts with "DB2Command".
     *
     * @param root a jar file or a folder of classes
     * @return the fully qualified names; empty when the entry cannot be read
     */
    public static List<String> classNamesIn(Path root) {
        List<String> entries = new ArrayList<>();
        try {
            if (Files.isDirectory(root)) {
                Path folder = root.resolve(PACKAGE_PATH);
                if (Files.isDirectory(folder)) {
                    try (Stream<Path> files = Files.list(folder)) {
                        files.forEach(file -> entries.add(PACKAGE_PATH + file.getFileName()));
                    }
                }
            } else if (Files.isRegularFile(root)) {
                try (JarFile jar = new JarFile(root.toFile())) {
                    for (Enumeration<JarEntry> e = jar.entries(); e.hasMoreElements();) {
                        entries.add(e.nextElement().getName());
                    }
                }
            }
        } catch (IOException | UncheckedIOException e) {
            return Collections.emptyList();
        }
        List<String> names = new ArrayList<>();
        for (String entry : entries) {
            String simple = entry.startsWith(PACKAGE_PATH) && entry.endsWith(".class")
                    ? entry.substring(PACKAGE_PATH.length(), entry.length() - ".class".length())
                    : "";
            if (simple.startsWith(CLASS_PREFIX) && simple.indexOf('/') < 0
                    && simple.indexOf('$') < 0) {
                names.add(PACKAGE_PATH.replace('/', '.') + simple);
            }
        }
        return names;
    }

    /**
     * Keeps the runnable command classes and names them. A class is left out when it is not a
     * public concrete {@link DB2Command}, has no public constructor without arguments, cannot be
     * made, or has no type; when two classes have the same type, the first in the given order is
     * kept.
     *
     * @param classes candidate classes
     * @return the classes by console name, sorted by name
     */
    public static Map<String, Class<? extends DB2Command>> byName(Collection<Class<?>> classes) {
        Map<String, Class<? extends DB2Command>> named = new TreeMap<>();
        for (Class<?> candidate : classes) {
            Class<? extends DB2Command> command = runnable(candidate);
            String name = command == null ? null : consoleName(command);
            if (name != null) {
                named.putIfAbsent(name, command);
            }
        }
        return named;
    }

    private static Class<? extends DB2Command> runnable(Class<?> candidate) {
        int modifiers = candidate.getModifiers();
        if (!DB2Command.class.isAssignableFrom(candidate) || !Modifier.isPublic(modifiers)
                || Modifier.isAbstract(modifiers) || candidate.isInterface()) {
            return null;
        }
        try {
            candidate.getConstructor();
        } catch (NoSuchMethodException e) {
            return null;
        }
        return candidate.asSubclass(DB2Command.class);
    }

    /**
     * Returns a command class's console name, from its type.
     *
     * @param command the class
     * @return the name, or null when the class cannot be made or has no type
     */
    public static String consoleName(Class<? extends DB2Command> command) {
        try {
            EnumDB2CommandType type = command.getConstructor().newInstance().getType();
            return type == null ? null : consoleName(type.getName());
        } catch (ReflectiveOperationException | RuntimeException | LinkageError e) {
            return null;
        }
    }

    /**
     * Turns a type name into a console name.
     *
     * @param typeName such as "LIST_DB_DIRECTORY"
     * @return such as "list-db-directory"
     */
    public static String consoleName(String typeName) {
        return typeName.trim().toLowerCase(Locale.ROOT).replace('_', '-');
    }

    /** The jars and class folders that may hold command classes. */
    private static Set<Path> roots(ClassLoader loader) {
        Set<Path> roots = new LinkedHashSet<>();
        addCodeSource(roots, DB2Command.class.getProtectionDomain().getCodeSource());
        try {
            for (Enumeration<URL> urls = loader.getResources(PACKAGE_PATH);
                    urls.hasMoreElements();) {
                addPackageUrl(roots, urls.nextElement());
            }
        } catch (IOException e) {
            // The class path of this JVM still serves below.
        }
        for (String entry : System.getProperty("java.class.path", "").split(File.pathSeparator)) {
            if (!entry.isEmpty()) {
                roots.add(Paths.get(entry).toAbsolutePath().normalize());
            }
        }
        return roots;
    }

    private static void addCodeSource(Set<Path> roots, CodeSource source) {
        if (source != null && source.getLocation() != null) {
            addRoot(roots, source.getLocation());
        }
    }

    private static void addPackageUrl(Set<Path> roots, URL url) {
        try {
            if ("jar".equals(url.getProtocol())) {
                addRoot(roots, ((JarURLConnection) url.openConnection()).getJarFileURL());
            } else if ("file".equals(url.getProtocol())) {
                Path folder = Paths.get(url.toURI());
                Path root = folder.getParent().getParent().getParent();
                roots.add(root.toAbsolutePath().normalize());
            }
        } catch (IOException | URISyntaxException | RuntimeException e) {
            // An entry we cannot read holds no command we can find.
        }
    }

    private static void addRoot(Set<Path> roots, URL location) {
        if ("file".equals(location.getProtocol())) {
            try {
                roots.add(Paths.get(location.toURI()).toAbsolutePath().normalize());
            } catch (URISyntaxException | RuntimeException e) {
                // Not a local file: nothing to scan.
            }
        }
    }
}
