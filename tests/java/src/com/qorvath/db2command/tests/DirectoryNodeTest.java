package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandCatalogAPPCNode;
import com.qorvath.db2command.DB2CommandCatalogAPPNNode;
import com.qorvath.db2command.DB2CommandCatalogLocalNode;
import com.qorvath.db2command.DB2CommandCatalogNamedPipeNode;
import com.qorvath.db2command.DB2CommandCatalogNetBiosNode;
import com.qorvath.db2command.DB2CommandCatalogNode;
import com.qorvath.db2command.DB2CommandListNodeDirectory;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.DB2CommandUnCatalogNode;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2sim.Db2Sim;
import java.io.File;
import java.io.IOException;
import java.io.UncheckedIOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.sql.SQLException;
import java.util.Arrays;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.TimeUnit;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** The node directory commands on the stand-in: catalog per protocol, list, uncatalog. */
class DirectoryNodeTest extends Session {
    @BeforeEach
    void fresh() throws SQLException {
        Db2Sim.reset();
        oneBoxPerRun = true;
        context = new DB2CommandRuntimeContext();
        // The directory persists across resets: start each case from an empty one.
        for (List<String> row : list(false).getRows()) {
            assertTrue(run(uncatalog(row.get(0))));
        }
        context = new DB2CommandRuntimeContext();
    }

    @AfterEach
    void nothingLeftOpen() {
        assertEquals(0, Db2Sim.liveContexts(), "private contexts ended");
        assertEquals(0, Db2Sim.openScans(), "scans closed");
    }

    static String text(int length, char c) {
        return String.valueOf(c).repeat(length);
    }

    static DB2CommandCatalogNode tcpip(String name, String host, String service) {
        DB2CommandCatalogNode node = new DB2CommandCatalogNode();
        node.setName(name);
        node.setHostName(host);
        node.setService(service);
        return node;
    }

    static DB2CommandUnCatalogNode uncatalog(String name) {
        DB2CommandUnCatalogNode uncatalog = new DB2CommandUnCatalogNode();
        uncatalog.setNodeName(name);
        return uncatalog;
    }

    DB2APIDataContainer list(boolean detail) throws SQLException {
        DB2CommandListNodeDirectory list = new DB2CommandListNodeDirectory();
        list.setShowDetail(detail);
        assertTrue(run(list));
        return box;
    }

    /** The stand-in's stored record of a node: protocol, comment and the protocol fields. */
    static Map<String, String> stored(String node) {
        try (Stream<Path> files = Files.walk(Paths.get(Db2Sim.home()))) {
            Path file = files.filter(p -> p.getFileName().toString().equals("nodedirectory"))
                    .findFirst().orElseThrow();
            for (String line : Files.readAllLines(file)) {
                String[] fields = line.split("\t", -1);
                if (fields[0].equals(node)) {
                    Map<String, String> record = new HashMap<>();
                    record.put("protocol", fields[1]);
                    record.put("comment", fields[2]);
                    for (String field : Arrays.asList(fields).subList(3, fields.length)) {
                        int equals = field.indexOf('=');
                        record.put(field.substring(0, equals), field.substring(equals + 1));
                    }
                    return record;
                }
            }
        } catch (IOException e) {
            throw new UncheckedIOException(e);
        }
        throw new AssertionError("no node " + node + " stored");
    }

    /** Fails unless the node's stored record holds every "key=value" pair. */
    static void assertStored(String node, String... pairs) {
        Map<String, String> record = stored(node);
        for (String pair : pairs) {
            String[] kv = pair.split("=", 2);
            assertEquals(kv[1], record.get(kv[0]), node + " " + kv[0]);
        }
    }

    @Test
    void listingColumnsRowsAndWidths() throws SQLException {
        DB2APIDataContainer empty = list(false);
        assertEquals(List.of("node name", "entry type", "protocol", "hostname", "service name",
                "comment"), empty.getColumnNames());
        assertEquals(0, empty.getRowCount());
        assertNotNull(context.getWarningMessage(), "the empty directory is a warning");

        DB2CommandCatalogNode node = tcpip("remote1", "localhost", "50000");
        node.setComment("the test node");
        assertTrue(run(node));
        assertTrue(run(tcpip("N2345678", text(255, 'h'), text(14, 's'))));
        assertEquals(List.of(List.of("REMOTE1", "LOCAL", "TCP/IP", "localhost", "50000",
                "the test node"), List.of("N2345678", "LOCAL", "TCP/IP", text(255, 'h'),
                text(14, 's'), "")), list(false).getRows());
        DB2APIDataContainer detail = list(true);
        assertEquals(List.of("node name", "entry type", "protocol", "hostname", "service name",
                "comment", "Remote instance name", "System", "os type"), detail.getColumnNames());
        assertEquals("Unknown platform", detail.getValue(0, "os type"));
    }

