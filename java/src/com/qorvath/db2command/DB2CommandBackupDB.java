package com.qorvath.db2command;

import java.util.Collection;

/**
 * Backs up a database, or some of its table spaces, to directories, TSM, an XBSA product, a
 * vendor library or a user exit.
 *
 * <p>Without a database connection in the run-time context the backup runs on a context of its
 * own (an offline backup needs no connection). A table space list, even an empty one, makes a
 * table-space backup; a vendor library wins over the directories.
 */
public class DB2CommandBackupDB extends DB2Command {
    private String databaseAlias;
    private String username;
    private String password;
    private Integer bufferSize;
    private Integer numBuffers;
    private Integer parallelism;
    private Integer utilImpactPriority;
    private String comprLibName;
    private String comprOptions;
    private String optionsFilename;
    private String optionsString;
    private String loadLibraryName;
    private Integer numSessions;
    private boolean withoutPrompting;
    private Collection<String> tablespaceList;
    private Collection<String> directoryList;
    private boolean online;
    private boolean incremental;
    private boolean delta;
    private boolean compress;
    private boolean excludeComprLib;
    private boolean includeLogs;
    private boolean useXBSA;
    private boolean useTSM;

    /** Creates the command with every parameter unset. */
    public DB2CommandBackupDB() {}

    /**
     * Returns {@link EnumDB2CommandType#BACKUPDB}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.BACKUPDB;
    }

    /**
     * Returns the alias of the database to back up.
     *
     * @return the value
     */
    public String getDatabaseAlias() {
        return databaseAlias;
    }

    /**
     * Sets the alias of the database to back up.
     *
     * @param databaseAlias the value
     */
    public void setDatabaseAlias(String databaseAlias) {
        this.databaseAlias = databaseAlias;
    }

    /**
     * Returns the user name; null or empty for the current user.
     *
     * @return the value
     */
    public String getUsername() {
        return username;
    }

    /**
     * Sets the user name; null or empty for the current user.
     *
     * @param username the value
     */
    public void setUsername(String username) {
        this.username = username;
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
     * Returns the throttling priority (0 to 100); null is 0, unthrottled.
     *
     * @return the value
     */
    public Integer getUtilImpactPriority() {
        return utilImpactPriority;
    }

    /**
     * Sets the throttling priority (0 to 100); null is 0, unthrottled.
     *
     * @param utilImpactPriority the value
     */
    public void setUtilImpactPriority(Integer utilImpactPriority) {
        this.utilImpactPriority = utilImpactPriority;
    }

    /**
     * Returns the compression library; null for the default.
     *
     * @return the value
     */
    public String getComprLibName() {
        return comprLibName;
    }

    /**
     * Sets the compression library; null for the default.
     *
     * @param comprLibName the value
     */
    public void setComprLibName(String comprLibName) {
        this.comprLibName = comprLibName;
    }

    /**
     * Returns the options handed to the compression library.
     *
     * @return the value
     */
    public String getComprOptions() {
        return comprOptions;
    }

    /**
     * Sets the options handed to the compression library.
     *
     * @param comprOptions the value
     */
    public void setComprOptions(String comprOptions) {
        this.comprOptions = comprOptions;
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
     * Returns the vendor library to back up to.
     *
     * @return the value
     */
    public String getLoadLibraryName() {
        return loadLibraryName;
    }

    /**
     * Sets the vendor library to back up to.
     *
     * @param loadLibraryName the value
     */
    public void setLoadLibraryName(String loadLibraryName) {
        this.loadLibraryName = loadLibraryName;
    }

    /**
     * Returns the number of sessions with TSM or the vendor library.
     *
     * @return the value
     */
    public Integer getNumSessions() {
        return numSessions;
    }

    /**
     * Sets the number of sessions with TSM or the vendor library.
     *
     * @param numSessions the value
     */
    public void setNumSessions(Integer numSessions) {
        this.numSessions = numSessions;
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
     * Returns the table spaces to back up; null backs up the whole database.
     *
     * @return the value
     */
    public Collection<String> getTablespaceList() {
        return tablespaceList;
    }

    /**
     * Sets the table spaces to back up; null backs up the whole database.
     *
     * @param tablespaceList the value
     */
    public void setTablespaceList(Collection<String> tablespaceList) {
        this.tablespaceList = tablespaceList;
    }

    /**
     * Returns the directories to back up to; null with no other target is a user exit.
     *
     * @return the value
     */
    public Collection<String> getDirectoryList() {
        return directoryList;
    }

    /**
     * Sets the directories to back up to; null with no other target is a user exit.
     *
     * @param directoryList the value
     */
    public void setDirectoryList(Collection<String> directoryList) {
        this.directoryList = directoryList;
    }

    /**
     * Returns whether the backup is online.
     *
     * @return the value
     */
    public boolean isOnline() {
        return online;
    }

    /**
     * Sets whether the backup is online.
     *
     * @param online the value
     */
    public void setOnline(boolean online) {
        this.online = online;
    }

    /**
     * Returns whether the backup is incremental.
     *
     * @return the value
     */
    public boolean isIncremental() {
        return incremental;
    }

    /**
     * Sets whether the backup is incremental.
     *
     * @param incremental the value
     */
    public void setIncremental(boolean incremental) {
        this.incremental = incremental;
    }

    /**
     * Returns whether an incremental backup is a delta backup.
     *
     * @return the value
     */
    public boolean isDelta() {
        return delta;
    }

    /**
     * Sets whether an incremental backup is a delta backup.
     *
     * @param delta the value
     */
    public void setDelta(boolean delta) {
        this.delta = delta;
    }

    /**
     * Returns whether to compress the image.
     *
     * @return the value
     */
    public boolean isCompress() {
        return compress;
    }

    /**
     * Sets whether to compress the image.
     *
     * @param compress the value
     */
    public void setCompress(boolean compress) {
        this.compress = compress;
    }

    /**
     * Returns whether a compressed image leaves out the compression library.
     *
     * @return the value
     */
    public boolean isExcludeComprLib() {
        return excludeComprLib;
    }

    /**
     * Sets whether a compressed image leaves out the compression library.
     *
     * @param excludeComprLib the value
     */
    public void setExcludeComprLib(boolean excludeComprLib) {
        this.excludeComprLib = excludeComprLib;
    }

    /**
     * Returns whether to include the logs.
     *
     * @return the value
     */
    public boolean isIncludeLogs() {
        return includeLogs;
    }

    /**
     * Sets whether to include the logs.
     *
     * @param includeLogs the value
     */
    public void setIncludeLogs(boolean includeLogs) {
        this.includeLogs = includeLogs;
    }

    /**
     * Returns whether to back up to an XBSA product.
     *
     * @return the value
     */
    public boolean isUseXBSA() {
        return useXBSA;
    }

    /**
     * Sets whether to back up to an XBSA product.
     *
     * @param useXBSA the value
     */
    public void setUseXBSA(boolean useXBSA) {
        this.useXBSA = useXBSA;
    }

    /**
     * Returns whether to back up to TSM.
     *
     * @return the value
     */
    public boolean isUseTSM() {
        return useTSM;
    }

    /**
     * Sets whether to back up to TSM.
     *
     * @param useTSM the value
     */
    public void setUseTSM(boolean useTSM) {
        this.useTSM = useTSM;
    }
}
