package com.qorvath.db2command.tests;

import static org.junit.jupiter.api.Assertions.*;

import com.qorvath.db2command.console.SnapshotView;
import com.qorvath.db2command.monitor.MonitorElement;
import com.qorvath.db2command.monitor.MonitorStreamDecoder;
import com.qorvath.db2command.monitor.MonitorStreamException;
import java.io.ByteArrayOutputStream;
import java.math.BigInteger;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;
import java.time.Duration;
import java.time.Instant;
import java.util.ArrayDeque;
import java.util.Arrays;
import java.util.Deque;
import java.util.List;
import java.util.Random;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;

/** The monitor stream decoder: typed values in nested groups, and any damaged stream refused. */
class JavaSideMonitorStreamTest {
    /** Writes a stream as DB2 does: sizes of groups filled in when they close. */
    private static final class Writer {
        private final ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        private final Deque<Integer> open = new ArrayDeque<>();

        Writer open(int id) {
            open.push(bytes.size());
            return header(0, MonitorElement.TYPE_HEADER, id);
        }

        Writer close() {
            int start = open.pop();
            byte[] all = bytes.toByteArray();
            ByteBuffer.wrap(all).order(ByteOrder.nativeOrder())
                    .putInt(start, all.length - start - 8);
            bytes.reset();
            bytes.writeBytes(all);
            return this;
        }

        Writer number(int id, int type, int size, long value) {
            header(size, type, id);
            ByteBuffer data = ByteBuffer.allocate(size).order(ByteOrder.nativeOrder());
            switch (size) {
                case 1 -> data.put((byte) value);
                case 2 -> data.putShort((short) value);
                case 4 -> data.putInt((int) value);
                default -> data.putLong(value);
            }
            bytes.writeBytes(data.array());
            return this;
        }

        Writer text(int id, String value) {
            byte[] data = value.getBytes(StandardCharsets.UTF_8);
            header(data.length, MonitorElement.TYPE_STRING, id);
            bytes.writeBytes(data);
            return this;
        }

        Writer header(int size, int type, int id) {
            bytes.writeBytes(ByteBuffer.allocate(8).order(ByteOrder.nativeOrder())
                    .putInt(size).putShort((short) type).putShort((short) id).array());
            return this;
        }

        byte[] bytes() {
            return bytes.toByteArray();
        }
    }

    /** A small snapshot: the manager with two switches, two applications. */
    private static byte[] sample() {
        Writer w = new Writer().open(20);
        w.text(304, "SQL09074").number(307, MonitorElement.TYPE_U16, 2, 0);
        w.open(1).number(392, MonitorElement.TYPE_U32, 4, 0);
        w.open(21).open(22).number(344, MonitorElement.TYPE_U32, 4, 1);
        w.open(230).number(300, MonitorElement.TYPE_U32, 4, 1_700_000_000L)
                .number(301, MonitorElement.TYPE_U32, 4, 250).close();
        w.close().open(25).number(344, MonitorElement.TYPE_U32, 4, 0).close().close().close();
        for (int agent : new int[] {7, 9}) {
            w.open(5).open(4).number(302, MonitorElement.TYPE_U32, 4, agent).text(316, "ALICE")
                    .close().close();
        }
        w.number(308, MonitorElement.TYPE_S32, 4, -3600);
        w.number(699, MonitorElement.TYPE_U64, 8, -1L);
        w.header(3, 59, 999).bytes.writeBytes(new byte[] {1, 2, (byte) 0xFF});
        return w.close().bytes();
    }

    private static MonitorElement decode(byte[] stream) throws MonitorStreamException {
        return MonitorStreamDecoder.decode(ByteBuffer.wrap(stream));
    }

    @Test
    void decodesNestedGroupsWithTypedValues() throws Exception {
        MonitorElement collected = decode(sample());
        assertEquals("collected", collected.name());
        assertTrue(collected.isGroup());
        assertEquals("SQL09074", collected.child("server_prdid").value());
        assertEquals(-3600L, collected.child("time_zone_disp").value());
        assertEquals(new BigInteger("18446744073709551615"),
                collected.child("tablespace_total_pages").value());
        assertEquals("0102ff", collected.child("element_999").text());
        assertEquals(List.of(7L, 9L), collected.findAll("agent_id").stream()
                .map(MonitorElement::value).toList());
        MonitorElement uow = collected.find("uow_sw");
        assertEquals(1L, uow.child("output_state").value());
        MonitorElement set = uow.child("switch_set_time");
        assertTrue(set.isTimestamp());
        assertEquals(Instant.ofEpochSecond(1_700_000_000L, 250_000), set.instant());
        assertEquals("db2", collected.children().get(2).name());
        assertEquals(2, collected.findAll("appl").size());
    }

