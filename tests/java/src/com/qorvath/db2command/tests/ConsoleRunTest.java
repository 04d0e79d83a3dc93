package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTimeoutPreemptively;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.EnumDB2CommandType;
import com.qorvath.db2command.console.Console;
import com.qorvath.db2command.console.Json;
import com.qorvath.db2command.console.LineSource;
import com.qorvath.db2command.util.DB2APIDataContainer;
import java.io.BufferedReader;
import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.PrintStream;
import java.io.StringReader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.sql.SQLException;
import java.time.Duration;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The console's lines, output, JSON and exit statuses, with the native library played by the
 * test: the probe command's parameters tell the played library what to do. One test runs the
 * console in a JVM of its own on the real library.
 */
class ConsoleRunTest {
    /** A Java enum parameter, listed by help. */
    public enum Shape { WIDE, NARROW }

    /** The command the played library serves; its parameters script the outcome. */
    public static class Probe extends DB2Command {
        String alias = "";
        int rows;
        boolean fail;
        String error;
        List<String> warnings = List.of();
        Map<String, String> settings = Map.of();
        Shape shape;

        @Override
        public EnumDB2CommandType getType() {
            return EnumDB2CommandType.LIST_DB_DIRECTORY;
        }

        public void setAlias(String value) { alias = value; }
        public void setRows(int value) { rows = value; }
        public void setFail(boolean value) { fail = value; }
        public void setError(String value) { error = value; }
        public void setWarnings(List<String> value) { warnings = value; }
        public void setSettings(Map<String, String> value) { settings = value; }
        public void setShape(Shape value) { shape = value; }
    }

    /** A command without parameters or columns. */
    public static class Quiet extends DB2Command {
        @Override
        public EnumDB2CommandType getType() {
            return EnumDB2CommandType.DETACH;
        }
    }

    final ByteArrayOutputStream outBytes = new ByteArrayOutputStream();
    final ByteArrayOutputStream errBytes = new ByteArrayOutputStream();
    final Console console = new Console(print(outBytes), print(errBytes));
    final List<String> ran = new ArrayList<>();

    static PrintStream print(ByteArrayOutputStream bytes) {
        return new PrintStream(bytes, true, StandardCharsets.UTF_8);
    }

    String out() {
        return outBytes.toString(StandardCharsets.UTF_8);
    }

    String err() {
        return errBytes.toString(StandardCharsets.UTF_8);
    }

    @BeforeEach
    void playTheLibrary() {
        assertEquals("list-db-directory", console.addDB2Command(Probe.class));
        assertEquals("detach", console.addDB2Command(Quiet.class));
        console.setExecutor(this::execute);
    }

    boolean execute(DB2Command command, DB2CommandRuntimeContext context,
            DB2APIDataContainer box) throws SQLException {
        ran.add(command.getType().getName() + " node " + context.getAttachNodeId());
        if (!(command instanceof Probe)) {
            return true;
        }
        Probe probe = (Probe) command;
        probe.warnings.forEach(context::setWarningMessage);
        if (probe.error != null) {
            throw new SQLException(probe.error + "\n");
        }
        box.addColumn("ALIAS");
        box.addColumn("N");
        for (int i = 0; i < probe.rows; i++) {
            box.newRow();
            box.setColumnValue(1, probe.alias);
            box.setColumnValue(2, Integer.toString(i));
        }
        return !probe.fail;
    }

    Path script(Path dir, String... lines) throws IOException {
        return Files.write(dir.resolve("script.txt"), List.of(lines), StandardCharsets.UTF_8);
    }

    @Test
    void aResultIsATableWithItsCountAndThenItsWarningsAndNoColumnsMeansCompleted() {
        assertEquals(0, console.run("list-db-directory", "Alias=my db", "Rows=2",
                "Warnings=SQL1001W  first.,SQL1002W  second."));
        assertEquals("ALIAS  N\n-----  -\nmy db  0\nmy db  1\n\n2 record(s) selected.\n"
                + "SQL1001W  first.\nSQL1002W  second.\n", out());
        assertEquals(0, console.run("list-db-directory", "Rows=0"));
        assertTrue(out().endsWith("\n0 record(s) selected.\n"), out());
        outBytes.reset();
        assertEquals(0, console.run("DETACH"));
        assertEquals("The detach command completed successfully.\n", out());
        assertEquals("", err());
    }

