package com.qorvath.db2command.monitor;

import java.math.BigInteger;
import java.time.DateTimeException;
import java.time.Instant;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * One element of a monitor data stream: a logical group holding further elements, or a value
 * typed by its header (a number, a text, or raw bytes for types a reader does not know).
 */
public final class MonitorElement {
    /** The type of a logical group. */
    public static final int TYPE_HEADER = 1;
    /** A text of the server's code page. */
    public static final int TYPE_STRING = 50;
    /** An unsigned 8-bit number. */
    public static final int TYPE_U8 = 51;
    /** A signed 8-bit number. */
    public static final int TYPE_S8 = 52;
    /** A signed 16-bit number. */
    public static final int TYPE_S16 = 53;
    /** An unsigned 16-bit number. */
    public static final int TYPE_U16 = 54;
    /** A signed 32-bit number. */
    public static final int TYPE_S32 = 55;
    /** An unsigned 32-bit number. */
    public static final int TYPE_U32 = 56;
    /** An unsigned 64-bit number. */
    public static final int TYPE_U64 = 57;
    /** A signed 64-bit number. */
    public static final int TYPE_S64 = 58;

    private final int id;
    private final int type;
    private final Object value;
    private final List<MonitorElement> children;

    private MonitorElement(int id, int type, Object value, List<MonitorElement> children) {
        this.id = id;
        this.type = type;
        this.value = value;
        this.children = children;
    }

    static MonitorElement group(int id, List<MonitorElement> children) {
        return new MonitorElement(id, TYPE_HEADER, null, Collections.unmodifiableList(children));
    }

    static MonitorElement value(int id, int type, Object value) {
        return new MonitorElement(id, type, value, List.of());
    }

    /**
     * Returns the element id.
     *
     * @return DB2's element id
     */
    public int id() {
        return id;
    }

    /**
     * Returns the element's name: DB2's name of the element in lower case, or
     * {@code element_<id>} for one the reader does not know.
     *
     * @return the name
     */
    public String name() {
        return MonitorElementNames.name(id);
    }

    /**
     * Returns the type of the header.
     *
     * @return {@link #TYPE_HEADER} for a group, else the value's type
     */
    public int type() {
        return type;
    }

    /**
     * Tells whether the element is a logical group.
     *
     * @return true for a group
     */
    public boolean isGroup() {
        return type == TYPE_HEADER;
    }

    /**
     * Tells whether the element is a timestamp: a group of seconds and microseconds.
     *
     * @return true for a timestamp
     */
    public boolean isTimestamp() {
        return isGroup() && child("seconds") != null && child("microsec") != null
                && children.size() == 2;
    }

    /**
     * Returns the value: a {@link Long} for the numbers (a {@link BigInteger} for an unsigned
     * 64-bit one above {@link Long#MAX_VALUE}), a {@link String} for a text, a {@code byte[]}
     * copy for another type, null for a group.
     *
     * @return the value
     */
    public Object value() {
        return value instanceof byte[] bytes ? bytes.clone() : value;
    }

    /**
     * Returns a number's value.
     *
     * @return the number, or null when the element is not a number
     */
    public Number number() {
        return value instanceof Number n ? n : null;
    }

    /**
     * Returns the instant of a timestamp.
     *
     * @return the instant, or null when the element is not a timestamp or its seconds are out of
     *     the range of an instant
     */
    public Instant instant() {
        if (!isTimestamp()) {
            return null;
        }
        Number seconds = child("seconds").number();
        Number micros = child("microsec").number();
        if (seconds == null || micros == null) {
            return null;
        }
        try {
            return Instant.ofEpochSecond(seconds.longValue(),
                    Math.floorMod(micros.longValue(), 1_000_000L) * 1000L);
        } catch (DateTimeException outOfRange) {
            return null;  // seconds no instant can hold: a damaged stream
        }
    }

    /**
     * Returns the value as text: the text, the number in decimal, a timestamp as an ISO-8601
     * instant, other bytes in hexadecimal; a group gives null.
     *
     * @return the text
     */
    public String text() {
        if (isTimestamp()) {
            Instant instant = instant();
            return instant == null ? null : instant.toString();
        }
        if (value instanceof byte[] bytes) {
            StringBuilder hex = new StringBuilder(bytes.length * 2);
            for (byte b : bytes) {
                hex.append(Character.forDigit((b >> 4) & 0xF, 16))
                        .append(Character.forDigit(b & 0xF, 16));
            }
            return hex.toString();
        }
        return value == null ? null : value.toString();
    }

    /**
     * Returns a group's elements in stream order.
     *
     * @return the elements, empty for a value
     */
    public List<MonitorElement> children() {
        return children;
    }

    /**
     * Returns the first element of a group with that name.
     *
     * @param name the element's name
     * @return the element, or null
     */
    public MonitorElement child(String name) {
        for (MonitorElement child : children) {
            if (child.name().equals(name)) {
                return child;
            }
        }
        return null;
    }

    /**
     * Returns every element with that name below this one, depth first.
     *
     * @param name the element's name
     * @return the elements in stream order
     */
    public List<MonitorElement> findAll(String name) {
        List<MonitorElement> found = new ArrayList<>();
        List<MonitorElement> pending = new ArrayList<>(children);
        Collections.reverse(pending);
        while (!pending.isEmpty()) {
            MonitorElement next = pending.remove(pending.size() - 1);
            if (next.name().equals(name)) {
                found.add(next);
            }
            for (int i = next.children.size() - 1; i >= 0; i--) {
                pending.add(next.children.get(i));
            }
        }
        return found;
    }

    /**
     * Returns the first element with that name below this one, depth first.
     *
     * @param name the element's name
     * @return the element, or null
     */
    public MonitorElement find(String name) {
        List<MonitorElement> found = findAll(name);
        return found.isEmpty() ? null : found.get(0);
    }

    @Override
    public String toString() {
        return isGroup() ? name() + children : name() + "=" + text();
    }
}