    /** The decoder reads from the position on and leaves the caller's buffer as it was. */
    @Test
    void readsAtThePositionAndLeavesTheBuffer() throws Exception {
        byte[] stream = sample();
        ByteBuffer buffer = ByteBuffer.allocate(stream.length + 10).order(ByteOrder.BIG_ENDIAN);
        buffer.position(4).put(stream).position(4);
        assertEquals("collected", MonitorStreamDecoder.decode(buffer).name());
        assertEquals(4, buffer.position());
        assertEquals(ByteOrder.BIG_ENDIAN, buffer.order());
    }

    @Test
    void everyTruncationIsRefused() {
        byte[] stream = sample();
        for (int length = 0; length < stream.length; length++) {
            byte[] cut = Arrays.copyOf(stream, length);
            assertThrows(MonitorStreamException.class, () -> decode(cut), "length " + length);
        }
    }

    @ParameterizedTest
    @ValueSource(ints = {3, 5, 9})
    void numbersOfTheWrongWidthAreRefused(int width) {
        Writer w = new Writer().open(20).header(width, MonitorElement.TYPE_U32, 302);
        w.bytes.writeBytes(new byte[width]);
        byte[] stream = w.close().bytes();
        assertThrows(MonitorStreamException.class, () -> decode(stream));
    }

    @Test
    void aTimestampNoInstantCanHoldHasNoText() throws Exception {
        byte[] stream = new Writer().open(20).open(208)
                .number(300, MonitorElement.TYPE_U64, 8, Long.MAX_VALUE)
                .number(301, MonitorElement.TYPE_U32, 4, 0).close().close().bytes();
        MonitorElement reset = decode(stream).child("last_reset");
        assertTrue(reset.isTimestamp());
        assertNull(reset.instant());
        assertNull(reset.text());
    }

    @Test
    void nestingDeeperThanTheLimitIsRefused() {
        Writer w = new Writer();
        for (int i = 0; i <= MonitorStreamDecoder.MAX_DEPTH; i++) {
            w.open(20);
        }
        for (int i = 0; i <= MonitorStreamDecoder.MAX_DEPTH; i++) {
            w.close();
        }
        assertThrows(MonitorStreamException.class, () -> decode(w.bytes()));
    }

    /**
     * Random bytes, and a real stream with random bytes changed: each decodes or fails with the
     * decoder's own exception, what decodes renders as tables and JSON, and the whole run ends
     * quickly.
     */
    @Test
    void randomAndDamagedStreamsDecodeOrFailCleanly() {
        Random random = new Random(15);
        byte[] good = sample();
        assertTimeoutPreemptively(Duration.ofSeconds(60), () -> {
            for (int round = 0; round < 20_000; round++) {
                byte[] stream;
                if (round % 2 == 0) {
                    stream = new byte[random.nextInt(200)];
                    random.nextBytes(stream);
                    if (stream.length >= 8 && round % 4 == 0) {  // a plausible first size
                        ByteBuffer.wrap(stream).order(ByteOrder.nativeOrder())
                                .putInt(0, stream.length - 8);
                    }
                } else {
                    stream = good.clone();
                    for (int flips = 1 + random.nextInt(4); flips > 0; flips--) {
                        stream[random.nextInt(stream.length)] = (byte) random.nextInt(256);
                    }
                }
                try {
                    MonitorElement top = decode(stream);
                    assertNotNull(top.name());
                    top.findAll("agent_id").forEach(MonitorElement::text);
                    top.findAll("switch_set_time").forEach(MonitorElement::text);
                    assertNotNull(SnapshotView.tables(top));
                    assertTrue(SnapshotView.json(top).startsWith("{"));
                } catch (MonitorStreamException expected) {
                    assertNotNull(expected.getMessage());
                }
            }
        });
    }
}
