package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.console.Console;
import com.qorvath.db2command.console.ConsoleCommand;
import com.qorvath.db2command.console.VersionCommand;
import java.io.ByteArrayOutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.List;
import java.util.function.Supplier;
import org.junit.jupiter.api.Test;

/** The console's exit statuses and messages, with the native library played by the test. */
class JavaSideConsoleTest {
    private final ByteArrayOutputStream outBytes = new ByteArrayOutputStream();
    private final ByteArrayOutputStream errBytes = new ByteArrayOutputStream();
    private final Console console = new Console(print(outBytes), print(errBytes));

    private static PrintStream print(ByteArrayOutputStream bytes) {
        return new PrintStream(bytes, true, StandardCharsets.UTF_8);
    }

    private String out() {
        return outBytes.toString(StandardCharsets.UTF_8);
    }

    private String err() {
        return errBytes.toString(StandardCharsets.UTF_8);
    }

    private void versionFrom(Supplier<String> level) {
        console.register("version", new VersionCommand(level));
    }

    @Test
    void versionPrintsTheParsedAndTheRawLevel() {
        versionFrom(() -> "09074");
        assertEquals(0, console.run("version"));
        assertEquals("DB2 client version 9.7.4 (09074)\n", out());
        assertEquals("", err());
    }

    @Test
    void anUnreadableLevelOrALibraryThatCannotLoadFailsWithOneLine() {
        versionFrom(() -> "\0\0\0\0\0");
        assertEquals(1, console.run("version"));
        assertEquals("", out());
        assertEquals(1, err().lines().count(), err());
        errBytes.reset();
        versionFrom(() -> {
            throw new UnsatisfiedLinkError("cannot load the native library x.so:\n  no such file");
        });
        assertEquals(1, console.run("version"));
        assertEquals("tarvinex: cannot load the native library x.so: no such file\n", err());
        assertEquals("", out());
    }

    @Test
    void helpGoesToStandardOutputAndUsageErrorsToStandardErrorWithStatus2() {
        versionFrom(() -> "09074");
        assertEquals(0, console.run("--help"));
        assertTrue(out().startsWith("usage: "), out());
        assertTrue(out().contains("version"), out());
        assertEquals("", err());
        outBytes.reset();
        for (String[] args : List.of(new String[] {}, new String[] {"bogus"},
                new String[] {"version", "extra"}, new String[] {"--help", "version"})) {
            errBytes.reset();
            assertEquals(2, console.run(args), String.join(" ", args));
            assertTrue(err().contains("usage: "), err());
        }
        assertEquals("", out());
    }

    @Test
    void registeredCommandsReceiveTheirArguments() {
        console.register("echo", new ConsoleCommand() {
            @Override
            public String synopsis() {
                return "<text>...";
            }

            @Override
            public String description() {
                return "print the arguments";
            }

            @Override
            public int run(List<String> arguments, PrintStream out, PrintStream err) {
                out.println(String.join(",", arguments));
                return 0;
            }
        });
        assertEquals(0, console.run("echo", "a", "b"));
        assertEquals("a,b\n", out());
    }
}
