package com.qorvath.db2command.tests;

import static com.qorvath.db2command.tests.BridgeProbe.addColumns;
import static com.qorvath.db2command.tests.BridgeProbe.addRow;
import static com.qorvath.db2command.tests.BridgeProbe.addRowsInBlock;
import static com.qorvath.db2command.tests.BridgeProbe.callBool;
import static com.qorvath.db2command.tests.BridgeProbe.callBoolean;
import static com.qorvath.db2command.tests.BridgeProbe.callDouble;
import static com.qorvath.db2command.tests.BridgeProbe.callDoubleBoxed;
import static com.qorvath.db2command.tests.BridgeProbe.callInt;
import static com.qorvath.db2command.tests.BridgeProbe.callInteger;
import static com.qorvath.db2command.tests.BridgeProbe.callIntegerWithKey;
import static com.qorvath.db2command.tests.BridgeProbe.callString;
import static com.qorvath.db2command.tests.BridgeProbe.callStringWithInt;
import static com.qorvath.db2command.tests.BridgeProbe.callStringWithIntDouble;
import static com.qorvath.db2command.tests.BridgeProbe.callStringWithText;
import static com.qorvath.db2command.tests.BridgeProbe.callVoid;
import static com.qorvath.db2command.tests.BridgeProbe.callWithInt;
import static com.qorvath.db2command.tests.BridgeProbe.callWithText;
import static com.qorvath.db2command.tests.BridgeProbe.callsAfter;
import static com.qorvath.db2command.tests.BridgeProbe.catalogueLookups;
import static com.qorvath.db2command.tests.BridgeProbe.effectiveVersion;
import static com.qorvath.db2command.tests.BridgeProbe.endConnections;
import static com.qorvath.db2command.tests.BridgeProbe.enumType;
import static com.qorvath.db2command.tests.BridgeProbe.enumValue;
import static com.qorvath.db2command.tests.BridgeProbe.exerciseContext;
import static com.qorvath.db2command.tests.BridgeProbe.manyChildReads;
import static com.qorvath.db2command.tests.BridgeProbe.manyRows;
import static com.qorvath.db2command.tests.BridgeProbe.readPartitions;
import static com.qorvath.db2command.tests.BridgeProbe.readStrings;
import static com.qorvath.db2command.tests.BridgeProbe.storeHandles;
import static com.qorvath.db2command.tests.BridgeProbe.takeFailure;
import static com.qorvath.db2command.tests.BridgeProbe.versions;
import static com.qorvath.db2command.tests.BridgeProbe.walkCollection;
import static java.nio.charset.StandardCharsets.ISO_8859_1;
import static java.nio.charset.StandardCharsets.UTF_8;
import static org.junit.jupiter.api.Assertions.assertAll;
import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertInstanceOf;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import java.io.File;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.AbstractCollection;
import java.util.Arrays;
import java.util.Collection;
import java.util.Iterator;
import java.sql.SQLException;
import java.util.List;
import java.util.Random;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Nested;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;

/** The Java object bridge, driven directly through BridgeProbe's natives. */
class BridgeHarnessTest {
    private static final String SUBJECT = BridgeSubject.CLASS;
    private static final String MISSING = "GetMethodId() return null, methodName is ";
    private static final String CLASS_IS_NULL = "javaClass is null";

    private BridgeSubject subject;

    @BeforeEach
    void setUp() {
        subject = new BridgeSubject();
        takeFailure();
    }

    /** The message of the SQLException the last probe call left pending. */
    private static String raised() {
        Throwable thrown = takeFailure();
        assertNotNull(thrown, "the bridge raised nothing");
        assertInstanceOf(SQLException.class, thrown);
        return thrown.getMessage();
    }

    private static void assertNothingRaised() {
        Throwable thrown = takeFailure();
        assertNull(thrown, () -> "the bridge raised " + thrown);
    }

    /** The operation gave {@code expected} and raised {@code message}. */
    private static void assertGives(Object expected, Object actual, String message) {
        assertEquals(expected, actual);
        assertEquals(message, raised());
    }