    @Test
    void failuresGoToStandardErrorWithStatus1() {
        assertEquals(1, console.run("list-db-directory", "Error=SQL1013N  No such alias."));
        assertEquals("SQL1013N  No such alias.\n", err());
        errBytes.reset();
        assertEquals(1, console.run("list-db-directory", "Fail=true"));
        assertEquals("The list-db-directory command failed.\n", err());
        errBytes.reset();
        console.setExecutor((command, context, box) -> {
            throw new UnsatisfiedLinkError("cannot load the native library x.so:\n  gone");
        });
        assertEquals(1, console.run("detach"));
        assertEquals("tarvinex: cannot load the native library x.so: gone\n", err());
    }

    @Test
    void usageErrorsHaveStatus2AndSuggestions() {
        assertEquals(2, console.run("list-db-directry"));
        assertTrue(err().contains(
                "unknown command list-db-directry; did you mean list-db-directory"), err());
        errBytes.reset();
        assertEquals(2, console.run("list-db-directory", "Rows=many"));
        assertTrue(err().startsWith("tarvinex: bad value for Rows: \"many\""), err());
        errBytes.reset();
        assertEquals(2, console.run("list-db-directory", "Shape=round"));
        assertTrue(err().contains("\"round\" is not one of WIDE, NARROW"), err());
        assertEquals(List.of(), ran);
    }

    @Test
    void aFileEchoesEachCommandAndStopsAtTheFirstFailure(@TempDir Path dir) throws IOException {
        Path file = script(dir, "# a comment", "", "  detach   # trailing comment",
                "list-db-directory Fail=true", "detach");
        assertEquals(1, console.run("-f", file.toString()));
        assertEquals("db2 => detach   # trailing comment\n"
                + "The detach command completed successfully.\n\n"
                + "db2 => list-db-directory Fail=true\n\n", out());
        assertEquals("The list-db-directory command failed.\n", err());
        assertEquals(2, ran.size());
        ran.clear();
        assertEquals(1, console.run("--keep-going", "-f", file.toString()));
        assertEquals(3, ran.size());
    }

    @Test
    void theWorstStatusWinsAndQuitStopsReading(@TempDir Path dir) throws IOException {
        Path file = script(dir, "list-db-directory Fail=true", "bogus \"", "detach", "quit",
                "detach");
        assertEquals(2, console.run("-k", "-f", file.toString()));
        assertEquals(2, ran.size());
        assertTrue(err().contains("unterminated"), err());
    }

    @Test
    void oneContextServesTheWholeRun(@TempDir Path dir) throws IOException {
        Path file = script(dir, "detach", "context AttachNodeId=3 DatabaseConnectionPassword=s3",
                "detach", "context");
        assertEquals(0, console.run("-f", file.toString()));
        assertEquals(List.of("DETACH node -1", "DETACH node 3"), ran);
        assertTrue(out().contains("AttachNodeId = 3\n"), out());
        assertTrue(out().matches("(?s).*\nAttachNodeId +3\n.*"), out());
        assertTrue(out().matches("(?s).*\nDatabaseConnectionPassword +\\*+\n.*"), out());
        assertTrue(out().contains("db2 => context AttachNodeId=3 DatabaseConnectionPassword=****"),
                out());
        assertFalse(out().contains("s3"), out());
        assertEquals(3, console.context().getAttachNodeId());
        assertEquals(2, console.run("context", "InstanceConnectionContext=5"));
        assertTrue(err().contains("unknown parameter InstanceConnectionContext"), err());
        assertEquals(0, console.context().getInstanceConnectionContext());
    }

