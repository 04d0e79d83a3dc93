package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Quiesces the table spaces of a table of the connected database, or resets their quiesce.
 *
 * <p>Needs a database connection in the run-time context.
 */
public class DB2CommandQuiesceTablespaces extends DB2Command {
    private String tablename;
    private EnumQuiesceMode quiesceMode;

    /** Quiesce modes; the codes are DB2's and are passed unchanged. */
    public static final class EnumQuiesceMode extends EnumTypeBase {
        /** Others may read, nobody may change. */
        public static final EnumQuiesceMode SHARE = new EnumQuiesceMode(0, "SHARE");
        /** The quiescer may change, others may read. */
        public static final EnumQuiesceMode INTENT_TO_UPDATE =
                new EnumQuiesceMode(1, "INTENT_TO_UPDATE");
        /** Only the quiescer may read or change. */
        public static final EnumQuiesceMode EXCLUSIVE = new EnumQuiesceMode(2, "EXCLUSIVE");
        /** Ends the quiesce. */
        public static final EnumQuiesceMode RESET = new EnumQuiesceMode(9, "RESET");

        private EnumQuiesceMode(int type, String name) {
            super(type, name);
        }

        /**
         * Returns DB2's quiesce mode, the code of this constant.
         *
         * @return the mode
         */
        public int getValue() {
            return getType();
        }
    }

    /** Creates the command with every parameter unset. */
    public DB2CommandQuiesceTablespaces() {}

    /**
     * Returns {@link EnumDB2CommandType#QUIESCE_TABLESPACES}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.QUIESCE_TABLESPACES;
    }

    /**
     * Returns the table (schema.name) whose table spaces are quiesced.
     *
     * @return the value
     */
    public String getTablename() {
        return tablename;
    }

    /**
     * Sets the table (schema.name) whose table spaces are quiesced.
     *
     * @param tablename the value
     */
    public void setTablename(String tablename) {
        this.tablename = tablename;
    }

    /**
     * Returns the quiesce mode; null is {@link EnumQuiesceMode#SHARE}.
     *
     * @return the value
     */
    public EnumQuiesceMode getQuiesceMode() {
        return quiesceMode;
    }

    /**
     * Sets the quiesce mode; null is {@link EnumQuiesceMode#SHARE}.
     *
     * @param quiesceMode the value
     */
    public void setQuiesceMode(EnumQuiesceMode quiesceMode) {
        this.quiesceMode = quiesceMode;
    }
}