    private static byte[] bytes(String latin1) {
        return latin1.getBytes(ISO_8859_1);
    }

    @Nested
    class UnusableWrapper {
        @Test
        void nullObjectGivesDefaultsAndRaisesClassIsNull() {
            assertGives(0, callInt(null, SUBJECT, "getNumber"), CLASS_IS_NULL);
            assertGives(0.0, callDouble(null, SUBJECT, "getRatio"), CLASS_IS_NULL);
            assertGives(false, callBool(null, SUBJECT, "isReady"), CLASS_IS_NULL);
            assertGives("", callString(null, SUBJECT, "getName"), CLASS_IS_NULL);
            assertGives(7, callInteger(null, SUBJECT, "getBoxedInt", 7), CLASS_IS_NULL);
            assertGives(5, callIntegerWithKey(null, SUBJECT, "get", 5, bytes("k")), CLASS_IS_NULL);
            assertGives(
                    -1,
                    enumType(null, SUBJECT, "getColour", BridgeColour.CLASS, -1),
                    CLASS_IS_NULL);
            callWithText(null, SUBJECT, "setText", bytes("x"));
            assertEquals(CLASS_IS_NULL, raised());
        }

        @Test
        void unknownClassIsReportedAsClassIsNullWithoutCallingJava() {
            assertGives(0, callInt(subject, "com/qorvath/NoSuchClass", "getNumber"), CLASS_IS_NULL);
            assertEquals(0, subject.calls);
        }

        @Test
        void anObjectOfAnotherClassIsNeverCalledThroughIt() {
            String context = "com/qorvath/db2command/DB2CommandRuntimeContext";
            DB2APIDataContainer notAContext = new DB2APIDataContainer();
            assertGives(0, callInt(notAContext, context, "getAttachNodeId"), CLASS_IS_NULL);
        }
    }

    @Nested
    class MissingMethods {
        private static final String NOPE = MISSING + "getNope";

        @Test
        void eachOperationNamesTheMethodAndGivesItsDefault() {
            assertGives(0, callInt(subject, SUBJECT, "getNope"), NOPE);
            assertGives(0.0, callDouble(subject, SUBJECT, "getNope"), NOPE);
            assertGives("", callString(subject, SUBJECT, "getNope"), NOPE);
            assertGives(7, callInteger(subject, SUBJECT, "getNope", 7), NOPE);
            assertGives(-1, enumValue(subject, SUBJECT, "getNope", BridgeColour.CLASS, -1), NOPE);
            callWithInt(subject, SUBJECT, "setNope", 1);
            assertEquals(MISSING + "setNope", raised());
        }

        @Test
        void keyedLookupGivesZeroNotTheDefault() {
            assertGives(
                    0,
                    callIntegerWithKey(subject, SUBJECT, "lookUp", 7, bytes("k")),
                    MISSING + "lookUp");
        }

        @Test
        void aMethodWithAnotherSignatureIsMissing() {
            assertGives(0, callInt(subject, SUBJECT, "getName"), MISSING + "getName");
            assertGives("", callStringWithInt(subject, SUBJECT, "echo", 1), MISSING + "echo");
            assertEquals(0, subject.calls);
        }
    }

    @Nested
    class Values {
        @Test
        void primitiveAndTextCallsReachTheMethodWithTheirArguments() {
            assertEquals(42, callInt(subject, SUBJECT, "getNumber"));
            assertEquals(2.5, callDouble(subject, SUBJECT, "getRatio"));
            assertTrue(callBool(subject, SUBJECT, "isReady"));
            assertEquals("subject", callString(subject, SUBJECT, "getName"));
            assertEquals("[abc]", callStringWithText(subject, SUBJECT, "echo", bytes("abc")));
            assertEquals("int -3", callStringWithInt(subject, SUBJECT, "describe", -3));
            assertEquals(
                    "int 4 double 0.25",
                    callStringWithIntDouble(subject, SUBJECT, "describe", 4, 0.25));
            callWithInt(subject, SUBJECT, "setNumber", Integer.MIN_VALUE);
            callWithText(subject, SUBJECT, "setText", bytes("value"));
            callVoid(subject, SUBJECT, "touch");
            assertNothingRaised();
            assertEquals(Integer.MIN_VALUE, subject.lastNumber);
            assertEquals("value", subject.lastText);
            assertEquals(10, subject.calls);
        }

