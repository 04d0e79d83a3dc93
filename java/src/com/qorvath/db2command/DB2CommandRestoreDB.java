package com.qorvath.db2command;

import java.util.Collection;

/**
 * Restores a database, some table spaces, the history file, the compression library or the logs
 * from a backup image, into the same or a new database, with redirected and incremental restores
 * and rebuilds.
 *
 * <p>The restore option text is one of TABLESPACE, HISTORY_FILE, COMPRESSION_LIBRARY, LOGS or
 * REBUILD_WITH (anything else restores the database); REBUILD_WITH takes
 * ALL_TABLESPACES_IN_DATABASE, ALL_TABLESPACES_IN_IMAGE or an empty rebuild text (the listed
 * table spaces). The incremental option text is AUTOMATIC or ABORT. A restore that needs a table
 * space list fails without one.
 */
public class DB2CommandRestoreDB extends DB2Command {
    private String dbAlias;
    private String targetDBAlias;
    private String dateTime;
    private String dbPathOnTargetDirectory;
    private String dlReportFilename;
    private String userName;
    private String password;
    private String newLogPathDirectory;
    private String optionsFilename;
    private String optionsString;
    private Integer parallelism;
    private Integer bufferSize;
    private Integer numBuffers;
    private String comprLib;
    private String comprOpts;
    private String logTargetDirectory;
    private String redirectGenerateScript;
    private boolean continueRestore;
    private boolean abortRestore;
    private boolean withoutPrompting;
    private boolean online;
    private String restoreOptionString;
    private String rebuildOptionString;
    private Collection<String> rebuildTablespaceList;
    private boolean incremental;
    private String incrementalOptionString;
    private boolean withoutDatalink;
    private boolean withoutRollingForward;
    private Collection<String> tablespaceList;
    private Collection<String> directoryList;
    private String loadLibraryName;
    private boolean useXBSA;
    private boolean useTSM;
    private Collection<String> storagePathList;

    /** Creates the command with every parameter unset. */
    public DB2CommandRestoreDB() {}

    /**
     * Returns {@link EnumDB2CommandType#RESTOREDB}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.RESTOREDB;
    }

    /**
     * Returns the alias of the database the image was taken of.
     *
     * @return the value
     */
    public String getDbAlias() {
        return dbAlias;
    }

    /**
     * Sets the alias of the database the image was taken of.
     *
     * @param dbAlias the value
     */
    public void setDbAlias(String dbAlias) {
        this.dbAlias = dbAlias;
    }

    /**
     * Returns the alias to restore into; null or empty for the source alias.
     *
     * @return the value
     */
    public String getTargetDBAlias() {
        return targetDBAlias;
    }

    /**
     * Sets the alias to restore into; null or empty for the source alias.
     *
     * @param targetDBAlias the value
     */
    public void setTargetDBAlias(String targetDBAlias) {
        this.targetDBAlias = targetDBAlias;
    }

    /**
     * Returns the time stamp of the image (yyyymmddhhmmss).
     *
     * @return the value
     */
    public String getDateTime() {
        return dateTime;
    }

    /**
     * Sets the time stamp of the image (yyyymmddhhmmss).
     *
     * @param dateTime the value
     */
    public void setDateTime(String dateTime) {
        this.dateTime = dateTime;
    }

    /**
     * Returns the path of a new database.
     *
     * @return the value
     */
    public String getDbPathOnTargetDirectory() {
        return dbPathOnTargetDirectory;
    }

    /**
     * Sets the path of a new database.
     *
     * @param dbPathOnTargetDirectory the value
     */
    public void setDbPathOnTargetDirectory(String dbPathOnTargetDirectory) {
        this.dbPathOnTargetDirectory = dbPathOnTargetDirectory;
    }

    /**
     * Returns the DATALINK report file.
     *
     * @return the value
     */
    public String getDlReportFilename() {
        return dlReportFilename;
    }

    /**
     * Sets the DATALINK report file.
     *
     * @param dlReportFilename the value
     */
    public void setDlReportFilename(String dlReportFilename) {
        this.dlReportFilename = dlReportFilename;
    }

    /**
     * Returns the user name.
     *
     * @return the value
     */
    public String getUserName() {
        return userName;
    }

    /**
     * Sets the user name.
     *
     * @param userName the value
     */
    public void setUserName(String userName) {
        this.userName = userName;
    }

    /**
     * Returns the password of the user.
     *
     * @return the value
     */
    public String getPassword() {
        return password;
    }

    /**
     * Sets the password of the user.
     *
     * @param password the value
     */
    public void setPassword(String password) {
        this.password = password;
    }

    /**
     * Returns the new log path.
     *
     * @return the value
     */
    public String getNewLogPathDirectory() {
        return newLogPathDirectory;
    }

    /**
     * Sets the new log path.
     *
     * @param newLogPathDirectory the value
     */
    public void setNewLogPathDirectory(String newLogPathDirectory) {
        this.newLogPathDirectory = newLogPathDirectory;
    }