    @Test
    void fetchEndingEarlyIsFalseAndAFailedFetchRaisesTheDb2TextBothClosingTheScan()
            throws SQLException {
        assertTrue(run(tcpip("early", "localhost", "50000")));
        Db2Sim.clearJournal();
        Db2Sim.injectWarning("sqlengne_api", 1014, "", 0);
        assertFalse(run(new DB2CommandListNodeDirectory()));
        assertEquals(0, box.getRowCount());
        assertEquals(1, Db2Sim.journal("sqlencls_api").length, "the scan was closed");
        Db2Sim.clearFaults();
        Db2Sim.injectError("sqlengne_api", -1092, "TEST", 0);
        String message = failure(new DB2CommandListNodeDirectory());
        Db2Sim.clearFaults();
        assertTrue(message.startsWith("SQL1092N"), message);
        assertEquals(2, Db2Sim.journal("sqlencls_api").length);
    }

    @Test
    void tcpipInputsAreCutToTheirFieldsAndTheProtocolCodeFollowsTheType() throws SQLException {
        DB2CommandCatalogNode node = tcpip("ABCDEFGHIJK", text(300, 'h'), text(20, 's'));
        node.setComment(text(40, 'c'));
        assertTrue(run(node));
        assertEquals(List.of("ABCDEFGH", "LOCAL", "TCP/IP", text(255, 'h'), text(14, 's'),
                text(30, 'c')), list(false).getRows().get(0));
        assertTrue(Db2Sim.journal("sqlectnd_api")[0].contains("struct_id=512"));
        assertEquals("3", stored("ABCDEFGH").get("protocol"), "a null node type is TCP/IP");

        node = tcpip("v4node", "localhost", "50000");
        node.setNodeType(DB2CommandCatalogNode.EnumNodeType.TCPIP4);
        assertTrue(run(node));
        assertEquals("9", stored("V4NODE").get("protocol"));
        assertEquals("UNKNOWN", list(false).getValue(1, "protocol"), "code 9 or more");
    }

    @Test
    void otherProtocolsCutTheirFieldsWhenStored() throws SQLException {
        DB2CommandCatalogNetBiosNode netbios = new DB2CommandCatalogNetBiosNode();
        netbios.setNodeName("netb1");
        netbios.setServerName("SERVER123456");
        netbios.setAdapterNumber(1);
        assertTrue(run(netbios));
        assertStored("NETB1", "protocol=1", "remote_nname=SERVER12", "adapter=1");
        DB2CommandCatalogLocalNode local = new DB2CommandCatalogLocalNode();
        local.setNodeName("loc1");
        local.setInstanceName("db2inst1andmore");
        assertTrue(run(local));
        assertStored("LOC1", "protocol=6", "instance_name=db2inst1");
        DB2CommandCatalogNamedPipeNode pipe = new DB2CommandCatalogNamedPipeNode();
        pipe.setNodeName("pipe1");
        pipe.setComputerName(text(20, 'k'));
        pipe.setInstanceName("db2inst1xyz");
        assertTrue(run(pipe));
        assertStored("PIPE1", "protocol=7", "computername=" + text(15, 'k'),
                "instance_name=db2inst1");

        DB2CommandCatalogLocalNode noInstance = new DB2CommandCatalogLocalNode();
        noInstance.setNodeName("loc2");
        String env = System.getenv("DB2INSTANCE");
        if (env == null || env.isEmpty()) {
            // Nothing to take: DB2 receives an empty instance name and refuses it.
            assertThrows(SQLException.class, () -> run(noInstance));
        } else {
            assertTrue(run(noInstance));
            assertStored("LOC2", "instance_name=" + env.substring(0, Math.min(8, env.length())));
        }
    }

    @Test
    void anOverLongDb2instanceIsCutToEight() throws Exception {
        Path dir = Files.createTempDirectory("nodes");
        Path out = dir.resolve("out.txt");
        ProcessBuilder builder = new ProcessBuilder(
                Paths.get(System.getProperty("java.home"), "bin", "java").toString(),
                "-Xcheck:jni", "-Djava.library.path=" + System.getProperty("java.library.path"),
                "-cp", location(DirectoryNodeChildMain.class) + File.pathSeparator
                        + location(DB2APIDataContainer.class),
                DirectoryNodeChildMain.class.getName());
        builder.environment().put("DB2INSTANCE", "db2inst1" + text(300, 'x'));
        builder.environment().put("DB2SIM_HOME", dir.resolve("home").toString());
        Process child = builder.redirectErrorStream(true).redirectOutput(out.toFile()).start();
        assertTrue(child.waitFor(120, TimeUnit.SECONDS), "child JVM did not finish");
        String output = Files.readString(out);
        assertEquals(0, child.exitValue(), output);
        assertTrue(output.contains("catalogued=true\ninstance_name=db2inst1\n"), output);
        assertFalse(output.contains("WARNING") || output.contains("FATAL"), output);
    }