        @Test
        void nullStringAndNullTextArgumentsBecomeEmpty() {
            subject.name = null;
            assertEquals("", callString(subject, SUBJECT, "getName"));
            assertEquals("[]", callStringWithText(subject, SUBJECT, "echo", null));
            callWithText(subject, SUBJECT, "setText", null);
            assertEquals("", subject.lastText);
            assertNothingRaised();
        }

        @Test
        void boxedValuesAndEnumsGiveTheirValueOrTheCallersDefault() {
            String colour = BridgeColour.CLASS;
            assertEquals(7, callInteger(subject, SUBJECT, "getBoxedInt", 7));
            assertTrue(callBoolean(subject, SUBJECT, "getBoxedBool", true));
            assertEquals(1.5, callDoubleBoxed(subject, SUBJECT, "getBoxedDouble", 1.5));
            assertEquals(-1, enumType(subject, SUBJECT, "getColour", colour, -1));
            assertEquals(-1, enumValue(subject, SUBJECT, "getColour", colour, -1));
            assertNothingRaised();

            subject.boxedInt = -5;
            subject.boxedBool = false;
            subject.boxedDouble = 0.125;
            subject.colour = BridgeColour.GREEN;
            assertEquals(-5, callInteger(subject, SUBJECT, "getBoxedInt", 7));
            assertFalse(callBoolean(subject, SUBJECT, "getBoxedBool", true));
            assertEquals(0.125, callDoubleBoxed(subject, SUBJECT, "getBoxedDouble", 1.5));
            assertEquals(2, enumType(subject, SUBJECT, "getColour", colour, -1));
            assertEquals(200, enumValue(subject, SUBJECT, "getColour", colour, -1));
            assertNothingRaised();
        }

        @Test
        void collectionsAreWalkedAndMapsReadByKey() {
            subject.items.addAll(List.of("a", "b", "c"));
            String[] walked = walkCollection(subject, SUBJECT, "getItems");
            assertArrayEquals(new String[] {"a", "b", "c", "3"}, walked);
            subject.entries.put("caf\u00e9", 9);
            byte[] key = "caf\u00e9".getBytes(UTF_8);
            assertEquals(9, callIntegerWithKey(subject, SUBJECT, "get", 7, key));
            assertEquals(7, callIntegerWithKey(subject, SUBJECT, "get", 7, bytes("none")));
            assertNothingRaised();
        }

        @Test
        void catalogueLookupsPassTheirArgumentsInOrder() {
            assertArrayEquals(
                    new String[] {
                        "all 9.7 true",
                        "named 8.2 false LOGPATH",
                        "token 9.1 17",
                        "translate 8.0 3 ON"
                    },
                    catalogueLookups(subject, SUBJECT));
            assertNothingRaised();
        }
    }

    @Nested
    class TextToJava {
        private void assertArrives(String expected, byte[] raw) {
            assertEquals("[" + expected + "]", callStringWithText(subject, SUBJECT, "echo", raw));
            callWithText(subject, SUBJECT, "setText", raw);
            assertEquals(expected, subject.lastText);
            DB2APIDataContainer table = new DB2APIDataContainer();
            addColumns(table, new String[] {"C"});
            addRow(table, new byte[][] {raw});
            assertTrue(addRowsInBlock(table, new byte[][][] {{raw}}));
            assertEquals(expected, table.getValue(0, 1));
            assertEquals(expected, table.getValue(1, 1), "the same text through a row block");
            assertNothingRaised();
        }