    /**
     * Returns the file of vendor options; wins over the options text.
     *
     * @return the value
     */
    public String getOptionsFilename() {
        return optionsFilename;
    }

    /**
     * Sets the file of vendor options; wins over the options text.
     *
     * @param optionsFilename the value
     */
    public void setOptionsFilename(String optionsFilename) {
        this.optionsFilename = optionsFilename;
    }

    /**
     * Returns the vendor options text.
     *
     * @return the value
     */
    public String getOptionsString() {
        return optionsString;
    }

    /**
     * Sets the vendor options text.
     *
     * @param optionsString the value
     */
    public void setOptionsString(String optionsString) {
        this.optionsString = optionsString;
    }

    /**
     * Returns the degree of parallelism; null or 0 lets DB2 choose.
     *
     * @return the value
     */
    public Integer getParallelism() {
        return parallelism;
    }

    /**
     * Sets the degree of parallelism; null or 0 lets DB2 choose.
     *
     * @param parallelism the value
     */
    public void setParallelism(Integer parallelism) {
        this.parallelism = parallelism;
    }

    /**
     * Returns the buffer size in pages; null or 0 lets DB2 choose.
     *
     * @return the value
     */
    public Integer getBufferSize() {
        return bufferSize;
    }

    /**
     * Sets the buffer size in pages; null or 0 lets DB2 choose.
     *
     * @param bufferSize the value
     */
    public void setBufferSize(Integer bufferSize) {
        this.bufferSize = bufferSize;
    }

    /**
     * Returns the number of buffers; null or 0 lets DB2 choose.
     *
     * @return the value
     */
    public Integer getNumBuffers() {
        return numBuffers;
    }

    /**
     * Sets the number of buffers; null or 0 lets DB2 choose.
     *
     * @param numBuffers the value
     */
    public void setNumBuffers(Integer numBuffers) {
        this.numBuffers = numBuffers;
    }

    /**
     * Returns the decompression library.
     *
     * @return the value
     */
    public String getComprLib() {
        return comprLib;
    }

    /**
     * Sets the decompression library.
     *
     * @param comprLib the value
     */
    public void setComprLib(String comprLib) {
        this.comprLib = comprLib;
    }

    /**
     * Returns the options handed to the decompression library.
     *
     * @return the value
     */
    public String getComprOpts() {
        return comprOpts;
    }

    /**
     * Sets the options handed to the decompression library.
     *
     * @param comprOpts the value
     */
    public void setComprOpts(String comprOpts) {
        this.comprOpts = comprOpts;
    }

    /**
     * Returns the directory that receives the logs of the image.
     *
     * @return the value
     */
    public String getLogTargetDirectory() {
        return logTargetDirectory;
    }

    /**
     * Sets the directory that receives the logs of the image.
     *
     * @param logTargetDirectory the value
     */
    public void setLogTargetDirectory(String logTargetDirectory) {
        this.logTargetDirectory = logTargetDirectory;
    }

    /**
     * Returns the redirect script to write (version 9 and later) instead of restoring.
     *
     * @return the value
     */
    public String getRedirectGenerateScript() {
        return redirectGenerateScript;
    }

    /**
     * Sets the redirect script to write (version 9 and later) instead of restoring.
     *
     * @param redirectGenerateScript the value
     */
    public void setRedirectGenerateScript(String redirectGenerateScript) {
        this.redirectGenerateScript = redirectGenerateScript;
    }

    /**
     * Returns whether to continue a redirected restore.
     *
     * @return the value
     */
    public boolean isContinueRestore() {
        return continueRestore;
    }

    /**
     * Sets whether to continue a redirected restore.
     *
     * @param continueRestore the value
     */
    public void setContinueRestore(boolean continueRestore) {
        this.continueRestore = continueRestore;
    }

    /**
     * Returns whether to abort a redirected restore.
     *
     * @return the value
     */
    public boolean isAbortRestore() {
        return abortRestore;
    }

    /**
     * Sets whether to abort a redirected restore.
     *
     * @param abortRestore the value
     */
    public void setAbortRestore(boolean abortRestore) {
        this.abortRestore = abortRestore;
    }

    /**
     * Returns whether to run without prompting.
     *
     * @return the value
     */
    public boolean isWithoutPrompting() {
        return withoutPrompting;
    }

    /**
     * Sets whether to run without prompting.
     *
     * @param withoutPrompting the value
     */
    public void setWithoutPrompting(boolean withoutPrompting) {
        this.withoutPrompting = withoutPrompting;
    }

    /**
     * Returns whether the restore is online.
     *
     * @return the value
     */
    public boolean isOnline() {
        return online;
    }

    /**
     * Sets whether the restore is online.
     *
     * @param online the value
     */
    public void setOnline(boolean online) {
        this.online = online;
    }

    /**
     * Returns what is restored (see the class description).
     *
     * @return the value
     */
    public String getRestoreOptionString() {
        return restoreOptionString;
    }

