package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.qorvath.db2command.EnumDB2CommandType;
import com.qorvath.db2command.console.CommandParameters;
import com.qorvath.db2command.console.ConsoleOptions;
import com.qorvath.db2command.console.LineSyntax;
import com.qorvath.db2command.console.ValueConverter;
import java.util.List;
import java.util.Map;
import java.util.Set;
import org.junit.jupiter.api.Nested;
import org.junit.jupiter.api.Test;

/** How the console reads lines, values and options. */
class ConsoleSyntaxTest {
    /** A Java enum parameter type. */
    public enum Mode { OFFLINE, ONLINE_INCREMENTAL }

    /** A settable object with one parameter of each kind the console converts. */
    public static class Target {
        String text;
        int number = -99;
        Long big;
        boolean flag;
        Mode mode;
        EnumDB2CommandType type;
        Map<String, String> settings;
        Map<String, Integer> counts;
        List<Integer> nodes;
        Set<String> names;
        String[] paths;
        String overloaded;
        final StringBuilder rejected = new StringBuilder();

        public void setText(String value) { text = value; }
        public void setNodeNumber(int value) { number = value; }
        public void setBig(Long value) { big = value; }
        public void setFlag(boolean value) { flag = value; }
        public void setMode(Mode value) { mode = value; }
        public void setType(EnumDB2CommandType value) { type = value; }
        public void setSettings(Map<String, String> value) { settings = value; }
        public void setCounts(Map<String, Integer> value) { counts = value; }
        public void setNodes(List<Integer> value) { nodes = value; }
        public void setNames(Set<String> value) { names = value; }
        public void setPaths(String[] value) { paths = value; }
        public void setOverloaded(int value) { overloaded = "int " + value; }
        public void setOverloaded(String value) { overloaded = "text " + value; }
        public void setPicky(String value) {
            if (value.isEmpty()) {
                throw new IllegalArgumentException("must not be empty");
            }
        }
        public void setUnsupported(Object value) { rejected.append(value); }
        public static void setStatic(String value) {}
    }

    static Object convert(String raw, Class<?> type) {
        return ValueConverter.convert(raw, type);
    }

    static String failure(Runnable action) {
        return assertThrows(IllegalArgumentException.class, action::run).getMessage();
    }

    @Nested
    class Lines {
        @Test
        void wordsKeepTheirQuotesAndSplitOnlyAtPlainBlanks() {
            assertEquals(List.of("attach", "NodeName=\"my node\"", "Password='a b'", "x\\ y"),
                    LineSyntax.words("  attach\tNodeName=\"my node\"  Password='a b' x\\ y  "));
            assertEquals(List.of(), LineSyntax.words("   "));
        }

        @Test
        void aHashStartingAWordEndsTheLineButNotInsideAWordOrQuotes() {
            assertEquals(List.of(), LineSyntax.words("# attach"));
            assertEquals(List.of("attach", "A=#1", "B=\"# x\""),
                    LineSyntax.words("attach A=#1 B=\"# x\" # the rest"));
        }

        @Test
        void unquoteResolvesQuotesAndEscapes() {
            assertEquals("my node", LineSyntax.unquote("\"my node\""));
            assertEquals("a\\nb \"q\"", LineSyntax.unquote("'a\\nb \"q\"'"));
            assertEquals("say \"hi\"\n\tto\\me",
                    LineSyntax.unquote("\"say \\\"hi\\\"\\n\\tto\\\\me\""));
            assertEquals("it's", LineSyntax.unquote("it\\'s"));
            assertEquals("ab", LineSyntax.unquote("a\"\"b"));
            assertEquals("", LineSyntax.unquote("''"));
        }

        @Test
        void unclosedQuotesAndATrailingBackslashAreErrors() {
            assertTrue(failure(() -> LineSyntax.words("attach NodeName=\"x")).contains("quote"));
            assertTrue(failure(() -> LineSyntax.unquote("'x")).contains("quote"));
            assertTrue(failure(() -> LineSyntax.words("attach x\\")).contains("backslash"));
        }

        @Test
        void splitIgnoresQuotedAndEscapedSeparators() {
            assertEquals(List.of("a", "\"b,c\"", "d\\,e", "'f,'"),
                    LineSyntax.split("a,\"b,c\",d\\,e,'f,'", ',', Integer.MAX_VALUE));
            assertEquals(List.of("Name", "a=b=c"), LineSyntax.split("Name=a=b=c", '=', 2));
            assertEquals(List.of("solo"), LineSyntax.split("solo", '=', 2));
        }
    }

    @Nested
    class Values {
        @Test
        void numbersAndBooleans() {
            assertEquals(-3, convert(" -3 ", int.class));
            assertEquals(12345678901L, convert("12345678901", Long.class));
            assertEquals(2.5, convert("2.5", double.class));
            assertNull(convert("", Integer.class));
            for (String yes : List.of("true", "YES", "on", "1")) {
                assertEquals(true, convert(yes, boolean.class), yes);
            }
            assertEquals(false, convert("Off", Boolean.class));
            assertTrue(failure(() -> convert("3000000000", int.class)).contains("integer"));
            assertTrue(failure(() -> convert("", int.class)).contains("integer"));
            assertTrue(failure(() -> convert("NaN", double.class)).contains("number"));
            assertTrue(failure(() -> convert("maybe", boolean.class)).contains("boolean"));
        }

