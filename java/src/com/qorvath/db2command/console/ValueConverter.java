package com.qorvath.db2command.console;

import java.lang.reflect.Array;
import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.lang.reflect.ParameterizedType;
import java.lang.reflect.Type;
import java.util.ArrayList;
import java.util.Collection;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Set;

/**
 * Turns the raw text of a {@code Name=value} parameter into the type its setter takes.
 *
 * <p>Served: text; whole and decimal numbers, primitive or boxed; booleans (true/false, yes/no,
 * on/off, 1/0); single characters; Java enums; classes whose values are their own public static
 * final constants (the typesafe enumerations of the command classes), named by constant or by
 * value name; lists, sets and arrays of these, comma-separated; maps of these written
 * {@code KEY=value,KEY=value}. Commas and equals signs inside quotes or after a backslash do not
 * split. An empty value of a boxed type gives null.
 */
public final class ValueConverter {
    private ValueConverter() {}

    /**
     * Tells whether values of a type can be written on the command line.
     *
     * @param type the parameter type of a setter
     * @return true when {@link #convert(String, Type)} serves it
     */
    public static boolean supports(Type type) {
        Class<?> raw = rawClass(type);
        if (raw == null) {
            return false;
        }
        if (raw.isArray()) {
            return isScalar(raw.getComponentType());
        }
        if (isCollection(raw)) {
            return isScalar(rawClass(typeArgument(type, 0)));
        }
        if (isMap(raw)) {
            return isScalar(rawClass(typeArgument(type, 0)))
                    && isScalar(rawClass(typeArgument(type, 1)));
        }
        return isScalar(raw);
    }

    /**
     * Converts raw text (quotes and backslashes still in it) to a type.
     *
     * @param raw the raw value
     * @param type a type {@link #supports(Type)} accepts
     * @return the value
     * @throws IllegalArgumentException when the text does not fit the type, with the reason
     */
    public static Object convert(String raw, Type type) {
        Class<?> rawType = rawClass(type);
        if (rawType.isArray()) {
            return toArray(raw, rawType.getComponentType());
        }
        if (isCollection(rawType)) {
            Collection<Object> values = Set.class.isAssignableFrom(rawType)
                    ? new LinkedHashSet<>() : new ArrayList<>();
            values.addAll(elements(raw, rawClass(typeArgument(type, 0))));
            return values;
        }
        if (isMap(rawType)) {
            return toMap(raw, rawClass(typeArgument(type, 0)), rawClass(typeArgument(type, 1)));
        }
        return scalar(LineSyntax.unquote(raw), rawType);
    }

    /**
     * Describes a type for the help text.
     *
     * @param type a type {@link #supports(Type)} accepts
     * @return such as "integer", "one of: A, B", "list of text (a,b,...)"
     */
    public static String describe(Type type) {
        Class<?> raw = rawClass(type);
        if (raw.isArray()) {
            return "list of " + describeScalar(raw.getComponentType()) + " (a,b,...)";
        }
        if (isCollection(raw)) {
            return "list of " + describeScalar(rawClass(typeArgument(type, 0))) + " (a,b,...)";
        }
        if (isMap(raw)) {
            return "map of " + describeScalar(rawClass(typeArgument(type, 0))) + " to "
                    + describeScalar(rawClass(typeArgument(type, 1))) + " (K=v,K=v,...)";
        }
        return describeScalar(raw);
    }

    /**
     * Returns the names of an enumeration's values: Java enum constants, or the public static
     * final constants a class holds of its own type.
     *
     * @param type the class
     * @return the names in declaration order; empty when the class has none
     */
    public static List<String> constantNames(Class<?> type) {
        return new ArrayList<>(constants(type).keySet());
    }

    private static Map<String, Object> constants(Class<?> type) {
        Map<String, Object> constants = new LinkedHashMap<>();
        if (type.isEnum()) {
            for (Object constant : type.getEnumConstants()) {
                constants.put(((Enum<?>) constant).name(), constant);
            }
            return constants;
        }
        for (Field field : type.getFields()) {
            int modifiers = field.getModifiers();
            if (Modifier.isStatic(modifiers) && Modifier.isFinal(modifiers)
                    && type.isAssignableFrom(field.getType())) {
                Object value = readConstant(field);
                if (type.isInstance(value)) {
                    constants.put(field.getName(), value);
                }
            }
        }
        return constants;
    }

    private static Object readConstant(Field field) {
        try {
            return field.get(null);
        } catch (IllegalAccessException | RuntimeException | ExceptionInInitializerError e) {
            return null;
        }
    }

    private static boolean isScalar(Class<?> type) {
        return type != null
                && (type == String.class || numberKind(type) != null || isBoolean(type)
                        || type == char.class || type == Character.class
                        || !constants(type).isEmpty());
    }

    private static boolean isCollection(Class<?> type) {
        return Collection.class.isAssignableFrom(type)
                && (type.isAssignableFrom(ArrayList.class)
                        || type.isAssignableFrom(LinkedHashSet.class));
    }

    private static boolean isMap(Class<?> type) {
        return Map.class.isAssignableFrom(type) && type.isAssignableFrom(LinkedHashMap.class);
    }

    private static boolean isBoolean(Class<?> type) {
        return type == boolean.class || type == Boolean.class;
    }

    private static Class<?> rawClass(Type type) {
        if (type instanceof Class) {
            return (Class<?>) type;
        }
        if (type instanceof ParameterizedType) {
            return rawClass(((ParameterizedType) type).getRawType());
        }
        return null;
    }

