package com.qorvath.db2command.monitor;

import java.math.BigInteger;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;
import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.Deque;
import java.util.List;

/**
 * Reads DB2's self-describing monitor data stream into {@link MonitorElement}s.
 *
 * <p>Every element is an 8-byte header (32-bit size of the data after it, 16-bit type, 16-bit
 * element id) and its data; a logical group's data are further elements and must hold them
 * exactly. Any stream, however damaged, either decodes or fails with a {@link
 * MonitorStreamException}: every step reads a header or closes a group, so decoding ends, and
 * nothing is read past the stream or a group's end.
 */
public final class MonitorStreamDecoder {
    /** The deepest nesting of groups read; DB2's streams nest a few levels. */
    public static final int MAX_DEPTH = 64;

    private static final int HEADER_SIZE = 8;

    private MonitorStreamDecoder() {}

    /** A group being read: its id, where it ends, what it holds so far. */
    private static final class Frame {
        final int id;
        final int end;
        final List<MonitorElement> children = new ArrayList<>();

        Frame(int id, int end) {
            this.id = id;
            this.end = end;
        }
    }

    /**
     * Reads a snapshot: the one element at the buffer's position (the {@code collected} group of
     * a snapshot), in the machine's byte order. The buffer's position and order are left as
     * they were; bytes after the element are not read.
     *
     * @param stream the stream
     * @return the element
     * @throws MonitorStreamException when the stream is cut short or malformed
     */
    public static MonitorElement decode(ByteBuffer stream) throws MonitorStreamException {
        return decode(stream, ByteOrder.nativeOrder());
    }

    /**
     * Reads the one element at the buffer's position, in the given byte order.
     *
     * @param stream the stream
     * @param order the byte order of the machine that wrote it
     * @return the element
     * @throws MonitorStreamException when the stream is cut short or malformed
     */
    public static MonitorElement decode(ByteBuffer stream, ByteOrder order)
            throws MonitorStreamException {
        ByteBuffer in = view(stream, order);
        if (in.remaining() < HEADER_SIZE) {
            throw new MonitorStreamException("a stream of " + in.remaining()
                    + " bytes holds no element header");
        }
        long size = Integer.toUnsignedLong(in.getInt(in.position()));
        if (size > in.remaining() - HEADER_SIZE) {
            throw new MonitorStreamException("the stream's first element claims " + size
                    + " bytes, " + (in.remaining() - HEADER_SIZE) + " follow");
        }
        List<MonitorElement> elements =
                read(in, in.position(), in.position() + HEADER_SIZE + (int) size);
        return elements.get(0);
    }

    /**
     * Reads every element from the buffer's position to its limit.
     *
     * @param stream the stream
     * @param order the byte order of the machine that wrote it
     * @return the elements in stream order
     * @throws MonitorStreamException when the stream is cut short or malformed
     */
    public static List<MonitorElement> decodeAll(ByteBuffer stream, ByteOrder order)
            throws MonitorStreamException {
        ByteBuffer in = view(stream, order);
        return read(in, in.position(), in.limit());
    }

    private static ByteBuffer view(ByteBuffer stream, ByteOrder order)
            throws MonitorStreamException {
        if (stream == null) {
            throw new MonitorStreamException("no stream");
        }
        return stream.duplicate().order(order);
    }

    private static List<MonitorElement> read(ByteBuffer in, int start, int end)
            throws MonitorStreamException {
        Deque<Frame> open = new ArrayDeque<>();
        Frame top = new Frame(-1, end);
        open.push(top);
        int at = start;
        while (true) {
            Frame frame = open.peek();
            if (at == frame.end) {
                open.pop();
                if (open.isEmpty()) {
                    return frame.children;
                }
                open.peek().children.add(MonitorElement.group(frame.id, frame.children));
                continue;
            }
            if (frame.end - at < HEADER_SIZE) {
                throw new MonitorStreamException("an element header at byte " + at
                        + " is cut short: " + (frame.end - at) + " bytes left in its group");
            }
            long size = Integer.toUnsignedLong(in.getInt(at));
            int type = Short.toUnsignedInt(in.getShort(at + 4));
            int id = Short.toUnsignedInt(in.getShort(at + 6));
            at += HEADER_SIZE;
            if (size > frame.end - at) {
                throw new MonitorStreamException("element " + MonitorElementNames.name(id)
                        + " at byte " + (at - HEADER_SIZE) + " claims " + size + " bytes, "
                        + (frame.end - at) + " are left in its group");
            }
            if (type == MonitorElement.TYPE_HEADER) {
                if (open.size() > MAX_DEPTH) {
                    throw new MonitorStreamException("groups nest deeper than " + MAX_DEPTH
                            + " at byte " + (at - HEADER_SIZE));
                }
                open.push(new Frame(id, at + (int) size));
                continue;
            }
            frame.children.add(MonitorElement.value(id, type, value(in, at, (int) size, type, id)));
            at += (int) size;
        }
    }

    private static Object value(ByteBuffer in, int at, int size, int type, int id)
            throws MonitorStreamException {
        int expected = switch (type) {
            case MonitorElement.TYPE_U8, MonitorElement.TYPE_S8 -> 1;
            case MonitorElement.TYPE_U16, MonitorElement.TYPE_S16 -> 2;
            case MonitorElement.TYPE_U32, MonitorElement.TYPE_S32 -> 4;
            case MonitorElement.TYPE_U64, MonitorElement.TYPE_S64 -> 8;
            default -> -1;
        };
        if (expected != -1 && size != expected) {
            throw new MonitorStreamException("element " + MonitorElementNames.name(id)
                    + " at byte " + (at - HEADER_SIZE) + " of type " + type + " holds " + size
                    + " bytes, not " + expected);
        }
        switch (type) {
            case MonitorElement.TYPE_U8:
                return (long) Byte.toUnsignedInt(in.get(at));
            case MonitorElement.TYPE_S8:
                return (long) in.get(at);
            case MonitorElement.TYPE_U16:
                return (long) Short.toUnsignedInt(in.getShort(at));
            case MonitorElement.TYPE_S16:
                return (long) in.getShort(at);
            case MonitorElement.TYPE_U32:
                return Integer.toUnsignedLong(in.getInt(at));
            case MonitorElement.TYPE_S32:
                return (long) in.getInt(at);
            case MonitorElement.TYPE_U64: {
                long raw = in.getLong(at);
                return raw >= 0 ? (Object) raw
                                : new BigInteger(Long.toUnsignedString(raw));
            }
            case MonitorElement.TYPE_S64:
                return in.getLong(at);
            default:
                byte[] bytes = new byte[size];
                in.get(at, bytes);
                return type == MonitorElement.TYPE_STRING
                        ? new String(bytes, StandardCharsets.UTF_8)
                        : bytes;
        }
    }
}