    @Test
    void jsonGivesOneObjectPerCommandAndNothingElse(@TempDir Path dir) throws IOException {
        Path file = script(dir, "# c", "list-db-directory Alias='a\"b' Rows=1 Warnings=w",
                "list-db-directory Error=\"SQL1013N\\tbad\"");
        assertEquals(1, console.run("--json", "-f", file.toString()));
        assertEquals("{\"command\":\"list-db-directory\",\"ok\":true,\"columns\":[\"ALIAS\",\"N\"],"
                + "\"rows\":[[\"a\\\"b\",\"0\"]],\"warnings\":[\"w\"],\"output\":[],"
                + "\"error\":null}\n"
                + "{\"command\":\"list-db-directory\",\"ok\":false,\"columns\":[],"
                + "\"rows\":[],\"warnings\":[],\"output\":[],\"error\":\"SQL1013N\\tbad\"}\n",
                out());
        assertEquals("", err());
    }

    @Test
    void jsonEscapesEverythingThatCouldBreakALine() {
        assertEquals("\"q\\\" b\\\\ n\\n r\\r t\\t \\u0001 \\u001f \\u2028 \\ud800 "
                        + "\uD83D\uDE00 é \\u007f \\u009b \\u202e\"",
                Json.string("q\" b\\ n\n r\r t\t \u0001 \u001f \u2028 \ud800 \uD83D\uDE00 é"
                        + " \u007f \u009b \u202e"));
        assertEquals("null", Json.string(null));
        assertEquals("[\"a\",null]", Json.array(java.util.Arrays.asList("a", null)));
    }

    @Test
    void helpListsCommandsAndParametersByReflection() {
        assertEquals(0, console.run("help"));
        assertTrue(out().contains("  list-db-directory          Alias Error Fail Rows Settings"
                + " Shape Warnings\n"), out());
        assertTrue(out().contains("  detach\n"), out());
        assertTrue(out().contains("  context [Name=value ...]"), out());
        outBytes.reset();
        assertEquals(0, console.run("help", "LIST_DB_DIRECTORY"));
        String help = out();
        assertTrue(help.startsWith("list-db-directory: runs Probe with these Name=value"), help);
        assertTrue(help.contains("\nRows       integer\n"), help);
        assertTrue(help.contains("\nSettings   map of text to text (K=v,K=v,...)\n"), help);
        assertTrue(help.contains("\nShape      one of: WIDE, NARROW\n"), help);
        assertTrue(help.contains("\nWarnings   list of text (a,b,...)\n"), help);
        outBytes.reset();
        assertEquals(0, console.run("help", "context"));
        assertTrue(out().contains("AttachNodeId"), out());
        assertEquals(2, console.run("help", "lst-db-directory"));
        assertTrue(err().contains("did you mean list-db-directory"), err());
    }

    @Test
    void aTerminalGetsAPromptAndKeepsGoingAfterAFailure() {
        String typed = "list-db-directory Fail=true\ndetach\nexit\ndetach\n";
        console.setStandardInput(
                LineSource.of(new BufferedReader(new StringReader(typed)), print(outBytes)), true);
        assertEquals(0, console.run());
        assertEquals(2, ran.size());
        assertEquals("db2 => \ndb2 => The detach command completed successfully.\n\ndb2 => ",
                out());
        assertEquals("The list-db-directory command failed.\n", err());
    }
    @Test
    void aLongUnknownWordIsAnsweredAtOnce() {
        String word = "x".repeat(1 << 20);
        assertTimeoutPreemptively(Duration.ofSeconds(20), () -> {
            assertEquals(2, console.run(word));
            assertEquals(2, console.run("list-db-directory", word + "=1"));
            assertEquals(2, console.run("--" + " ".repeat(1 << 20) + "x"));
        });
        assertTrue(err().startsWith("tarvinex: unknown command xxx"), err().substring(0, 80));
        assertTrue(err().contains("tarvinex: unknown parameter xxx"));
        assertTrue(err().contains("tarvinex: unknown option -- "));
        assertEquals(List.of(), ran);
    }

    @Test
    void controlCharactersReachingTheOutputAreEscaped(@TempDir Path dir) throws IOException {
        Path file = script(dir, "list-db-directory Rows=1 Alias=a\u001b[31mb",
                "list-db-directory Error=\"SQL1013N  \u009b2J\\rx\"", "bo\u0007gus\u202e");
        assertEquals(2, console.run("-k", "-f", file.toString()));
        String all = out() + err();
        assertTrue(all.chars().noneMatch(c -> c != '\n' && Character.isISOControl(c)), all);
        assertFalse(all.contains("\u202e"), all);
        assertTrue(out().contains("db2 => list-db-directory Rows=1 Alias=a\\u001b[31mb\n"), out());
        assertTrue(out().contains("\na\\u001b[31mb  0\n"), out());
        assertEquals("SQL1013N  \\u009b2J\\u000dx\n"
                + "tarvinex: unknown command bo\\u0007gus\\u202e; 'help' lists the commands\n",
                err());
    }

