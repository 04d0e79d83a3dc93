package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

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
import org.junit.jupiter.api.Nested;
import org.junit.jupiter.api.Test;

/** The node directory commands on the stand-in: catalog per protocol, list, uncatalog. */
class DirectoryNodeTest extends Session {
    @BeforeEach
    void fresh() throws SQLException {
        Db2Sim.reset();
        oneBoxPerRun = true;
        context = new DB2CommandRuntimeContext();
        clearNodes();
        context = new DB2CommandRuntimeContext();
    }

    /** The directory persists across resets: start each case from an empty one. */
    void clearNodes() throws SQLException {
        for (List<String> row : list(false).getRows()) {
            DB2CommandUnCatalogNode uncatalog = new DB2CommandUnCatalogNode();
            uncatalog.setNodeName(row.get(0));
            assertTrue(run(uncatalog));
        }
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

    @Nested
    class Listing {
        @Test
        void anEmptyDirectoryGivesSixColumnsNoRowsAndAWarning() throws SQLException {
            DB2APIDataContainer result = list(false);
            assertEquals(List.of("node name", "entry type", "protocol", "hostname", "service name",
                    "comment"), result.getColumnNames());
            assertEquals(0, result.getRowCount());
            assertNotNull(context.getWarningMessage(), "the empty directory is a warning");
        }

        @Test
        void aTcpipNodeListsItsFieldsWithSixOrNineColumns() throws SQLException {
            DB2CommandCatalogNode node = tcpip("remote1", "localhost", "50000");
            node.setComment("the test node");
            assertTrue(run(node));
            DB2APIDataContainer plain = list(false);
            assertEquals(List.of(List.of("REMOTE1", "LOCAL", "TCP/IP", "localhost", "50000",
                    "the test node")), plain.getRows());
            DB2APIDataContainer detail = list(true);
            assertEquals(List.of("node name", "entry type", "protocol", "hostname",
                    "service name", "comment", "Remote instance name", "System", "os type"),
                    detail.getColumnNames());
            assertEquals("Unknown platform", detail.getValue(0, "os type"));
        }

        @Test
        void fullWidthFieldsComeBackWhole() throws SQLException {
            assertTrue(run(tcpip("N2345678", text(255, 'h'), text(14, 's'))));
            DB2APIDataContainer result = list(false);
            assertEquals("N2345678", result.getValue(0, "node name"));
            assertEquals(text(255, 'h'), result.getValue(0, "hostname"));
            assertEquals(text(14, 's'), result.getValue(0, "service name"));
        }

        @Test
        void aProtocolCodeOfNineOrMoreListsUnknown() throws SQLException {
            DB2CommandCatalogNode node = tcpip("v4node", "localhost", "50000");
            node.setNodeType(DB2CommandCatalogNode.EnumNodeType.TCPIP4);
            assertTrue(run(node));
            assertEquals("UNKNOWN", list(false).getValue(0, "protocol"));
            assertEquals("9", stored("V4NODE").get("protocol"));
        }

        @Test
        void anEarlyEndOfScanIsFalseWithoutAnExceptionAndClosesTheScan() throws SQLException {
            assertTrue(run(tcpip("early", "localhost", "50000")));
            Db2Sim.clearJournal();
            Db2Sim.injectWarning("sqlengne_api", 1014, "", 0);
            try {
                assertFalse(run(new DB2CommandListNodeDirectory()));
            } finally {
                Db2Sim.clearFaults();
            }
            assertEquals(0, box.getRowCount());
            assertEquals(1, Db2Sim.journal("sqlencls_api").length, "the scan was closed");
        }

        @Test
        void aFailedFetchRaisesTheDb2TextAndStillClosesTheScan() throws SQLException {
            assertTrue(run(tcpip("broken", "localhost", "50000")));
            Db2Sim.clearJournal();
            Db2Sim.injectError("sqlengne_api", -1092, "TEST", 0);
            try {
                SQLException e = assertThrows(SQLException.class,
                        () -> run(new DB2CommandListNodeDirectory()));
                assertTrue(e.getMessage().startsWith("SQL1092N"), e.getMessage());
            } finally {
                Db2Sim.clearFaults();
            }
            assertEquals(1, Db2Sim.journal("sqlencls_api").length);
        }
    }

    @Nested
    class Catalog {
        @Test
        void overLongTcpipInputsAreCutToTheirFields() throws SQLException {
            DB2CommandCatalogNode node =
                    tcpip("ABCDEFGHIJK", text(300, 'h'), text(20, 's'));
            node.setComment(text(40, 'c'));
            assertTrue(run(node));
            DB2APIDataContainer result = list(false);
            assertEquals("ABCDEFGH", result.getValue(0, "node name"));
            assertEquals(text(255, 'h'), result.getValue(0, "hostname"));
            assertEquals(text(14, 's'), result.getValue(0, "service name"));
            assertEquals(text(30, 'c'), result.getValue(0, "comment"));
        }

        @Test
        void aNullNodeTypeCatalogsTcpip() throws SQLException {
            assertTrue(run(tcpip("plain", "localhost", "50000")));
            assertTrue(Db2Sim.journal("sqlectnd_api")[0].contains("struct_id=512"));
            assertEquals("3", stored("PLAIN").get("protocol"));
        }

        @Test
        void netBiosCutsTheServerNameAndPassesTheAdapter() throws SQLException {
            DB2CommandCatalogNetBiosNode node = new DB2CommandCatalogNetBiosNode();
            node.setNodeName("netb1");
            node.setServerName("SERVER123456");
            node.setAdapterNumber(1);
            assertTrue(run(node));
            Map<String, String> record = stored("NETB1");
            assertEquals("1", record.get("protocol"));
            assertEquals("SERVER12", record.get("remote_nname"));
            assertEquals("1", record.get("adapter"));
        }

        @Test
        void localUsesTheGivenInstanceCutToEight() throws SQLException {
            DB2CommandCatalogLocalNode node = new DB2CommandCatalogLocalNode();
            node.setNodeName("loc1");
            node.setInstanceName("db2inst1andmore");
            assertTrue(run(node));
            assertEquals("6", stored("LOC1").get("protocol"));
            assertEquals("db2inst1", stored("LOC1").get("instance_name"));
        }

        @Test
        void localWithoutAnInstanceTakesDb2instance() throws SQLException {
            DB2CommandCatalogLocalNode node = new DB2CommandCatalogLocalNode();
            node.setNodeName("loc2");
            String env = System.getenv("DB2INSTANCE");
            if (env == null || env.isEmpty()) {
                // Nothing to take: DB2 receives an empty instance name and refuses it.
                assertThrows(SQLException.class, () -> run(node));
                return;
            }
            assertTrue(run(node));
            assertEquals(env.substring(0, Math.min(8, env.length())),
                    stored("LOC2").get("instance_name"));
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

        private String location(Class<?> type) throws Exception {
            return Paths.get(type.getProtectionDomain().getCodeSource().getLocation().toURI())
                    .toString();
        }

        @Test
        void namedPipeCutsComputerAndInstance() throws SQLException {
            DB2CommandCatalogNamedPipeNode node = new DB2CommandCatalogNamedPipeNode();
            node.setNodeName("pipe1");
            node.setComputerName(text(20, 'k'));
            node.setInstanceName("db2inst1xyz");
            assertTrue(run(node));
            Map<String, String> record = stored("PIPE1");
            assertEquals("7", record.get("protocol"));
            assertEquals(text(15, 'k'), record.get("computername"));
            assertEquals("db2inst1", record.get("instance_name"));
        }

        String appcSecurity(Boolean security, Boolean none, Boolean same, Boolean program)
                throws SQLException {
            clearNodes();
            DB2CommandCatalogAPPCNode node = new DB2CommandCatalogAPPCNode();
            node.setNodeName("appc1");
            node.setSymbDestName("DESTNAME99");
            node.setSecurity(security);
            node.setNone(none);
            node.setSame(same);
            node.setProgram(program);
            assertTrue(run(node));
            Map<String, String> record = stored("APPC1");
            assertEquals("4", record.get("protocol"));
            assertEquals("DESTNAME", record.get("sym_dest_name"));
            return record.get("security_type");
        }

        @Test
        void appcSecurityRules() throws SQLException {
            assertEquals("2", appcSecurity(false, true, false, false), "security off");
            assertEquals("2", appcSecurity(true, true, false, true), "program wins");
            assertEquals("0", appcSecurity(true, true, false, false), "none");
            assertEquals("1", appcSecurity(true, false, false, false), "nothing set: same");
            assertEquals("2", appcSecurity(null, null, null, null), "all null: security off");
        }

        String appnSecurity(Boolean security, Boolean none, Boolean same, Boolean program)
                throws SQLException {
            clearNodes();
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
            Map<String, String> record = stored("APPN1");
            assertEquals("2", record.get("protocol"));
            assertEquals("NETWORK9", record.get("networkid"));
            assertEquals("PARTNER9", record.get("partner_lu"));
            assertEquals("LOCALLU9", record.get("local_lu"));
            assertEquals("CHPWDLU9", record.get("chgpwd_lu"));
            assertEquals(text(64, 't'), record.get("transpn"));
            assertEquals(text(12, 'a'), record.get("lanaddr"));
            assertEquals("", record.get("mode"), "the mode is always empty");
            return record.get("security_type");
        }

        @Test
        void appnSecurityRulesDifferFromAppc() throws SQLException {
            assertEquals("0", appnSecurity(true, true, true, false), "none wins");
            assertEquals("1", appnSecurity(true, false, true, false), "same");
            assertEquals("2", appnSecurity(true, false, false, false), "nothing set: program");
            assertEquals("2", appnSecurity(false, true, true, false), "security off");
        }

        @Test
        void aDuplicateNodeRaisesTheDb2Error() throws SQLException {
            assertTrue(run(tcpip("twice", "localhost", "50000")));
            SQLException e = assertThrows(SQLException.class,
                    () -> run(tcpip("twice", "localhost", "50001")));
            assertTrue(e.getMessage().startsWith("SQL1018N"), e.getMessage());
        }
    }

    @Nested
    class UnCatalog {
        @Test
        void removesTheNode() throws SQLException {
            assertTrue(run(tcpip("gone", "localhost", "50000")));
            DB2CommandUnCatalogNode uncatalog = new DB2CommandUnCatalogNode();
            uncatalog.setNodeName("gone");
            assertTrue(run(uncatalog));
            assertEquals(0, list(false).getRowCount());
        }

        @Test
        void aMissingNodeRaisesTheDb2Error() {
            DB2CommandUnCatalogNode uncatalog = new DB2CommandUnCatalogNode();
            uncatalog.setNodeName("nosuch");
            SQLException e = assertThrows(SQLException.class, () -> run(uncatalog));
            assertTrue(e.getMessage().startsWith("SQL1021N"), e.getMessage());
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
        void anEmptyNameIsStillPassed() {
            Db2Sim.clearJournal();
            assertThrows(SQLException.class, () -> run(new DB2CommandUnCatalogNode()));
            String[] calls = Db2Sim.journal("sqleuncn_api");
            assertEquals(1, calls.length);
            assertTrue(calls[0].contains("pNodeName=\"\""), calls[0]);
        }
    }
}
