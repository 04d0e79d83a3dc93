package com.qorvath.db2command;

/**
 * Exports the result of a SELECT statement to a data file on the client (DB2's EXPORT
 * utility).
 *
 * <p>Needs a database connection in the run-time context. The XML getters are read only when both
 * client and server are at version 9 or later.
 */
public class DB2CommandExport extends DB2Command {
    private String columnNameString;
    private String filename;
    private String filetype;
    private String fileTypeModString;
    private String lobFileString;
    private String lobPathString;
    private String messageFile;
    private String actionString;
    private String xmlFileNameString;
    private Boolean xmlSaveSchema;
    private String xmlToPathString;

    /** Creates the command with no parameters yet. */
    public DB2CommandExport() {}

    /**
     * Returns {@link EnumDB2CommandType#EXPORT}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.EXPORT;
    }

    /**
     * Returns the names of the file's columns, as a comma list (empty: DB2's).
     *
     * @return the value, or null when not set
     */
    public String getColumnNameString() {
        return columnNameString;
    }

    /**
     * Sets the names of the file's columns, as a comma list (empty: DB2's).
     *
     * @param columnNameString the value; null for the default
     */
    public void setColumnNameString(String columnNameString) {
        this.columnNameString = columnNameString;
    }

    /**
     * Returns the data file to write.
     *
     * @return the value, or null when not set
     */
    public String getFilename() {
        return filename;
    }

    /**
     * Sets the data file to write.
     *
     * @param filename the value; null for the default
     */
    public void setFilename(String filename) {
        this.filename = filename;
    }

    /**
     * Returns the file format, such as DEL or IXF.
     *
     * @return the value, or null when not set
     */
    public String getFiletype() {
        return filetype;
    }

    /**
     * Sets the file format, such as DEL or IXF.
     *
     * @param filetype the value; null for the default
     */
    public void setFiletype(String filetype) {
        this.filetype = filetype;
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
     * Returns the base names of the LOB files, as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getLobFileString() {
        return lobFileString;
    }

    /**
     * Sets the base names of the LOB files, as a comma list.
     *
     * @param lobFileString the value; null for the default
     */
    public void setLobFileString(String lobFileString) {
        this.lobFileString = lobFileString;
    }

    /**
     * Returns the folders for LOB files, as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getLobPathString() {
        return lobPathString;
    }

    /**
     * Sets the folders for LOB files, as a comma list.
     *
     * @param lobPathString the value; null for the default
     */
    public void setLobPathString(String lobPathString) {
        this.lobPathString = lobPathString;
    }

    /**
     * Returns the message file (empty: export_msgs.log).
     *
     * @return the value, or null when not set
     */
    public String getMessageFile() {
        return messageFile;
    }

    /**
     * Sets the message file (empty: export_msgs.log).
     *
     * @param messageFile the value; null for the default
     */
    public void setMessageFile(String messageFile) {
        this.messageFile = messageFile;
    }

    /**
     * Returns the SELECT statement whose result is exported.
     *
     * @return the value, or null when not set
     */
    public String getActionString() {
        return actionString;
    }

    /**
     * Sets the SELECT statement whose result is exported.
     *
     * @param actionString the value; null for the default
     */
    public void setActionString(String actionString) {
        this.actionString = actionString;
    }

    /**
     * Returns the base names of the XML files, as a comma list (version 9).
     *
     * @return the value, or null when not set
     */
    public String getXmlFileNameString() {
        return xmlFileNameString;
    }

    /**
     * Sets the base names of the XML files, as a comma list (version 9).
     *
     * @param xmlFileNameString the value; null for the default
     */
    public void setXmlFileNameString(String xmlFileNameString) {
        this.xmlFileNameString = xmlFileNameString;
    }

    /**
     * Returns whether the XML schema information is saved (version 9).
     *
     * @return the value, or null when not set
     */
    public Boolean getXmlSaveSchema() {
        return xmlSaveSchema;
    }

    /**
     * Sets whether the XML schema information is saved (version 9).
     *
     * @param xmlSaveSchema the value; null for the default
     */
    public void setXmlSaveSchema(Boolean xmlSaveSchema) {
        this.xmlSaveSchema = xmlSaveSchema;
    }

    /**
     * Returns the folders for XML files, as a comma list (version 9).
     *
     * @return the value, or null when not set
     */
    public String getXmlToPathString() {
        return xmlToPathString;
    }

    /**
     * Sets the folders for XML files, as a comma list (version 9).
     *
     * @param xmlToPathString the value; null for the default
     */
    public void setXmlToPathString(String xmlToPathString) {
        this.xmlToPathString = xmlToPathString;
    }
}