    /** Runs the played console on bytes given as a file and then as standard input. */
    @Test
    void aFileAndStandardInputReadTheSameBytesAlike(@TempDir Path dir) throws IOException {
        byte[] bytes = "detach\nlist-db-directory Alias=\u00ff\n# caf\u00e9\ndetach\r\n"
                .getBytes(StandardCharsets.ISO_8859_1);
        Path file = Files.write(dir.resolve("latin1.txt"), bytes);
        assertEquals(2, console.run("-k", "-f", file.toString()));
        assertEquals("db2 => detach\nThe detach command completed successfully.\n\n"
                + "db2 => list-db-directory Alias=\ufffd\n\n"
                + "db2 => detach\nThe detach command completed successfully.\n\n", out());
        assertEquals("tarvinex: line 2 is not valid UTF-8\n", err());
        String fileOut = out();
        String fileErr = err();
        InputStream standardInput = System.in;
        System.setIn(new ByteArrayInputStream(bytes));
        try {
            outBytes.reset();
            errBytes.reset();
            Console piped = new Console(print(outBytes), print(errBytes));
            piped.addDB2Command(Probe.class);
            piped.addDB2Command(Quiet.class);
            piped.setExecutor(this::execute);
            assertEquals(2, piped.run("-k", "-f", "-"));
        } finally {
            System.setIn(standardInput);
        }
        assertEquals(fileOut, out());
        assertEquals(fileErr, err());
        assertEquals(4, ran.size());
    }

    /**
     * The console as its launcher runs it, in a JVM of its own on the real library and the
     * stand-in: with the library's diagnostic lines switched off, a failure shows once and
     * standard output holds only the result.
     */
    @Test
    void eachFailureShowsOnceAndJsonIsAllThatIsPrinted(@TempDir Path dir) throws Exception {
        String[] plain = consoleProcess(dir, "attach", "NodeName=NOPE");
        assertEquals("1", plain[0], plain[1] + plain[2]);
        assertEquals("", plain[1]);
        assertTrue(plain[2].startsWith("SQL") && plain[2].lines().count() == 1, plain[2]);
        String[] json = consoleProcess(dir, "--json", "attach", "NodeName=NOPE");
        assertEquals("1", json[0], json[1] + json[2]);
        assertEquals("", json[2]);
        assertEquals("{\"command\":\"attach\",\"ok\":false,\"columns\":[],\"rows\":[],"
                + "\"warnings\":[],\"output\":[],\"error\":"
                + Json.string(plain[2].stripTrailing()) + "}\n", json[1]);
    }

    /** Runs the console's main in a child JVM: {exit status, standard output, standard error}. */
    static String[] consoleProcess(Path dir, String... args) throws Exception {
        Path out = dir.resolve("out.txt");
        Path err = dir.resolve("err.txt");
        List<String> command = new ArrayList<>(List.of(
                Path.of(System.getProperty("java.home"), "bin", "java").toString(), "-Xcheck:jni",
                "-Djava.library.path=" + System.getProperty("java.library.path"), "-cp",
                Path.of(Console.class.getProtectionDomain().getCodeSource().getLocation().toURI())
                        .toString(),
                Console.class.getName()));
        command.addAll(List.of(args));
        ProcessBuilder builder = new ProcessBuilder(command);
        builder.environment().put("TARVINEX_DIAGNOSTICS", "off");
        builder.environment().put("DB2SIM_HOME", dir.resolve("home").toString());
        Process child = builder.redirectOutput(out.toFile()).redirectError(err.toFile()).start();
        assertTrue(child.waitFor(120, TimeUnit.SECONDS), "child JVM did not finish");
        return new String[] {Integer.toString(child.exitValue()),
            Files.readString(out), Files.readString(err)};
    }
}
