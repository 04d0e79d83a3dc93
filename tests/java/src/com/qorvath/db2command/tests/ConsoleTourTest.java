package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.console.Console;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.List;
import java.util.regex.Pattern;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/** The console on the real library and the stand-in, as a user runs it. */
class ConsoleTourTest {
    final ByteArrayOutputStream outBytes = new ByteArrayOutputStream();
    final ByteArrayOutputStream errBytes = new ByteArrayOutputStream();
    final Console console = Console.withStandardCommands(print(outBytes), print(errBytes));

    static PrintStream print(ByteArrayOutputStream bytes) {
        return new PrintStream(bytes, true, StandardCharsets.UTF_8);
    }

    String out() {
        return outBytes.toString(StandardCharsets.UTF_8);
    }

    String err() {
        return errBytes.toString(StandardCharsets.UTF_8);
    }

    static Path tour() {
        return Paths.get(System.getProperty("tarvinex.source", "."), "examples", "tour.txt");
    }

    /** The output of one echoed command: from its echo to the next one. */
    String section(String command) {
        String all = out();
        int start = all.indexOf(Console.PROMPT + command + "\n");
        assertTrue(start >= 0, "no \"" + command + "\" in:\n" + all);
        int end = all.indexOf(Console.PROMPT, start + 1);
        return all.substring(start, end < 0 ? all.length() : end);
    }

    @Test
    void theTourAttachesConnectsShowsTheContextAndLetsGo() {
        assertTrue(Files.isRegularFile(tour()), tour().toString());
        assertEquals(0, console.run("-f", tour().toString()), out() + err());
        assertEquals("", err());
        assertTrue(section("version").contains("DB2 client version "), out());
        String attach = section("attach");
        Pattern row = Pattern.compile("\nDB2 +LINUXX8664 +\\d\\d\\.\\d\\d\\.\\d\\d ");
        assertTrue(row.matcher(attach).find(), attach);
        assertTrue(attach.contains("\n1 record(s) selected.\n"), attach);
        assertTrue(section("connect Alias=SAMPLE")
                .contains("The connect command completed successfully."), out());
        String context = section("context");
        assertTrue(context.matches("(?s).*\nAttached +true\n.*"), context);
        assertTrue(context.matches("(?s).*\nConnected +true\n.*"), context);
        assertTrue(context.matches("(?s).*\nDatabaseAlias +SAMPLE\n.*"), context);
        assertTrue(section("disconnect").contains("The disconnect command completed successfully."),
                out());
        assertTrue(section("detach").contains("The detach command completed successfully."),
                out());
        String nodes = section("list-node-directory ShowDetail=true");
        assertTrue(Pattern.compile("\nTOURNODE +LOCAL +TCP/IP +localhost +50000 +the tour's node +"
                + "Unknown platform\n").matcher(nodes).find(), nodes);
        String databases = section("list-db-directory");
        assertTrue(Pattern.compile("\nTOURDB +SAMPLE +TOURNODE .* REMOTE ").matcher(databases)
                .find(), databases);
        assertTrue(section("attach NodeName=TOURNODE").contains("\n1 record(s) selected.\n"),
                out());
        assertTrue(section("uncatalog-node NodeName=TOURNODE")
                .contains("The uncatalog-node command completed successfully."), out());
        String snapshot = section("snapshot Type=DATABASE Object=SAMPLE");
        assertTrue(Pattern.compile("SAMPLE: \\d+ bytes\n\ncollected\n").matcher(snapshot).find(),
                snapshot);
        assertTrue(Pattern.compile("\ncollected/dbase\ndb_name .* lock_waits .*\n-+ .*\n"
                + "SAMPLE +SAMPLE +").matcher(snapshot).find(), snapshot);
        assertTrue(section("force-application")
                .contains("The force-application command completed successfully."), out());
        assertTrue(section("listhistory DbAlias=SAMPLE HistoryOptionValue=1")
                .contains("\n1 record(s) selected.\n"), out());
        assertTrue(Pattern.compile("\nState +rollforward_not_pending\n")
                .matcher(section("rollforward DbAlias=TOURCOPY RollforwardOptionValue=STOP"))
                .find(), out());
        String loadQuery = section("loadquery TableName=DB2INST1.STAFF");
        assertTrue(Pattern.compile("\nNormal +None +35 +0 +35 +35 +0 +0 ").matcher(loadQuery)
                .find(), loadQuery);
        assertTrue(!console.context().isAttached() && !console.context().isConnected());
    }

    /** Under --json the snapshot is one JSON value, the decoded stream, beside the result. */
    @Test
    void aSnapshotUnderJsonIsOneJsonValue() {
        assertEquals(0, console.run("--json", "snapshot", "Type=DATABASE_MANAGER"), err());
        String line = out();
        assertTrue(line.startsWith("{\"command\":\"snapshot\",\"ok\":true,"), line);
        assertTrue(Pattern.compile(",\"output\":\\[\\],\"data\":\\{\"collected\":\\{.*"
                + "\"db2\":\\{\"db2_status\":0,.*\"switch_list\":\\{\"uow_sw\":\\{"
                + "\"output_state\":0\\}").matcher(line).find(), line);
        assertEquals(1, line.lines().count());
    }

    @Test
    void aDb2ErrorGoesToStandardErrorAndStopsTheFile(@TempDir Path dir) throws IOException {
        Path file = Files.write(dir.resolve("bad.txt"),
                List.of("attach UserId=nobody Password=wrong", "detach"));
        assertEquals(1, console.run("-f", file.toString()));
        assertTrue(err().startsWith("SQL30082N"), err());
        assertTrue(out().contains("db2 => attach UserId=nobody Password=********\n"), out());
        assertTrue(!out().contains("wrong") && !out().contains("db2 => detach"), out());
        outBytes.reset();
        errBytes.reset();
        assertEquals(1, console.run("--json", "detach"));
        assertEquals("{\"command\":\"detach\",\"ok\":false,\"columns\":[],\"rows\":[],"
                + "\"warnings\":[],\"output\":[],\"error\":\"The detach command failed.\"}\n",
                out());
    }
}
