package com.qorvath.db2command;

/**
 * Imports rows into a table from a data file on the client (DB2's IMPORT utility).
 *
 * <p>Needs a database connection in the run-time context. The first method flag that is set
 * chooses how the file's columns are picked (locations, then names, then positions); with none,
 * the file's order is used. The XML getters are read only when both client and server are at
 * version 9 or later. Lists are comma separated; numbers in them may hold blanks but nothing
 * else.
 */
public class DB2CommandImport extends DB2Command {
    private String filename;
    private String filetype;
    private String actionString;
    private String fileTypeModString;
    private String messageFile;
    private String nullIndicatorListString;
    private Boolean methodLocations;
    private Boolean methodNames;
    private Boolean methodPositions;
    private String columnStartEndString;
    private String columnNameString;
    private String columnPositionString;
    private String lobPathString;
    private Integer rowCount;
    private Integer restartCount;
    private Integer commitCount;
    private Integer warningCount;
    private Boolean notimeout;
    private Boolean writeAccess;
    private Boolean xmlValidate;
    private String xmlPathString;
    private Boolean xds;
    private String schemaSqlid;
    private String ignoreSchemaSqlidString;
    private String mapSchemaSqlidString;
    private Boolean strip;

    /** Creates the command with no parameters yet. */
    public DB2CommandImport() {}

    /**
     * Returns {@link EnumDB2CommandType#IMPORT}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.IMPORT;
    }

    /**
     * Returns the data file to read.
     *
     * @return the value, or null when not set
     */
    public String getFilename() {
        return filename;
    }

    /**
     * Sets the data file to read.
     *
     * @param filename the value; null for the default
     */
    public void setFilename(String filename) {
        this.filename = filename;
    }

    /**
     * Returns the file format, such as DEL, ASC or IXF.
     *
     * @return the value, or null when not set
     */
    public String getFiletype() {
        return filetype;
    }

    /**
     * Sets the file format, such as DEL, ASC or IXF.
     *
     * @param filetype the value; null for the default
     */
    public void setFiletype(String filetype) {
        this.filetype = filetype;
    }

    /**
     * Returns the action clause, such as "INSERT INTO STAFF2"; passed as it is.
     *
     * @return the value, or null when not set
     */
    public String getActionString() {
        return actionString;
    }

    /**
     * Sets the action clause, such as "INSERT INTO STAFF2"; passed as it is.
     *
     * @param actionString the value; null for the default
     */
    public void setActionString(String actionString) {
        this.actionString = actionString;
    }

    /**
     * Returns the file type modifiers as one text, such as "coldel;".
     *
     * @return the value, or null when not set
     */
    public String getFileTypeModString() {
        return fileTypeModString;
    }

    /**
     * Sets the file type modifiers as one text, such as "coldel;".
     *
     * @param fileTypeModString the value; null for the default
     */
    public void setFileTypeModString(String fileTypeModString) {
        this.fileTypeModString = fileTypeModString;
    }

    /**
     * Returns the message file (empty: import_msgs.log).
     *
     * @return the value, or null when not set
     */
    public String getMessageFile() {
        return messageFile;
    }

    /**
     * Sets the message file (empty: import_msgs.log).
     *
     * @param messageFile the value; null for the default
     */
    public void setMessageFile(String messageFile) {
        this.messageFile = messageFile;
    }

    /**
     * Returns the null indicator columns as a comma list, such as "0,5".
     *
     * @return the value, or null when not set
     */
    public String getNullIndicatorListString() {
        return nullIndicatorListString;
    }

    /**
     * Sets the null indicator columns as a comma list, such as "0,5".
     *
     * @param nullIndicatorListString the value; null for the default
     */
    public void setNullIndicatorListString(String nullIndicatorListString) {
        this.nullIndicatorListString = nullIndicatorListString;
    }

    /**
     * Returns whether columns are chosen by byte locations (method L).
     *
     * @return the value, or null when not set
     */
    public Boolean getMethodLocations() {
        return methodLocations;
    }

