package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.EnumDB2CommandType;
import com.qorvath.db2command.console.CommandDiscovery;
import java.io.IOException;
import java.io.OutputStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.List;
import java.util.Map;
import java.util.TreeSet;
import java.util.jar.JarEntry;
import java.util.jar.JarOutputStream;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/** Which classes become console commands, and under which names. */
class ConsoleDiscoveryTest {
    /** A command with a type of several words. */
    public static class ListDirectory extends DB2Command {
        @Override
        public EnumDB2CommandType getType() {
            return EnumDB2CommandType.LIST_DB_DIRECTORY;
        }
    }

    /** A second class of the same type: the first one given wins. */
    public static class ListDirectoryAgain extends ListDirectory {}

    /** Cannot be made. */
    public abstract static class Abstract extends DB2Command {}

    /** Needs an argument to be made. */
    public static class NeedsArgument extends DB2Command {
        public NeedsArgument(int code) {}

        @Override
        public EnumDB2CommandType getType() {
            return EnumDB2CommandType.ATTACH;
        }
    }

    /** Not public. */
    static class Hidden extends DB2Command {
        @Override
        public EnumDB2CommandType getType() {
            return EnumDB2CommandType.DETACH;
        }
    }

    /** Has no type. */
    public static class Typeless extends DB2Command {
        @Override
        public EnumDB2CommandType getType() {
            return null;
        }
    }

    /** Fails when made. */
    public static class Broken extends DB2Command {
        public Broken() {
            throw new IllegalStateException("broken");
        }

        @Override
        public EnumDB2CommandType getType() {
            return EnumDB2CommandType.BIND;
        }
    }

    @Test
    void namesComeFromTheTypeAndOnlyRunnableCommandsAreKept() {
        Map<String, Class<? extends DB2Command>> named = CommandDiscovery.byName(List.of(
                String.class, Abstract.class, NeedsArgument.class, Hidden.class, Typeless.class,
                Broken.class, ListDirectory.class, ListDirectoryAgain.class));
        assertEquals(Map.of("list-db-directory", ListDirectory.class), named);
        assertEquals("attach", CommandDiscovery.consoleName("ATTACH"));
        assertEquals("set-util-impact-priority",
                CommandDiscovery.consoleName("SET_UTIL_IMPACT_PRIORITY"));
        assertNull(CommandDiscovery.consoleName(Typeless.class));
    }

    static final List<String> ENTRIES = List.of("com/qorvath/db2command/",
            "com/qorvath/db2command/DB2Command.class",
            "com/qorvath/db2command/DB2CommandAttach.class",
            "com/qorvath/db2command/DB2CommandBackupDB$EnumAction.class",
            "com/qorvath/db2command/DB2CommandBackupDB.class",
            "com/qorvath/db2command/EnumDB2CommandType.class",
            "com/qorvath/db2command/util/DB2CommandHelper.class",
            "com/qorvath/db2command/DB2CommandNotes.txt", "other/DB2CommandElsewhere.class");

    static final List<String> CANDIDATES = List.of("com.qorvath.db2command.DB2Command",
            "com.qorvath.db2command.DB2CommandAttach", "com.qorvath.db2command.DB2CommandBackupDB");

    @Test
    void aJarIsScannedForTopLevelCommandClassesOfThePackage(@TempDir Path dir)
            throws IOException {
        Path jar = dir.resolve("commands.jar");
        try (JarOutputStream out = new JarOutputStream(Files.newOutputStream(jar))) {
            for (String entry : ENTRIES) {
                out.putNextEntry(new JarEntry(entry));
                out.closeEntry();
            }
        }
        assertEquals(CANDIDATES, List.copyOf(new TreeSet<>(
                CommandDiscovery.classNamesIn(jar))));
    }

    @Test
    void aClassFolderIsScannedTheSameWay(@TempDir Path dir) throws IOException {
        for (String entry : ENTRIES) {
            Path file = dir.resolve(entry);
            Files.createDirectories(file.getParent());
            if (!entry.endsWith("/")) {
                try (OutputStream out = Files.newOutputStream(file)) {
                    out.write(0);
                }
            }
        }
        assertEquals(CANDIDATES, List.copyOf(new TreeSet<>(
                CommandDiscovery.classNamesIn(dir))));
        assertEquals(List.of(), CommandDiscovery.classNamesIn(dir.resolve("missing.jar")));
    }

    @Test
    void theClassPathOfThisRunYieldsTheShippedCommands() {
        Map<String, Class<? extends DB2Command>> found =
                CommandDiscovery.discover(Thread.currentThread().getContextClassLoader());
        assertFalse(found.isEmpty());
        for (Map.Entry<String, Class<? extends DB2Command>> entry : found.entrySet()) {
            Class<? extends DB2Command> type = entry.getValue();
            assertTrue(type.getSimpleName().startsWith("DB2Command"), type.getName());
            assertEquals(entry.getKey(), CommandDiscovery.consoleName(type));
        }
        assertEquals("com.qorvath.db2command.DB2CommandAttach", found.get("attach").getName());
    }
}