        @ParameterizedTest(name = "one by one: {0}")
        @ValueSource(booleans = {false, true})
        void rowBlocksAndSingleCellsAgreeOnEveryHostileByteSequence(boolean oneByOne) {
            Random random = new Random(20261206);
            byte[][] interesting = {
                {(byte) 0xC0, (byte) 0x80}, // overlong NUL
                {(byte) 0xE0, (byte) 0x80, (byte) 0xAF}, // overlong slash
                {(byte) 0xED, (byte) 0xB0, (byte) 0x80}, // lone low surrogate
                {(byte) 0xF4, (byte) 0x90, (byte) 0x80, (byte) 0x80}, // above U+10FFFF
                {(byte) 0xF0, (byte) 0x9F, (byte) 0x98}, // cut short
                {(byte) 0xFF, (byte) 0xFE, 0, 'x'},
                {'a', 0, 0, 'b'},
                {},
            };
            byte[][] cells = new byte[interesting.length + 500][];
            System.arraycopy(interesting, 0, cells, 0, interesting.length);
            for (int i = interesting.length; i < cells.length; i++) {
                cells[i] = new byte[random.nextInt(12)];
                random.nextBytes(cells[i]);
            }
            DB2APIDataContainer single = new DB2APIDataContainer();
            DB2APIDataContainer block = new DB2APIDataContainer();
            addColumns(single, new String[] {"C"});
            addColumns(block, new String[] {"C"});
            byte[][][] rows = new byte[cells.length][][];
            for (int i = 0; i < cells.length; i++) {
                addRow(single, new byte[][] {cells[i]});
                rows[i] = new byte[][] {cells[i]};
            }
            assertTrue(addRowsInBlock(block, rows, oneByOne));
            assertEquals(single.getRows(), block.getRows());
            assertNothingRaised();
        }

        @Test
        void utf8IsKeptAndOtherBytesAreReadAsLatin1() {
            assertArrives("caf\u00e9", bytes("caf\u00e9"));
            assertArrives("\u00e9", new byte[] {(byte) 0xC3, (byte) 0xA9});
            byte[] grin = {(byte) 0xF0, (byte) 0x9F, (byte) 0x98, (byte) 0x80};
            assertArrives("\uD83D\uDE00", grin);
            assertArrives("\u00ed\u00a0\u0080", new byte[] {(byte) 0xED, (byte) 0xA0, (byte) 0x80});
        }

        @Test
        void textReadFromJavaGoesBackUnchangedUnlessItHoldsNul() {
            subject.name = "ab \u00e9 \uD83D\uDE00";
            assertEquals(subject.name, callString(subject, SUBJECT, "getName"));
            assertNothingRaised();
            subject.name = "a\u0000b";
            assertGives("", callString(subject, SUBJECT, "getName"),
                    "getName() returned a text holding U+0000, which DB2 would read as a shorter one");
        }

        @Test
        void cellTextKeepsEmbeddedNul() {
            DB2APIDataContainer table = new DB2APIDataContainer();
            addColumns(table, new String[] {"C"});
            addRow(table, new byte[][] {{'a', 0, 'b'}});
            assertEquals("a\u0000b", table.getValue(0, 1));
        }
    }

    @Nested
    class RowBlocks {
        /** Counts the calls it gets and refuses the row numbered {@code refuseAt}. */
        class Counting extends DB2APIDataContainer {
            int newRows;
            int cells;
            int refuseAt = -1;

            @Override
            public synchronized void newRow() {
                if (newRows == refuseAt) {
                    throw new IllegalStateException("row " + newRows + " refused");
                }
                newRows++;
                super.newRow();
            }

            @Override
            public synchronized void setColumnValue(int column, String value) {
                cells++;
                super.setColumnValue(column, value);
            }
        }

        private byte[][][] numbered(int rows) {
            byte[][][] out = new byte[rows][][];
            for (int i = 0; i < rows; i++) {
                out[i] = new byte[][] {bytes(Integer.toString(i)), bytes(""), bytes("x")};
            }
            return out;
        }

