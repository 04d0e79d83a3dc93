package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.EnumDB2CommandType;
import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.List;
import java.util.Set;
import java.util.TreeSet;
import java.util.stream.Collectors;
import java.util.stream.IntStream;
import org.junit.jupiter.api.Test;

/** The command type codes are the native dispatch key: all of them, each once, named right. */
class JavaSideCommandTypeTest {
    /** The codes the library serves: 1 to 43, 47 to 50, 54, 58 to 74, 77, 78, 80, 82. */
    private static Set<Integer> servedCodes() {
        Set<Integer> codes = new TreeSet<>();
        IntStream.rangeClosed(1, 43).forEach(codes::add);
        IntStream.rangeClosed(47, 50).forEach(codes::add);
        codes.add(54);
        IntStream.rangeClosed(58, 74).forEach(codes::add);
        codes.addAll(List.of(77, 78, 80, 82));
        return codes;
    }

    private static List<Field> constantFields() {
        List<Field> fields = new ArrayList<>();
        for (Field f : EnumDB2CommandType.class.getDeclaredFields()) {
            int mods = f.getModifiers();
            if (f.getType() == EnumDB2CommandType.class && Modifier.isPublic(mods)
                    && Modifier.isStatic(mods) && Modifier.isFinal(mods)) {
                fields.add(f);
            }
        }
        return fields;
    }

    @Test
    void everyServedCodeHasExactlyOneConstantNamedAsItsField() throws IllegalAccessException {
        List<Integer> codes = EnumDB2CommandType.values().stream()
                .map(EnumDB2CommandType::getType).collect(Collectors.toList());
        assertEquals(69, codes.size());
        assertEquals(new ArrayList<>(servedCodes()), codes); // also checks the order by code
        assertEquals(69, constantFields().size());
        for (Field f : constantFields()) {
            EnumDB2CommandType value = (EnumDB2CommandType) f.get(null);
            assertEquals(f.getName(), value.getName());
            assertEquals(f.getName(), value.toString());
            assertSame(value, EnumDB2CommandType.fromType(value.getType()), f.getName());
            assertSame(value, EnumDB2CommandType.fromName(f.getName().toLowerCase()));
        }
    }

    @Test
    void unservedCodesAndNamesAreUnknownAndTheListIsClosed() {
        for (int code : new int[] {0, -1, 44, 45, 46, 51, 53, 55, 57, 75, 76, 79, 81, 83, 1000}) {
            assertNull(EnumDB2CommandType.fromType(code), "code " + code);
        }
        assertNull(EnumDB2CommandType.fromName("INITIALIZE_TAPE"));
        assertNull(EnumDB2CommandType.fromName(null));
        EnumDB2CommandType made = new EnumDB2CommandType(44, "TEST_44") {};
        assertEquals(44, made.getType());
        assertNull(EnumDB2CommandType.fromType(44));
        assertEquals(69, EnumDB2CommandType.values().size());

        // Equality is by concrete class and code: a look-alike of code 1 is not ATTACH.
        EnumDB2CommandType lookAlike = new EnumDB2CommandType(1, "ATTACH") {};
        assertNotEquals(EnumDB2CommandType.ATTACH, lookAlike);
        assertNotEquals(lookAlike, EnumDB2CommandType.ATTACH);
        assertThrows(UnsupportedOperationException.class,
                () -> EnumDB2CommandType.values().add(EnumDB2CommandType.ATTACH));
    }
}