        @Test
        void enumsMatchByConstantOrValueNameWithoutRegardToCase() {
            assertEquals(Mode.ONLINE_INCREMENTAL, convert("online-incremental", Mode.class));
            assertEquals(EnumDB2CommandType.LIST_DB_DIRECTORY,
                    convert("list_db_directory", EnumDB2CommandType.class));
            assertEquals(EnumDB2CommandType.ATTACH,
                    convert("\"Attach\"", EnumDB2CommandType.class));
            String message = failure(() -> convert("ATACH", EnumDB2CommandType.class));
            assertTrue(message.contains("did you mean ATTACH"), message);
            assertTrue(ValueConverter.constantNames(EnumDB2CommandType.class).contains("DETACH"));
            assertEquals(List.of("OFFLINE", "ONLINE_INCREMENTAL"),
                    ValueConverter.constantNames(Mode.class));
        }

        @Test
        void typesWithoutATextFormAreNotParameters() {
            assertFalse(ValueConverter.supports(Object.class));
            assertFalse(ValueConverter.supports(Runnable.class));
            assertTrue(ValueConverter.supports(EnumDB2CommandType.class));
        }
    }

    @Nested
    class Parameters {
        final Target target = new Target();
        final CommandParameters parameters = CommandParameters.of(Target.class);

        void apply(String... words) {
            parameters.apply(target, List.of(words));
        }

        @Test
        void namesComeFromSettersAndMatchWithoutRegardToCase() {
            assertEquals(List.of("Big", "Counts", "Flag", "Mode", "Names", "NodeNumber", "Nodes",
                                 "Overloaded", "Paths", "Picky", "Settings", "Text", "Type"),
                    parameters.names());
            apply("nodenumber=7", "TEXT=\"a b\"", "flag=yes", "mode=offline", "type=ATTACH");
            assertEquals(7, target.number);
            assertEquals("a b", target.text);
            assertTrue(target.flag);
            assertEquals(Mode.OFFLINE, target.mode);
            assertEquals(EnumDB2CommandType.ATTACH, target.type);
        }

        @Test
        void mapsListsAndArraysAreCommaSeparated() {
            apply("Settings=LOGFILSIZ=1000,LOGPRIMARY=5,NEWLOGPATH=\"/a,b\"",
                    "Counts=a=1,b=2", "Nodes=0,1,3", "Names=x,y,x", "Paths=/p,'/q r'");
            assertEquals(Map.of("LOGFILSIZ", "1000", "LOGPRIMARY", "5", "NEWLOGPATH", "/a,b"),
                    target.settings);
            assertEquals(List.of("LOGFILSIZ", "LOGPRIMARY", "NEWLOGPATH"),
                    List.copyOf(target.settings.keySet()));
            assertEquals(Map.of("a", 1, "b", 2), target.counts);
            assertEquals(List.of(0, 1, 3), target.nodes);
            assertEquals(List.of("x", "y"), List.copyOf(target.names));
            assertArrayEquals(new String[] {"/p", "/q r"}, target.paths);
            apply("Settings=", "Nodes=");
            assertEquals(Map.of(), target.settings);
            assertEquals(List.of(), target.nodes);
        }

        @Test
        void badMapsAndListsSayWhy() {
            assertTrue(failure(() -> apply("Settings=LOGFILSIZ")).contains("KEY=value"));
            assertTrue(failure(() -> apply("Settings=A=1,A=2")).contains("twice"));
            assertTrue(failure(() -> apply("Counts=a=x")).contains("\"x\" is not an integer"));
            assertTrue(failure(() -> apply("Nodes=1,,2")).contains("empty entry"));
        }

        @Test
        void overloadsPreferTheTypedSetterAndFallBackToText() {
            apply("Overloaded=5");
            assertEquals("int 5", target.overloaded);
            parameters.apply(target, List.of("Overloaded=five"));
            assertEquals("text five", target.overloaded);
        }

        @Test
        void errorsNameTheParameterAndSuggestCloseNames() {
            String unknown = failure(() -> apply("NodeNumbr=1"));
            assertTrue(unknown.startsWith("unknown parameter NodeNumbr; did you mean NodeNumber"),
                    unknown);
            assertTrue(failure(() -> apply("Unsupported=1")).contains("unknown parameter"));
            assertTrue(failure(() -> apply("Static=1")).contains("unknown parameter"));
            assertTrue(failure(() -> apply("NodeNumber")).startsWith("expected Name=value"));
            assertTrue(failure(() -> apply("=3")).startsWith("expected Name=value"));
            assertEquals("parameter NodeNumber given twice",
                    failure(() -> apply("NodeNumber=1", "nodeNUMBER=2")));
            assertEquals("bad value for NodeNumber: \"x\" is not an integer (int)",
                    failure(() -> apply("NodeNumber=x")));
            assertEquals("bad value for Picky: must not be empty", failure(() -> apply("Picky=")));
        }
    }

    @Nested
    class Options {
        @Test
        void optionsComeFirstAndTheRestIsOneCommandLine() {
            ConsoleOptions options = ConsoleOptions.parse(
                    "--json", "-k", "attach", "NodeName=a b", "--json");
            assertTrue(options.json());
            assertTrue(options.keepGoing());
            assertEquals(List.of("attach", "NodeName=a b", "--json"), options.command());
            assertEquals(List.of("-x", "y"), ConsoleOptions.parse("--", "-x", "y").command());
            assertEquals("t.txt", ConsoleOptions.parse("-f", "t.txt").file());
            assertEquals("-", ConsoleOptions.parse("--file=-").file());
        }

        @Test
        void misuseIsRejected() {
            assertTrue(failure(() -> ConsoleOptions.parse("--jsn")).contains("mean --json"));
            assertTrue(failure(() -> ConsoleOptions.parse("-f")).contains("file name"));
            assertTrue(failure(() -> ConsoleOptions.parse("-f", "t", "x")).contains("not both"));
            assertTrue(failure(() -> ConsoleOptions.parse("--help", "x")).contains("--help"));
        }
    }
}