        @ParameterizedTest(name = "one by one: {0}")
        @ValueSource(booleans = {false, true})
        void overridesSeeEveryCallInOrder(boolean oneByOne) {
            Counting table = new Counting();
            addColumns(table, new String[] {"A", "B", "C"});
            assertTrue(addRowsInBlock(table, numbered(1000), oneByOne));
            assertNothingRaised();
            assertEquals(1000, table.newRows);
            assertEquals(3000, table.cells);
            assertEquals("999", table.getValue(999, 1));
            assertEquals("", table.getValue(999, 2));
        }

        @ParameterizedTest(name = "one by one: {0}")
        @ValueSource(booleans = {false, true})
        void aRefusedCallStopsTheBlockThereAndIsRaised(boolean oneByOne) {
            Counting table = new Counting();
            table.refuseAt = 40;
            addColumns(table, new String[] {"A", "B", "C"});
            assertFalse(addRowsInBlock(table, numbered(100), oneByOne));
            Throwable thrown = takeFailure();
            assertInstanceOf(IllegalStateException.class, thrown);
            assertEquals("row 40 refused", thrown.getMessage());
            assertEquals(40, table.getRowCount());
            assertEquals(120, table.cells);
        }

        @ParameterizedTest(name = "one by one: {0}")
        @ValueSource(booleans = {false, true})
        void aColumnOutOfRangeFailsAsTheSingleCallWould(boolean oneByOne) {
            DB2APIDataContainer table = new DB2APIDataContainer();
            addColumns(table, new String[] {"A"});
            assertFalse(
                    addRowsInBlock(table, new byte[][][] {{bytes("1"), bytes("2")}}, oneByOne));
            assertInstanceOf(IndexOutOfBoundsException.class, takeFailure());
            assertEquals("1", table.getValue(0, 1));
        }
    }

    @Nested
    class RuntimeContext {
        @Test
        void versionsShortAndWithRevision() {
            DB2CommandRuntimeContext context = new BridgeVersionContext(
                    new ServerVersion(9, 7, 4), new ServerVersion(8, 10, 0), null);
            double[] v = versions(context);
            assertNothingRaised();
            assertArrayEquals(new double[] {9.7, 8.1, 0.0, 9.0704, 8.1, 0.0}, v, 1e-12);
        }

        @Test
        void utilitiesTakeTheSmallerWholeVersionAndRefuseAnUnknownServer() {
            assertEquals(8, effectiveVersion(new BridgeVersionContext(
                    new ServerVersion(9, 1, 0), null, new ServerVersion(8, 2, 0))));
            assertEquals(9, effectiveVersion(new BridgeVersionContext(
                    new ServerVersion(9, 7, 0), null, new ServerVersion(9, 1, 0))));
            assertNothingRaised();
            assertEquals(-1, effectiveVersion(new BridgeVersionContext(
                    new ServerVersion(9, 7, 0), null, null)));
            assertEquals("Unsupported DB2 version 0: version 7 or later is needed", raised());
        }

        @Test
        void handlesWithTheHighBitSetSurvive() {
            DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
            int[] stored = {0x80000001, -1, Integer.MIN_VALUE, 0x89ABCDEF};
            assertArrayEquals(
                    stored, storeHandles(context, stored[0], stored[1], stored[2], stored[3]));
            assertEquals(0x80000001, context.getInstanceConnectionContext());
            assertEquals(0x89ABCDEF, context.getDatabaseConnectionDbcHandler());
            endConnections(context);
            assertNothingRaised();
            assertFalse(context.isAttached());
            assertFalse(context.isConnected());
        }

