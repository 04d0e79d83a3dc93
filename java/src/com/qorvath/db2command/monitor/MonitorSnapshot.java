package com.qorvath.db2command.monitor;

import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.sql.SQLException;

/**
 * Database-monitor snapshots as DB2's self-describing monitor data stream.
 *
 * <p>A stream is a sequence of elements, each an 8-byte header (a 32-bit size of the data that
 * follows, a 16-bit type and a 16-bit element id) and its data; a logical group's data is more
 * elements. The whole snapshot is one group, {@link #ELEMENT_COLLECTED}, so a stream is its
 * first header's size plus 8 bytes long. Numbers are in the byte order of the machine that took
 * the snapshot: buffers from {@link #take} are set to it.
 */
public final class MonitorSnapshot {
    /** The element type of a logical group. */
    public static final int TYPE_HEADER = 1;
    /** The element id of the group that holds a whole snapshot. */
    public static final int ELEMENT_COLLECTED = 20;
    /** The size of an element header. */
    public static final int HEADER_SIZE = 8;
    /** The partition a snapshot is taken on by default: the current one. */
    public static final int CURRENT_PARTITION = -1;
    /** Every partition. */
    public static final int ALL_PARTITIONS = -2;

    /** What a snapshot is taken of: DB2's request codes. */
    public enum EnumSnapshotType {
        /** The database manager (the instance). */
        DATABASE_MANAGER(0x00010001),
        /** One database, named by its alias. */
        DATABASE(0x00010002),
        /** One application, named by its application id. */
        APPLICATION(0x00010003),
        /** One application, by its agent id. */
        APPLICATION_BY_AGENT_ID(0x00010004),
        /** The tables of one database. */
        TABLES(0x00010005),
        /** The applications connected to one database. */
        APPLICATIONS_OF_DATABASE(0x00010006),
        /** The locks of one database. */
        LOCKS(0x00010008),
        /** Every active database. */
        ALL_DATABASES(0x00010009),
        /** Every application. */
        ALL_APPLICATIONS(0x0001000A),
        /** The table spaces of one database. */
        TABLESPACES(0x0001000D),
        /** The buffer pools of one database. */
        BUFFERPOOLS(0x00010016),
        /** Every buffer pool. */
        ALL_BUFFERPOOLS(0x00010017);

        private final int code;

        EnumSnapshotType(int code) {
            this.code = code;
        }

        /**
         * Returns DB2's request code.
         *
         * @return the code
         */
        public int code() {
            return code;
        }
    }

    /**
     * An element header.
     *
     * @param size the bytes of data after the header (unsigned)
     * @param type the element type ({@link #TYPE_HEADER} for a logical group)
     * @param element the element id
     */
    public record Header(long size, int type, int element) {}

    private MonitorSnapshot() {}

    /**
     * Takes a snapshot through the native library.
     *
     * @param type what to take a snapshot of
     * @param objectName the object the type names (a database alias, an application id); null
     *     for none; at most 127 characters
     * @param agentId the agent id, for {@link EnumSnapshotType#APPLICATION_BY_AGENT_ID}
     * @param partition the partition, {@link #CURRENT_PARTITION} or {@link #ALL_PARTITIONS}
     * @param context the connection state; its instance attachment is used when there is one
     * @return the stream in a direct buffer of exactly its length, in the machine's byte order,
     *     or null when DB2 gave no snapshot
     * @throws SQLException when the request is refused (an object name DB2 would read
     *     differently) or Java has no memory for the buffer
     */
    public static ByteBuffer take(EnumSnapshotType type, String objectName, int agentId,
            int partition, DB2CommandRuntimeContext context) throws SQLException {
        ByteBuffer stream = TarvinexUtil.getSnapshotInByteBuffer(partition, type.code(),
                objectName, agentId, context, 0);
        return stream == null ? null : stream.order(ByteOrder.nativeOrder());
    }

    /**
     * Reads the element header at a position of a stream.
     *
     * @param stream the stream, in its byte order
     * @param position where the header starts
     * @return the header
     * @throws IllegalArgumentException when fewer than 8 bytes are left there
     */
    public static Header header(ByteBuffer stream, int position) {
        if (position < 0 || stream.limit() - position < HEADER_SIZE) {
            throw new IllegalArgumentException("no element header at " + position + " of a "
                    + stream.limit() + "-byte stream");
        }
        return new Header(Integer.toUnsignedLong(stream.getInt(position)),
                Short.toUnsignedInt(stream.getShort(position + 4)),
                Short.toUnsignedInt(stream.getShort(position + 6)));
    }
}
