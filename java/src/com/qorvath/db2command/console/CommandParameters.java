package com.qorvath.db2command.console;

import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.lang.reflect.Type;
import java.util.ArrayList;
import java.util.Comparator;
import java.util.HashSet;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Set;
import java.util.TreeMap;

/**
 * The parameters of a class as the console sees them: its public one-argument setters whose type
 * {@link ValueConverter} serves. {@code setNodeName} is the parameter {@code NodeName}; names
 * match without regard to case.
 */
public final class CommandParameters {
    /** Setters by parameter name (upper case), overloads with a text argument last. */
    private final Map<String, List<Method>> setters = new TreeMap<>();
    private final Map<String, String> displayNames = new TreeMap<>();

    private CommandParameters() {}

    /**
     * Collects the parameters of a class.
     *
     * @param type the class
     * @return its parameters
     */
    public static CommandParameters of(Class<?> type) {
        return of(type, null);
    }

    /**
     * Collects some parameters of a class.
     *
     * @param type the class
     * @param allowed the parameter names to keep, or null for all
     * @return the parameters
     */
    public static CommandParameters of(Class<?> type, Set<String> allowed) {
        CommandParameters parameters = new CommandParameters();
        for (Method method : type.getMethods()) {
            String name = parameterName(method);
            if (name != null && (allowed == null || allowed.contains(name))) {
                parameters.add(name, method);
            }
        }
        for (List<Method> overloads : parameters.setters.values()) {
            overloads.sort(
                    Comparator.comparing((Method m) -> m.getParameterTypes()[0] == String.class)
                            .thenComparing(m -> m.getParameterTypes()[0].getName()));
        }
        return parameters;
    }

    private static String parameterName(Method method) {
        String name = method.getName();
        boolean setter = name.length() > 3 && name.startsWith("set")
                && method.getParameterCount() == 1 && !Modifier.isStatic(method.getModifiers())
                && ValueConverter.supports(method.getGenericParameterTypes()[0]);
        return setter ? name.substring(3) : null;
    }

    private void add(String name, Method method) {
        String key = name.toUpperCase(Locale.ROOT);
        displayNames.putIfAbsent(key, name);
        setters.computeIfAbsent(key, k -> new ArrayList<>()).add(method);
    }

    /**
     * Returns the parameter names, sorted without regard to case.
     *
     * @return the names as the setters spell them
     */
    public List<String> names() {
        return new ArrayList<>(displayNames.values());
    }

    /**
     * Describes the type of a parameter for the help text.
     *
     * @param name the parameter name, any case
     * @return the description of its first setter's type
     * @throws IllegalArgumentException when there is no such parameter
     */
    public String describe(String name) {
        List<String> types = new ArrayList<>();
        for (Method setter : settersOf(name)) {
            types.add(ValueConverter.describe(setter.getGenericParameterTypes()[0]));
        }
        return String.join(" or ", types);
    }

    /**
     * Sets parameters on an object from {@code Name=value} words.
     *
     * @param target the object
     * @param words the raw words, quotes still in them
     * @return the parameter names set, in the order given
     * @throws IllegalArgumentException for a word without "=", an unknown parameter, a parameter
     *     given twice, or a value its setter does not take
     */
    public List<String> apply(Object target, List<String> words) {
        List<String> applied = new ArrayList<>();
        Set<String> seen = new HashSet<>();
        for (String word : words) {
            List<String> nameValue = LineSyntax.split(word, '=', 2);
            String name = LineSyntax.unquote(nameValue.get(0));
            if (nameValue.size() != 2 || name.isEmpty()) {
                throw new IllegalArgumentException("expected Name=value, not \""
                        + LineSyntax.unquote(word) + "\"" + known());
            }
            List<Method> overloads = settersOf(name);
            String display = displayNames.get(name.toUpperCase(Locale.ROOT));
            if (!seen.add(display)) {
                throw new IllegalArgumentException("parameter " + display + " given twice");
            }
            set(target, display, overloads, nameValue.get(1));
            applied.add(display);
        }
        return applied;
    }

    private List<Method> settersOf(String name) {
        List<Method> overloads = setters.get(name.toUpperCase(Locale.ROOT));
        if (overloads == null) {
            throw new IllegalArgumentException("unknown parameter " + name
                    + Suggestions.didYouMean(name, displayNames.values()) + known());
        }
        return overloads;
    }

    private String known() {
        return displayNames.isEmpty() ? " (this command takes no parameters)"
                                      : " (parameters: " + String.join(", ", names()) + ")";
    }

    private static void set(Object target, String name, List<Method> overloads, String raw) {
        IllegalArgumentException first = null;
        for (Method setter : overloads) {
            Type type = setter.getGenericParameterTypes()[0];
            Object value;
            try {
                value = ValueConverter.convert(raw, type);
            } catch (IllegalArgumentException e) {
                first = first == null ? e : first;
                continue;
            }
            invoke(target, name, setter, value);
            return;
        }
        throw new IllegalArgumentException("bad value for " + name + ": " + first.getMessage());
    }

    private static void invoke(Object target, String name, Method setter, Object value) {
        try {
            setter.invoke(target, value);
        } catch (InvocationTargetException e) {
            Throwable cause = e.getCause();
            throw new IllegalArgumentException("bad value for " + name + ": "
                    + (cause.getMessage() == null ? cause.toString() : cause.getMessage()), cause);
        } catch (IllegalAccessException e) {
            throw new IllegalArgumentException("cannot set " + name + ": " + e.getMessage(), e);
        }
    }
}