        @Test
        void everyContextOperationMatchesTheJavaClass() {
            DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
            context.setDatabaseConnectionUserId("db2inst1");
            context.setDatabaseConnectionPassword("secret");
            context.setNodeNameForAlias("SAMPLE", "NODE9");
            context.setRemoteInstanceName("RINST");
            context.setRemoteDatabaseName("RDB");
            context.setDatabaseAlias("ALIAS");
            String[] read = exerciseContext(context);
            assertNothingRaised();
            assertArrayEquals(
                    new String[] {"db2inst1", "secret", "NODE9", "RINST", "RDB", "ALIAS", "3", "4"},
                    read);
            assertAll(
                    () -> assertEquals(
                            new ServerVersion(9, 7, 4), context.getInstanceServerVersion()),
                    () -> assertEquals(
                            new ServerVersion(8, 2, 0), context.getDatabaseServerVersion()),
                    () -> assertEquals("SQL1234W  careful", context.getWarningMessage()),
                    () -> assertEquals(81, context.getServerRegionCode()),
                    () -> assertEquals(1208, context.getServerCodePage()),
                    () -> assertEquals("ADMIN", context.getAuthorizationId()),
                    () -> assertEquals("NODE1", context.getNodeName()),
                    () -> assertEquals("DB2/LINUX", context.getServerIdentity()),
                    () -> assertEquals("LINUX", context.getServerPlatformType()),
                    () -> assertEquals(77, context.getServerAgentId()),
                    () -> assertEquals(5, context.getServerAgentIndex()),
                    () -> assertEquals(6, context.getNodeNumber()),
                    () -> assertEquals(2, context.getNumOfDbPartitions()));
        }
    }

    @Nested
    class ResultContainer {
        @Test
        void columnsAreNumberedFromOneInTheOrderAdded() {
            DB2APIDataContainer table = new DB2APIDataContainer();
            addColumns(table, new String[] {"NAME", "SIZE", "STATE"});
            addRow(table, new byte[][] {bytes("SAMPLE"), bytes("4096"), bytes("")});
            addRow(table, new byte[][] {bytes("TOOLS")});
            assertNothingRaised();
            assertEquals(List.of("NAME", "SIZE", "STATE"), table.getColumnNames());
            assertEquals(2, table.getRowCount());
            assertEquals("SAMPLE", table.getValue(0, "NAME"));
            assertEquals("4096", table.getValue(0, "SIZE"));
            assertEquals("", table.getValue(0, "STATE"));
            assertEquals("TOOLS", table.getValue(1, 1));
        }
    }

    @Nested
    class PendingException {
        @Test
        void aJavaExceptionStopsEveryLaterCall() {
            subject.child = new BridgeSubject();
            assertEquals(0, callsAfter(subject, SUBJECT, "fail"));
            Throwable thrown = takeFailure();
            assertInstanceOf(IllegalStateException.class, thrown);
            assertEquals("boom", thrown.getMessage());
            assertEquals(1, subject.calls, "only fail() ran");
            assertEquals(0, subject.child.calls);
            assertNull(subject.lastText);
        }

        @Test
        void aMissingMethodStopsEveryLaterCallAndKeepsItsMessage() {
            assertEquals(0, callsAfter(subject, SUBJECT, "getNope"));
            assertEquals(MISSING + "getNope", raised());
            assertEquals(0, subject.calls);
        }
    }

    /** The utilities' lists read from Java collections: never sized from what size() says. */
    @Nested
    class UtilityCollections {
        /** A collection whose size() says one thing and whose iterator yields the elements. */
        private <T> Collection<T> claiming(int size, List<T> elements) {
            return new AbstractCollection<T>() {
                @Override
                public Iterator<T> iterator() {
                    return elements.iterator();
                }

                @Override
                public int size() {
                    return size;
                }
            };
        }

        @Test
        void numbersAndNamesAreReadWhateverSizeClaims() {
            assertNull(readPartitions(null));
            assertNull(readStrings(null));
            assertArrayEquals(new int[0], readPartitions(List.of()));
            assertArrayEquals(
                    new int[] {1, 3, 999, 0}, readPartitions(claiming(1, List.of(1, 3, 999, 0))));
            assertArrayEquals(
                    new String[] {"TS1", "7", ""},
                    readStrings(claiming(0, Arrays.asList("TS1", 7, ""))));
            assertNothingRaised();
            Integer[] many = new Integer[100_000];
            Arrays.fill(many, 5);
            assertNull(readPartitions(Arrays.asList(many)));
            assertEquals("partition list holds more than 65535 partitions", raised());
        }