    /**
     * Sets what is restored (see the class description).
     *
     * @param restoreOptionString the value
     */
    public void setRestoreOptionString(String restoreOptionString) {
        this.restoreOptionString = restoreOptionString;
    }

    /**
     * Returns the rebuild choice with REBUILD_WITH.
     *
     * @return the value
     */
    public String getRebuildOptionString() {
        return rebuildOptionString;
    }

    /**
     * Sets the rebuild choice with REBUILD_WITH.
     *
     * @param rebuildOptionString the value
     */
    public void setRebuildOptionString(String rebuildOptionString) {
        this.rebuildOptionString = rebuildOptionString;
    }

    /**
     * Returns the table spaces a rebuild includes or leaves out.
     *
     * @return the value
     */
    public Collection<String> getRebuildTablespaceList() {
        return rebuildTablespaceList;
    }

    /**
     * Sets the table spaces a rebuild includes or leaves out.
     *
     * @param rebuildTablespaceList the value
     */
    public void setRebuildTablespaceList(Collection<String> rebuildTablespaceList) {
        this.rebuildTablespaceList = rebuildTablespaceList;
    }

    /**
     * Returns whether the restore is incremental.
     *
     * @return the value
     */
    public boolean isIncremental() {
        return incremental;
    }

    /**
     * Sets whether the restore is incremental.
     *
     * @param incremental the value
     */
    public void setIncremental(boolean incremental) {
        this.incremental = incremental;
    }

    /**
     * Returns AUTOMATIC or ABORT for an incremental restore.
     *
     * @return the value
     */
    public String getIncrementalOptionString() {
        return incrementalOptionString;
    }

    /**
     * Sets AUTOMATIC or ABORT for an incremental restore.
     *
     * @param incrementalOptionString the value
     */
    public void setIncrementalOptionString(String incrementalOptionString) {
        this.incrementalOptionString = incrementalOptionString;
    }

    /**
     * Returns whether to restore without DATALINK handling.
     *
     * @return the value
     */
    public boolean isWithoutDatalink() {
        return withoutDatalink;
    }

    /**
     * Sets whether to restore without DATALINK handling.
     *
     * @param withoutDatalink the value
     */
    public void setWithoutDatalink(boolean withoutDatalink) {
        this.withoutDatalink = withoutDatalink;
    }

    /**
     * Returns whether to leave the database out of rollforward-pending.
     *
     * @return the value
     */
    public boolean isWithoutRollingForward() {
        return withoutRollingForward;
    }

    /**
     * Sets whether to leave the database out of rollforward-pending.
     *
     * @param withoutRollingForward the value
     */
    public void setWithoutRollingForward(boolean withoutRollingForward) {
        this.withoutRollingForward = withoutRollingForward;
    }

    /**
     * Returns the table spaces to restore with TABLESPACE.
     *
     * @return the value
     */
    public Collection<String> getTablespaceList() {
        return tablespaceList;
    }

    /**
     * Sets the table spaces to restore with TABLESPACE.
     *
     * @param tablespaceList the value
     */
    public void setTablespaceList(Collection<String> tablespaceList) {
        this.tablespaceList = tablespaceList;
    }

    /**
     * Returns the directories holding the image; null with no other source is a user exit.
     *
     * @return the value
     */
    public Collection<String> getDirectoryList() {
        return directoryList;
    }

    /**
     * Sets the directories holding the image; null with no other source is a user exit.
     *
     * @param directoryList the value
     */
    public void setDirectoryList(Collection<String> directoryList) {
        this.directoryList = directoryList;
    }

    /**
     * Returns the vendor library to restore from.
     *
     * @return the value
     */
    public String getLoadLibraryName() {
        return loadLibraryName;
    }

    /**
     * Sets the vendor library to restore from.
     *
     * @param loadLibraryName the value
     */
    public void setLoadLibraryName(String loadLibraryName) {
        this.loadLibraryName = loadLibraryName;
    }

    /**
     * Returns whether to restore from an XBSA product.
     *
     * @return the value
     */
    public boolean isUseXBSA() {
        return useXBSA;
    }

    /**
     * Sets whether to restore from an XBSA product.
     *
     * @param useXBSA the value
     */
    public void setUseXBSA(boolean useXBSA) {
        this.useXBSA = useXBSA;
    }

    /**
     * Returns whether to restore from TSM.
     *
     * @return the value
     */
    public boolean isUseTSM() {
        return useTSM;
    }

    /**
     * Sets whether to restore from TSM.
     *
     * @param useTSM the value
     */
    public void setUseTSM(boolean useTSM) {
        this.useTSM = useTSM;
    }

    /**
     * Returns the new automatic storage paths.
     *
     * @return the value
     */
    public Collection<String> getStoragePathList() {
        return storagePathList;
    }

    /**
     * Sets the new automatic storage paths.
     *
     * @param storagePathList the value
     */
    public void setStoragePathList(Collection<String> storagePathList) {
        this.storagePathList = storagePathList;
    }
}