    /**
     * Sets whether columns are chosen by byte locations (method L).
     *
     * @param methodLocations the value; null for the default
     */
    public void setMethodLocations(Boolean methodLocations) {
        this.methodLocations = methodLocations;
    }

    /**
     * Returns whether columns are chosen by name (method N).
     *
     * @return the value, or null when not set
     */
    public Boolean getMethodNames() {
        return methodNames;
    }

    /**
     * Sets whether columns are chosen by name (method N).
     *
     * @param methodNames the value; null for the default
     */
    public void setMethodNames(Boolean methodNames) {
        this.methodNames = methodNames;
    }

    /**
     * Returns whether columns are chosen by position (method P).
     *
     * @return the value, or null when not set
     */
    public Boolean getMethodPositions() {
        return methodPositions;
    }

    /**
     * Sets whether columns are chosen by position (method P).
     *
     * @param methodPositions the value; null for the default
     */
    public void setMethodPositions(Boolean methodPositions) {
        this.methodPositions = methodPositions;
    }

    /**
     * Returns the column locations for method L, such as "1 10, 12 20".
     *
     * @return the value, or null when not set
     */
    public String getColumnStartEndString() {
        return columnStartEndString;
    }

    /**
     * Sets the column locations for method L, such as "1 10, 12 20".
     *
     * @param columnStartEndString the value; null for the default
     */
    public void setColumnStartEndString(String columnStartEndString) {
        this.columnStartEndString = columnStartEndString;
    }

    /**
     * Returns the column names for method N, as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getColumnNameString() {
        return columnNameString;
    }

    /**
     * Sets the column names for method N, as a comma list.
     *
     * @param columnNameString the value; null for the default
     */
    public void setColumnNameString(String columnNameString) {
        this.columnNameString = columnNameString;
    }

    /**
     * Returns the column positions for method P, such as "3, 5".
     *
     * @return the value, or null when not set
     */
    public String getColumnPositionString() {
        return columnPositionString;
    }

    /**
     * Sets the column positions for method P, such as "3, 5".
     *
     * @param columnPositionString the value; null for the default
     */
    public void setColumnPositionString(String columnPositionString) {
        this.columnPositionString = columnPositionString;
    }

    /**
     * Returns the folders holding LOB files, as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getLobPathString() {
        return lobPathString;
    }

    /**
     * Sets the folders holding LOB files, as a comma list.
     *
     * @param lobPathString the value; null for the default
     */
    public void setLobPathString(String lobPathString) {
        this.lobPathString = lobPathString;
    }

    /**
     * Returns the number of rows to import (null or 0: all).
     *
     * @return the value, or null when not set
     */
    public Integer getRowCount() {
        return rowCount;
    }

    /**
     * Sets the number of rows to import (null or 0: all).
     *
     * @param rowCount the value; null for the default
     */
    public void setRowCount(Integer rowCount) {
        this.rowCount = rowCount;
    }

    /**
     * Returns the number of rows to skip before importing (null: none).
     *
     * @return the value, or null when not set
     */
    public Integer getRestartCount() {
        return restartCount;
    }

    /**
     * Sets the number of rows to skip before importing (null: none).
     *
     * @param restartCount the value; null for the default
     */
    public void setRestartCount(Integer restartCount) {
        this.restartCount = restartCount;
    }

    /**
     * Returns the rows between commits (null: -1, DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public Integer getCommitCount() {
        return commitCount;
    }

    /**
     * Sets the rows between commits (null: -1, DB2 chooses).
     *
     * @param commitCount the value; null for the default
     */
    public void setCommitCount(Integer commitCount) {
        this.commitCount = commitCount;
    }

    /**
     * Returns the warnings after which the import stops (null or 0: never).
     *
     * @return the value, or null when not set
     */
    public Integer getWarningCount() {
        return warningCount;
    }

    /**
     * Sets the warnings after which the import stops (null or 0: never).
     *
     * @param warningCount the value; null for the default
     */
    public void setWarningCount(Integer warningCount) {
        this.warningCount = warningCount;
    }