        @Test
        void refusalsNameTheListAndLeaveNoList() {
            assertNull(readPartitions(Arrays.asList(2, null)));
            assertEquals("partition list: element 2 is null", raised());
            assertNull(readPartitions(List.of(1000)));
            assertEquals("partition list gave 1000, outside 0 to 999", raised());
            assertNull(readPartitions(List.of(-1)));
            assertEquals("partition list gave -1, outside 0 to 999", raised());
            assertNull(readPartitions(List.of("3")));
            assertEquals(CLASS_IS_NULL, raised());
            assertNull(readStrings(Arrays.asList("TS1", null)));
            assertEquals("table space list: element 2 is null", raised());
            assertNull(readStrings(List.of("A\u0000B")));
            assertTrue(raised().startsWith("toString() returned a text holding U+0000"));
        }

        @Test
        void anIteratorThatThrowsStopsTheRead() {
            Collection<Integer> broken = new AbstractCollection<Integer>() {
                @Override
                public Iterator<Integer> iterator() {
                    throw new IllegalStateException("changed while read");
                }

                @Override
                public int size() {
                    return 2;
                }
            };
            assertNull(readPartitions(broken));
            Throwable thrown = takeFailure();
            assertInstanceOf(IllegalStateException.class, thrown);
        }
    }

    @Nested
    class Volume {
        @Test
        void aMillionChildReadsInOneCall() {
            subject.child = new BridgeSubject();
            subject.child.boxedInt = 1;
            int rounds = 1_000_000;
            assertEquals(
                    (long) rounds * (42 + "subject".length() + 1),
                    manyChildReads(subject, SUBJECT, rounds));
            assertNothingRaised();
        }

        @Test
        void aHundredThousandRowsInOneCall() {
            DB2APIDataContainer table = new DB2APIDataContainer();
            assertEquals(100_000, manyRows(table, 100_000));
            assertNothingRaised();
            assertEquals(100_000, table.getRowCount());
            assertEquals("99999", table.getValue(99_999, 1));
        }

        @Test
        void childJvmUnderCheckJniShowsDiagnosticsAndNoWarnings() throws Exception {
            Path dir = Files.createTempDirectory("bridge");
            Path out = dir.resolve("out.txt");
            Path err = dir.resolve("err.txt");
            Process child = new ProcessBuilder(
                            Path.of(System.getProperty("java.home"), "bin", "java").toString(),
                            "-Xcheck:jni",
                            "-Dtarvinex.testlib=" + System.getProperty("tarvinex.testlib"),
                            "-cp",
                            classPath(),
                            BridgeChildMain.class.getName(),
                            "20000")
                    .redirectOutput(out.toFile())
                    .redirectError(err.toFile())
                    .start();
            assertTrue(child.waitFor(120, TimeUnit.SECONDS), "child JVM did not finish");
            String stdout = Files.readString(out);
            String stderr = Files.readString(err);
            String all = stdout + stderr;
            assertEquals(0, child.exitValue(), all);
            assertTrue(stdout.contains("unknown method:getMissingCount \n"), stdout);
            assertTrue(stdout.contains("unknown method:getMissingRatio \n"), stdout);
            assertFalse(stdout.contains("getMissingName"), "only int and double lookups print");
            assertTrue(stderr.contains(" " + MISSING + "getMissingCount: \n"), stderr);
            assertFalse(all.contains("WARNING"), all);
            assertFalse(all.contains("exceeds capacity"), all);
            assertFalse(all.contains("FATAL ERROR"), all);
        }

        private String classPath() throws IOException {
            return String.join(
                    File.pathSeparator,
                    location(BridgeChildMain.class),
                    location(DB2APIDataContainer.class));
        }

        private String location(Class<?> type) throws IOException {
            try {
                return Path.of(type.getProtectionDomain().getCodeSource().getLocation().toURI())
                        .toString();
            } catch (java.net.URISyntaxException e) {
                throw new IOException(e);
            }
        }
    }
}