    private static String location(Class<?> type) throws Exception {
        return Paths.get(type.getProtectionDomain().getCodeSource().getLocation().toURI())
                .toString();
    }

    /** The security type stored for an APPC (or APPN) node with these settings. */
    String security(boolean appn, Boolean security, Boolean none, Boolean same, Boolean program)
            throws SQLException {
        fresh();
        if (!appn) {
            DB2CommandCatalogAPPCNode node = new DB2CommandCatalogAPPCNode();
            node.setNodeName("appc1");
            node.setSymbDestName("DESTNAME99");
            node.setSecurity(security);
            node.setNone(none);
            node.setSame(same);
            node.setProgram(program);
            assertTrue(run(node));
            assertStored("APPC1", "protocol=4", "sym_dest_name=DESTNAME");
            return stored("APPC1").get("security_type");
        }
        DB2CommandCatalogAPPNNode node = new DB2CommandCatalogAPPNNode();
        node.setNodeName("appn1");
        node.setNetID("NETWORK99");
        node.setPartnerLu("PARTNER99");
        node.setLocalLu("LOCALLU99");
        node.setTpName(text(70, 't'));
        node.setLanAddress(text(14, 'a'));
        node.setChPwdLu("CHPWDLU99");
        node.setSecurity(security);
        node.setNone(none);
        node.setSame(same);
        node.setProgram(program);
        assertTrue(run(node));
        assertStored("APPN1", "protocol=2", "networkid=NETWORK9", "partner_lu=PARTNER9",
                "local_lu=LOCALLU9", "chgpwd_lu=CHPWDLU9", "transpn=" + text(64, 't'),
                "lanaddr=" + text(12, 'a'), "mode=");
        return stored("APPN1").get("security_type");
    }

    @Test
    void appcAndAppnSecurityRulesDiffer() throws SQLException {
        assertEquals("2", security(false, false, true, false, false), "appc: security off");
        assertEquals("2", security(false, true, true, false, true), "appc: program wins");
        assertEquals("0", security(false, true, true, false, false), "appc: none");
        assertEquals("1", security(false, true, false, false, false), "appc: nothing set: same");
        assertEquals("2", security(false, null, null, null, null), "appc: all null: off");
        assertEquals("0", security(true, true, true, true, false), "appn: none wins");
        assertEquals("1", security(true, true, false, true, false), "appn: same");
        assertEquals("2", security(true, true, false, false, false), "appn: nothing set: program");
        assertEquals("2", security(true, false, true, true, false), "appn: security off");
    }

    /** DB2 reads a name up to its first NUL and to 8 characters at most. */
    @Test
    void aNameDb2WouldReadShorterIsRefusedAndTheNodeStays() throws SQLException {
        assertTrue(run(tcpip("KEEPME", "localhost", "50000")));
        assertTrue(run(tcpip("KEEPNODE", "localhost", "50001")));
        Db2Sim.clearJournal();
        DB2CommandUnCatalogNode uncatalog = new DB2CommandUnCatalogNode();
        uncatalog.setNodeName("KEEPME\0-NOT");
        assertEquals("getNodeName" + HOLDS_NUL, failure(uncatalog));
        uncatalog.setNodeName("KEEPNODE9");
        assertEquals("Node name longer than 8 characters: KEEPNODE9", failure(uncatalog));
        assertEquals(0, Db2Sim.journal("sqleuncn_api").length);
        assertEquals(2, list(false).getRowCount());
    }

    @Test
    void catalogAndUncatalogRaiseDb2sErrors() throws SQLException {
        assertTrue(run(tcpip("twice", "localhost", "50000")));
        assertTrue(failure(tcpip("twice", "localhost", "50001")).startsWith("SQL1018N"));
        assertTrue(run(uncatalog("twice")));
        assertEquals(0, list(false).getRowCount());
        assertTrue(failure(uncatalog("twice")).startsWith("SQL1021N"));
        Db2Sim.clearJournal();
        failure(new DB2CommandUnCatalogNode());
        String[] calls = Db2Sim.journal("sqleuncn_api");
        assertEquals(1, calls.length, "an empty name is still passed");
        assertTrue(calls[0].contains("pNodeName=\"\""), calls[0]);
    }
}