    /**
     * Returns whether the import must not wait for locks (null: false).
     *
     * @return the value, or null when not set
     */
    public Boolean getNotimeout() {
        return notimeout;
    }

    /**
     * Sets whether the import must not wait for locks (null: false).
     *
     * @param notimeout the value; null for the default
     */
    public void setNotimeout(Boolean notimeout) {
        this.notimeout = notimeout;
    }

    /**
     * Returns whether others may write the table meanwhile (ALLOW WRITE ACCESS).
     *
     * @return the value, or null when not set
     */
    public Boolean getWriteAccess() {
        return writeAccess;
    }

    /**
     * Sets whether others may write the table meanwhile (ALLOW WRITE ACCESS).
     *
     * @param writeAccess the value; null for the default
     */
    public void setWriteAccess(Boolean writeAccess) {
        this.writeAccess = writeAccess;
    }

    /**
     * Returns whether XML documents are validated (version 9 and later).
     *
     * @return the value, or null when not set
     */
    public Boolean getXmlValidate() {
        return xmlValidate;
    }

    /**
     * Sets whether XML documents are validated (version 9 and later).
     *
     * @param xmlValidate the value; null for the default
     */
    public void setXmlValidate(Boolean xmlValidate) {
        this.xmlValidate = xmlValidate;
    }

    /**
     * Returns the folders holding XML files, as a comma list (version 9 and later).
     *
     * @return the value, or null when not set
     */
    public String getXmlPathString() {
        return xmlPathString;
    }

    /**
     * Sets the folders holding XML files, as a comma list (version 9 and later).
     *
     * @param xmlPathString the value; null for the default
     */
    public void setXmlPathString(String xmlPathString) {
        this.xmlPathString = xmlPathString;
    }

    /**
     * Returns whether XML is validated USING XDS.
     *
     * @return the value, or null when not set
     */
    public Boolean getXds() {
        return xds;
    }

    /**
     * Sets whether XML is validated USING XDS.
     *
     * @param xds the value; null for the default
     */
    public void setXds(Boolean xds) {
        this.xds = xds;
    }

    /**
     * Returns the default schema (XDS) or the schema to validate against.
     *
     * @return the value, or null when not set
     */
    public String getSchemaSqlid() {
        return schemaSqlid;
    }

    /**
     * Sets the default schema (XDS) or the schema to validate against.
     *
     * @param schemaSqlid the value; null for the default
     */
    public void setSchemaSqlid(String schemaSqlid) {
        this.schemaSqlid = schemaSqlid;
    }

    /**
     * Returns the schemas to ignore (XDS), as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getIgnoreSchemaSqlidString() {
        return ignoreSchemaSqlidString;
    }

    /**
     * Sets the schemas to ignore (XDS), as a comma list.
     *
     * @param ignoreSchemaSqlidString the value; null for the default
     */
    public void setIgnoreSchemaSqlidString(String ignoreSchemaSqlidString) {
        this.ignoreSchemaSqlidString = ignoreSchemaSqlidString;
    }

    /**
     * Returns the schema mappings (XDS), such as "(A,B),(C,D)".
     *
     * @return the value, or null when not set
     */
    public String getMapSchemaSqlidString() {
        return mapSchemaSqlidString;
    }

    /**
     * Sets the schema mappings (XDS), such as "(A,B),(C,D)".
     *
     * @param mapSchemaSqlidString the value; null for the default
     */
    public void setMapSchemaSqlidString(String mapSchemaSqlidString) {
        this.mapSchemaSqlidString = mapSchemaSqlidString;
    }

    /**
     * Returns XMLPARSE: true strips whitespace, false preserves it, null says nothing.
     *
     * @return the value, or null when not set
     */
    public Boolean getStrip() {
        return strip;
    }

    /**
     * Sets XMLPARSE: true strips whitespace, false preserves it, null says nothing.
     *
     * @param strip the value; null for the default
     */
    public void setStrip(Boolean strip) {
        this.strip = strip;
    }
}