    /** A type argument of a generic type; text for a raw collection or map. */
    private static Type typeArgument(Type type, int index) {
        if (type instanceof ParameterizedType) {
            Type[] arguments = ((ParameterizedType) type).getActualTypeArguments();
            return index < arguments.length ? arguments[index] : null;
        }
        return String.class;
    }

    private static List<Object> elements(String raw, Class<?> type) {
        List<Object> values = new ArrayList<>();
        if (raw.isEmpty()) {
            return values;
        }
        for (String part : LineSyntax.split(raw, ',', Integer.MAX_VALUE)) {
            String text = LineSyntax.unquote(part);
            if (text.isEmpty() && type != String.class) {
                throw new IllegalArgumentException("empty entry in the list \"" + raw + "\"");
            }
            values.add(scalar(text, type));
        }
        return values;
    }

    private static Object toArray(String raw, Class<?> component) {
        List<Object> values = elements(raw, component);
        Object array = Array.newInstance(component, values.size());
        for (int i = 0; i < values.size(); i++) {
            Array.set(array, i, values.get(i));
        }
        return array;
    }

    private static Map<Object, Object> toMap(String raw, Class<?> keyType, Class<?> valueType) {
        Map<Object, Object> map = new LinkedHashMap<>();
        if (raw.isEmpty()) {
            return map;
        }
        for (String entry : LineSyntax.split(raw, ',', Integer.MAX_VALUE)) {
            List<String> keyValue = LineSyntax.split(entry, '=', 2);
            if (keyValue.size() != 2 || keyValue.get(0).isEmpty()) {
                throw new IllegalArgumentException(
                        "map entries are written KEY=value, not \"" + LineSyntax.unquote(entry)
                        + "\"");
            }
            Object key = scalar(LineSyntax.unquote(keyValue.get(0)), keyType);
            if (map.containsKey(key)) {
                throw new IllegalArgumentException("map key " + key + " given twice");
            }
            map.put(key, scalar(LineSyntax.unquote(keyValue.get(1)), valueType));
        }
        return map;
    }

    private static Object scalar(String text, Class<?> type) {
        if (type == String.class) {
            return text;
        }
        if (text.isEmpty() && !type.isPrimitive()) {
            return null;
        }
        if (numberKind(type) != null) {
            return number(text, type);
        }
        if (isBoolean(type)) {
            return bool(text);
        }
        if (type == char.class || type == Character.class) {
            if (text.length() != 1) {
                throw new IllegalArgumentException("\"" + text + "\" is not one character");
            }
            return text.charAt(0);
        }
        return constant(text, type);
    }

    private static String numberKind(Class<?> type) {
        if (type == int.class || type == Integer.class || type == long.class || type == Long.class
                || type == short.class || type == Short.class || type == byte.class
                || type == Byte.class) {
            return "integer";
        }
        if (type == double.class || type == Double.class || type == float.class
                || type == Float.class) {
            return "number";
        }
        return null;
    }

    private static Object number(String text, Class<?> type) {
        String trimmed = text.trim();
        try {
            if (type == int.class || type == Integer.class) {
                return Integer.parseInt(trimmed);
            }
            if (type == long.class || type == Long.class) {
                return Long.parseLong(trimmed);
            }
            if (type == short.class || type == Short.class) {
                return Short.parseShort(trimmed);
            }
            if (type == byte.class || type == Byte.class) {
                return Byte.parseByte(trimmed);
            }
            double value = Double.parseDouble(trimmed);
            if (Double.isNaN(value) || Double.isInfinite(value)) {
                throw new NumberFormatException(trimmed);
            }
            return type == float.class || type == Float.class ? (Object) (float) value : value;
        } catch (NumberFormatException e) {
            String kind = numberKind(type).equals("integer") ? "an integer" : "a number";
            throw new IllegalArgumentException(
                    "\"" + text + "\" is not " + kind + " (" + type.getSimpleName() + ")");
        }
    }

    private static Boolean bool(String text) {
        switch (text.trim().toLowerCase(Locale.ROOT)) {
            case "true":
            case "yes":
            case "on":
            case "1":
                return Boolean.TRUE;
            case "false":
            case "no":
            case "off":
            case "0":
                return Boolean.FALSE;
            default:
                throw new IllegalArgumentException(
                        "\"" + text + "\" is not a boolean (true/false, yes/no, on/off, 1/0)");
        }
    }

    private static Object constant(String text, Class<?> type) {
        Map<String, Object> constants = constants(type);
        String wanted = normalName(text);
        for (Map.Entry<String, Object> entry : constants.entrySet()) {
            if (normalName(entry.getKey()).equals(wanted)
                    || normalName(String.valueOf(entry.getValue())).equals(wanted)) {
                return entry.getValue();
            }
        }
        throw new IllegalArgumentException("\"" + text + "\" is not one of "
                + String.join(", ", constants.keySet())
                + Suggestions.didYouMean(text, constants.keySet()));
    }

    private static String normalName(String name) {
        return name.trim().replace('-', '_').replace(' ', '_').toUpperCase(Locale.ROOT);
    }

    private static String describeScalar(Class<?> type) {
        if (type == String.class) {
            return "text";
        }
        if (numberKind(type) != null) {
            return numberKind(type);
        }
        if (isBoolean(type)) {
            return "boolean";
        }
        if (type == char.class || type == Character.class) {
            return "character";
        }
        return "one of: " + String.join(", ", constants(type).keySet());
    }
}
