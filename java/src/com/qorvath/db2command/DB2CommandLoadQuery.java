package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Asks for the progress and state of a load on a table (DB2's LOAD QUERY).
 *
 * <p>Needs a database connection in the run-time context. The result is one row: the table's
 * state, the load's phase and its row counts.
 */
public class DB2CommandLoadQuery extends DB2Command {
    private String tableName;
    private EnumShowLoadMessages showLoadMessages;
    private String localMessageFile;

    /** Which messages of the load are written to the local message file. */
    public static final class EnumShowLoadMessages extends EnumTypeBase {
        /** Every message. */
        public static final EnumShowLoadMessages ALL = new EnumShowLoadMessages(0, "All");
        /** None. */
        public static final EnumShowLoadMessages NONE = new EnumShowLoadMessages(1, "None");
        /** Those since the last query. */
        public static final EnumShowLoadMessages NEW = new EnumShowLoadMessages(2, "New");

        private EnumShowLoadMessages(int type, String name) {
            super(type, name);
        }
    }

    /** Creates the command with no parameters yet. */
    public DB2CommandLoadQuery() {}

    /**
     * Returns {@link EnumDB2CommandType#LOADQUERY}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LOADQUERY;
    }

    /**
     * Returns the table whose load is asked about.
     *
     * @return the value, or null when not set
     */
    public String getTableName() {
        return tableName;
    }

    /**
     * Sets the table whose load is asked about.
     *
     * @param tableName the value; null for the default
     */
    public void setTableName(String tableName) {
        this.tableName = tableName;
    }

    /**
     * Returns which of the load's messages go to the message file.
     *
     * @return the value, or null when not set
     */
    public EnumShowLoadMessages getShowLoadMessages() {
        return showLoadMessages;
    }

    /**
     * Sets which of the load's messages go to the message file.
     *
     * @param showLoadMessages the value; null for the default
     */
    public void setShowLoadMessages(EnumShowLoadMessages showLoadMessages) {
        this.showLoadMessages = showLoadMessages;
    }

    /**
     * Returns the file the load's messages are written to (empty: none).
     *
     * @return the value, or null when not set
     */
    public String getLocalMessageFile() {
        return localMessageFile;
    }

    /**
     * Sets the file the load's messages are written to (empty: none).
     *
     * @param localMessageFile the value; null for the default
     */
    public void setLocalMessageFile(String localMessageFile) {
        this.localMessageFile = localMessageFile;
    }

    /**
     * Returns the code of {@link #getShowLoadMessages()}, the value the library reads.
     *
     * @return the code, or null when not set (all messages)
     */
    public Integer getShowLoadMessagesValue() {
        return showLoadMessages == null ? null : showLoadMessages.getType();
    }
}
