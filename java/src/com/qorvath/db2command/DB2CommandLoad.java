package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;
import java.util.Collection;

/**
 * Loads a table in bulk from files, from a cursor's statement or through a source user exit
 * (DB2's LOAD utility), optionally with a load copy and partitioned-load options.
 *
 * <p>Runs on the run-time context's database connection, else on its instance attachment. The
 * partitioned-load getters are read only when {@link #getPartitionParameters()} is not empty; the
 * two partition collections left null mean no list. Lists are comma separated; numbers in them
 * may hold blanks but nothing else.
 */
public class DB2CommandLoad extends DB2Command {
    private Boolean client;
    private Boolean copy;
    private Integer numSessions;
    private Boolean copyUseTsm;
    private Boolean copyUseLocal;
    private Boolean copyUseLoad;
    private String loadLibName;
    private String fromListString;
    private String lobPathListString;
    private Boolean methodLocations;
    private Boolean methodNames;
    private Boolean methodPositions;
    private String dataDescriptorString;
    private String actionString;
    private String fileType;
    private String modifiedBy;
    private String localMsgFileName;
    private String tempFilePath;
    private String copyTargetListString;
    private String nullIndicatorListString;
    private Integer rowCount;
    private String tablespaceName;
    private Integer saveCount;
    private Integer dataBufferSize;
    private Integer sortBufferSize;
    private Integer warningCount;
    private Integer cpuParallelism;
    private Integer diskParallelism;
    private Boolean nonRecoverable;
    private EnumIndexMode indexMode;
    private Boolean allowReadAccess;
    private Boolean lockWithForce;
    private Boolean useProfile;
    private Boolean integrityPending;
    private Boolean integrityPendingDeferred;
    private String sourceUserExitExecutable;
    private String inputBuffer;
    private String inputFile;
    private String outputFile;
    private Boolean parallelize;
    private String partitionParameters;
    private String partFileLocation;
    private Collection<Integer> outputDBPartNums;
    private Collection<Integer> partitioningDBPartNums;
    private Integer mode;
    private Integer maxNumPartAgents;
    private Integer isolatePartErrs;
    private Integer statusInterval;
    private String portRange;
    private boolean checkTruncation;
    private String mapFileInput;
    private String mapFileOutput;
    private Integer trace;
    private boolean newLine;
    private String distFile;
    private boolean omitHeader;
    private Integer runStatDBPartNum;

    /** How indexes are maintained during the load. */
    public static final class EnumIndexMode extends EnumTypeBase {
        /** DB2 chooses between rebuilding and extending. */
        public static final EnumIndexMode AUTOSELECT = new EnumIndexMode(0, "Autoselect");
        /** Every index is rebuilt. */
        public static final EnumIndexMode REBUILD = new EnumIndexMode(1, "Rebuild");
        /** Indexes are extended with the new rows. */
        public static final EnumIndexMode INCREMENTAL = new EnumIndexMode(2, "Incremental");
        /** Indexes are marked for a later rebuild. */
        public static final EnumIndexMode DEFERRED = new EnumIndexMode(3, "Deferred");

        private EnumIndexMode(int type, String name) {
            super(type, name);
        }
    }

    /** Creates the command with no parameters yet. */
    public DB2CommandLoad() {}

    /**
     * Returns {@link EnumDB2CommandType#LOAD}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.LOAD;
    }

    /**
     * Returns whether the source files are on the client (null: on the server).
     *
     * @return the value, or null when not set
     */
    public Boolean getClient() {
        return client;
    }

    /**
     * Sets whether the source files are on the client (null: on the server).
     *
     * @param client the value; null for the default
     */
    public void setClient(Boolean client) {
        this.client = client;
    }

    /**
     * Returns whether a load copy is wanted; the copy flags below choose where.
     *
     * @return the value, or null when not set
     */
    public Boolean getCopy() {
        return copy;
    }

    /**
     * Sets whether a load copy is wanted; the copy flags below choose where.
     *
     * @param copy the value; null for the default
     */
    public void setCopy(Boolean copy) {
        this.copy = copy;
    }

    /**
     * Returns the sessions of a TSM or vendor copy (null: 1).
     *
     * @return the value, or null when not set
     */
    public Integer getNumSessions() {
        return numSessions;
    }

    /**
     * Sets the sessions of a TSM or vendor copy (null: 1).
     *
     * @param numSessions the value; null for the default
     */
    public void setNumSessions(Integer numSessions) {
        this.numSessions = numSessions;
    }

    /**
     * Returns whether the copy goes to TSM (first of the three copy flags).
     *
     * @return the value, or null when not set
     */
    public Boolean getCopyUseTsm() {
        return copyUseTsm;
    }

    /**
     * Sets whether the copy goes to TSM (first of the three copy flags).
     *
     * @param copyUseTsm the value; null for the default
     */
    public void setCopyUseTsm(Boolean copyUseTsm) {
        this.copyUseTsm = copyUseTsm;
    }

    /**
     * Returns whether the copy goes to the local folders of the copy target list.
     *
     * @return the value, or null when not set
     */
    public Boolean getCopyUseLocal() {
        return copyUseLocal;
    }

    /**
     * Sets whether the copy goes to the local folders of the copy target list.
     *
     * @param copyUseLocal the value; null for the default
     */
    public void setCopyUseLocal(Boolean copyUseLocal) {
        this.copyUseLocal = copyUseLocal;
    }

    /**
     * Returns whether the copy goes through the vendor library.
     *
     * @return the value, or null when not set
     */
    public Boolean getCopyUseLoad() {
        return copyUseLoad;
    }

    /**
     * Sets whether the copy goes through the vendor library.
     *
     * @param copyUseLoad the value; null for the default
     */
    public void setCopyUseLoad(Boolean copyUseLoad) {
        this.copyUseLoad = copyUseLoad;
    }

    /**
     * Returns the vendor library of the copy.
     *
     * @return the value, or null when not set
     */
    public String getLoadLibName() {
        return loadLibName;
    }

    /**
     * Sets the vendor library of the copy.
     *
     * @param loadLibName the value; null for the default
     */
    public void setLoadLibName(String loadLibName) {
        this.loadLibName = loadLibName;
    }

    /**
     * Returns the source: files as a comma list, or the statement of a CURSOR.
     *
     * @return the value, or null when not set
     */
    public String getFromListString() {
        return fromListString;
    }

    /**
     * Sets the source: files as a comma list, or the statement of a CURSOR.
     *
     * @param fromListString the value; null for the default
     */
    public void setFromListString(String fromListString) {
        this.fromListString = fromListString;
    }

    /**
     * Returns the folders holding LOB files, as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getLobPathListString() {
        return lobPathListString;
    }

    /**
     * Sets the folders holding LOB files, as a comma list.
     *
     * @param lobPathListString the value; null for the default
     */
    public void setLobPathListString(String lobPathListString) {
        this.lobPathListString = lobPathListString;
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
     * Returns the locations, names or positions of the chosen method.
     *
     * @return the value, or null when not set
     */
    public String getDataDescriptorString() {
        return dataDescriptorString;
    }

    /**
     * Sets the locations, names or positions of the chosen method.
     *
     * @param dataDescriptorString the value; null for the default
     */
    public void setDataDescriptorString(String dataDescriptorString) {
        this.dataDescriptorString = dataDescriptorString;
    }

    /**
     * Returns the action clause, such as "INSERT INTO STAFF3"; passed as it is.
     *
     * @return the value, or null when not set
     */
    public String getActionString() {
        return actionString;
    }

    /**
     * Sets the action clause, such as "INSERT INTO STAFF3"; passed as it is.
     *
     * @param actionString the value; null for the default
     */
    public void setActionString(String actionString) {
        this.actionString = actionString;
    }

    /**
     * Returns the file format, such as DEL or ASC, or CURSOR.
     *
     * @return the value, or null when not set
     */
    public String getFileType() {
        return fileType;
    }

    /**
     * Sets the file format, such as DEL or ASC, or CURSOR.
     *
     * @param fileType the value; null for the default
     */
    public void setFileType(String fileType) {
        this.fileType = fileType;
    }

    /**
     * Returns the file type modifiers as one text.
     *
     * @return the value, or null when not set
     */
    public String getModifiedBy() {
        return modifiedBy;
    }

    /**
     * Sets the file type modifiers as one text.
     *
     * @param modifiedBy the value; null for the default
     */
    public void setModifiedBy(String modifiedBy) {
        this.modifiedBy = modifiedBy;
    }

    /**
     * Returns the message file (empty: load_msgs.log).
     *
     * @return the value, or null when not set
     */
    public String getLocalMsgFileName() {
        return localMsgFileName;
    }

    /**
     * Sets the message file (empty: load_msgs.log).
     *
     * @param localMsgFileName the value; null for the default
     */
    public void setLocalMsgFileName(String localMsgFileName) {
        this.localMsgFileName = localMsgFileName;
    }

    /**
     * Returns the folder for temporary files (empty: DB2's).
     *
     * @return the value, or null when not set
     */
    public String getTempFilePath() {
        return tempFilePath;
    }

    /**
     * Sets the folder for temporary files (empty: DB2's).
     *
     * @param tempFilePath the value; null for the default
     */
    public void setTempFilePath(String tempFilePath) {
        this.tempFilePath = tempFilePath;
    }

    /**
     * Returns the folders of a local load copy, as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getCopyTargetListString() {
        return copyTargetListString;
    }

    /**
     * Sets the folders of a local load copy, as a comma list.
     *
     * @param copyTargetListString the value; null for the default
     */
    public void setCopyTargetListString(String copyTargetListString) {
        this.copyTargetListString = copyTargetListString;
    }

    /**
     * Returns the null indicator columns as a comma list.
     *
     * @return the value, or null when not set
     */
    public String getNullIndicatorListString() {
        return nullIndicatorListString;
    }

    /**
     * Sets the null indicator columns as a comma list.
     *
     * @param nullIndicatorListString the value; null for the default
     */
    public void setNullIndicatorListString(String nullIndicatorListString) {
        this.nullIndicatorListString = nullIndicatorListString;
    }

    /**
     * Returns the number of rows to load (null or 0: all).
     *
     * @return the value, or null when not set
     */
    public Integer getRowCount() {
        return rowCount;
    }

    /**
     * Sets the number of rows to load (null or 0: all).
     *
     * @param rowCount the value; null for the default
     */
    public void setRowCount(Integer rowCount) {
        this.rowCount = rowCount;
    }

    /**
     * Returns the table space for rebuilding indexes (empty: the table's).
     *
     * @return the value, or null when not set
     */
    public String getTablespaceName() {
        return tablespaceName;
    }

    /**
     * Sets the table space for rebuilding indexes (empty: the table's).
     *
     * @param tablespaceName the value; null for the default
     */
    public void setTablespaceName(String tablespaceName) {
        this.tablespaceName = tablespaceName;
    }

    /**
     * Returns the rows between consistency points (null or 0: DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public Integer getSaveCount() {
        return saveCount;
    }

    /**
     * Sets the rows between consistency points (null or 0: DB2 chooses).
     *
     * @param saveCount the value; null for the default
     */
    public void setSaveCount(Integer saveCount) {
        this.saveCount = saveCount;
    }

    /**
     * Returns the data buffer in 4 KB pages (null or 0: DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public Integer getDataBufferSize() {
        return dataBufferSize;
    }

    /**
     * Sets the data buffer in 4 KB pages (null or 0: DB2 chooses).
     *
     * @param dataBufferSize the value; null for the default
     */
    public void setDataBufferSize(Integer dataBufferSize) {
        this.dataBufferSize = dataBufferSize;
    }

    /**
     * Returns the sort buffer in 4 KB pages (null or 0: DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public Integer getSortBufferSize() {
        return sortBufferSize;
    }

    /**
     * Sets the sort buffer in 4 KB pages (null or 0: DB2 chooses).
     *
     * @param sortBufferSize the value; null for the default
     */
    public void setSortBufferSize(Integer sortBufferSize) {
        this.sortBufferSize = sortBufferSize;
    }

    /**
     * Returns the warnings after which the load stops (null or 0: never).
     *
     * @return the value, or null when not set
     */
    public Integer getWarningCount() {
        return warningCount;
    }

    /**
     * Sets the warnings after which the load stops (null or 0: never).
     *
     * @param warningCount the value; null for the default
     */
    public void setWarningCount(Integer warningCount) {
        this.warningCount = warningCount;
    }

    /**
     * Returns the processes that build records (null or 0: DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public Integer getCpuParallelism() {
        return cpuParallelism;
    }

    /**
     * Sets the processes that build records (null or 0: DB2 chooses).
     *
     * @param cpuParallelism the value; null for the default
     */
    public void setCpuParallelism(Integer cpuParallelism) {
        this.cpuParallelism = cpuParallelism;
    }

    /**
     * Returns the processes that write to disk (null or 0: DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public Integer getDiskParallelism() {
        return diskParallelism;
    }

    /**
     * Sets the processes that write to disk (null or 0: DB2 chooses).
     *
     * @param diskParallelism the value; null for the default
     */
    public void setDiskParallelism(Integer diskParallelism) {
        this.diskParallelism = diskParallelism;
    }

    /**
     * Returns whether the load is NONRECOVERABLE.
     *
     * @return the value, or null when not set
     */
    public Boolean getNonRecoverable() {
        return nonRecoverable;
    }

    /**
     * Sets whether the load is NONRECOVERABLE.
     *
     * @param nonRecoverable the value; null for the default
     */
    public void setNonRecoverable(Boolean nonRecoverable) {
        this.nonRecoverable = nonRecoverable;
    }

    /**
     * Returns how indexes are maintained (null: DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public EnumIndexMode getIndexMode() {
        return indexMode;
    }

    /**
     * Sets how indexes are maintained (null: DB2 chooses).
     *
     * @param indexMode the value; null for the default
     */
    public void setIndexMode(EnumIndexMode indexMode) {
        this.indexMode = indexMode;
    }

    /**
     * Returns whether others may read the table meanwhile.
     *
     * @return the value, or null when not set
     */
    public Boolean getAllowReadAccess() {
        return allowReadAccess;
    }

    /**
     * Sets whether others may read the table meanwhile.
     *
     * @param allowReadAccess the value; null for the default
     */
    public void setAllowReadAccess(Boolean allowReadAccess) {
        this.allowReadAccess = allowReadAccess;
    }

    /**
     * Returns whether applications holding locks on the table are forced off.
     *
     * @return the value, or null when not set
     */
    public Boolean getLockWithForce() {
        return lockWithForce;
    }

    /**
     * Sets whether applications holding locks on the table are forced off.
     *
     * @param lockWithForce the value; null for the default
     */
    public void setLockWithForce(Boolean lockWithForce) {
        this.lockWithForce = lockWithForce;
    }

    /**
     * Returns whether statistics are gathered with the table's profile.
     *
     * @return the value, or null when not set
     */
    public Boolean getUseProfile() {
        return useProfile;
    }

    /**
     * Sets whether statistics are gathered with the table's profile.
     *
     * @param useProfile the value; null for the default
     */
    public void setUseProfile(Boolean useProfile) {
        this.useProfile = useProfile;
    }

    /**
     * Returns whether the set-integrity-pending option is given.
     *
     * @return the value, or null when not set
     */
    public Boolean getIntegrityPending() {
        return integrityPending;
    }

    /**
     * Sets whether the set-integrity-pending option is given.
     *
     * @param integrityPending the value; null for the default
     */
    public void setIntegrityPending(Boolean integrityPending) {
        this.integrityPending = integrityPending;
    }

    /**
     * Returns whether set integrity pending is deferred (null: true).
     *
     * @return the value, or null when not set
     */
    public Boolean getIntegrityPendingDeferred() {
        return integrityPendingDeferred;
    }

    /**
     * Sets whether set integrity pending is deferred (null: true).
     *
     * @param integrityPendingDeferred the value; null for the default
     */
    public void setIntegrityPendingDeferred(Boolean integrityPendingDeferred) {
        this.integrityPendingDeferred = integrityPendingDeferred;
    }

    /**
     * Returns the source user exit program (empty: none).
     *
     * @return the value, or null when not set
     */
    public String getSourceUserExitExecutable() {
        return sourceUserExitExecutable;
    }

    /**
     * Sets the source user exit program (empty: none).
     *
     * @param sourceUserExitExecutable the value; null for the default
     */
    public void setSourceUserExitExecutable(String sourceUserExitExecutable) {
        this.sourceUserExitExecutable = sourceUserExitExecutable;
    }

    /**
     * Returns the text the user exit reads on its standard input.
     *
     * @return the value, or null when not set
     */
    public String getInputBuffer() {
        return inputBuffer;
    }

    /**
     * Sets the text the user exit reads on its standard input.
     *
     * @param inputBuffer the value; null for the default
     */
    public void setInputBuffer(String inputBuffer) {
        this.inputBuffer = inputBuffer;
    }

    /**
     * Returns the file the user exit reads.
     *
     * @return the value, or null when not set
     */
    public String getInputFile() {
        return inputFile;
    }

    /**
     * Sets the file the user exit reads.
     *
     * @param inputFile the value; null for the default
     */
    public void setInputFile(String inputFile) {
        this.inputFile = inputFile;
    }

    /**
     * Returns the file the user exit writes.
     *
     * @return the value, or null when not set
     */
    public String getOutputFile() {
        return outputFile;
    }

    /**
     * Sets the file the user exit writes.
     *
     * @param outputFile the value; null for the default
     */
    public void setOutputFile(String outputFile) {
        this.outputFile = outputFile;
    }

    /**
     * Returns whether the user exit runs in parallel.
     *
     * @return the value, or null when not set
     */
    public Boolean getParallelize() {
        return parallelize;
    }

    /**
     * Sets whether the user exit runs in parallel.
     *
     * @param parallelize the value; null for the default
     */
    public void setParallelize(Boolean parallelize) {
        this.parallelize = parallelize;
    }

    /**
     * Returns any text to pass partitioned-load options (empty: none).
     *
     * @return the value, or null when not set
     */
    public String getPartitionParameters() {
        return partitionParameters;
    }

    /**
     * Sets any text to pass partitioned-load options (empty: none).
     *
     * @param partitionParameters the value; null for the default
     */
    public void setPartitionParameters(String partitionParameters) {
        this.partitionParameters = partitionParameters;
    }

    /**
     * Returns the location of the partition files.
     *
     * @return the value, or null when not set
     */
    public String getPartFileLocation() {
        return partFileLocation;
    }

    /**
     * Sets the location of the partition files.
     *
     * @param partFileLocation the value; null for the default
     */
    public void setPartFileLocation(String partFileLocation) {
        this.partFileLocation = partFileLocation;
    }

    /**
     * Returns the partitions loaded into (null: all).
     *
     * @return the value, or null when not set
     */
    public Collection<Integer> getOutputDBPartNums() {
        return outputDBPartNums;
    }

    /**
     * Sets the partitions loaded into (null: all).
     *
     * @param outputDBPartNums the value; null for the default
     */
    public void setOutputDBPartNums(Collection<Integer> outputDBPartNums) {
        this.outputDBPartNums = outputDBPartNums;
    }

    /**
     * Returns the partitions that split the data (null: DB2 chooses).
     *
     * @return the value, or null when not set
     */
    public Collection<Integer> getPartitioningDBPartNums() {
        return partitioningDBPartNums;
    }

    /**
     * Sets the partitions that split the data (null: DB2 chooses).
     *
     * @param partitioningDBPartNums the value; null for the default
     */
    public void setPartitioningDBPartNums(Collection<Integer> partitioningDBPartNums) {
        this.partitioningDBPartNums = partitioningDBPartNums;
    }

    /**
     * Returns the partitioned load mode (null: 0).
     *
     * @return the value, or null when not set
     */
    public Integer getMode() {
        return mode;
    }

    /**
     * Sets the partitioned load mode (null: 0).
     *
     * @param mode the value; null for the default
     */
    public void setMode(Integer mode) {
        this.mode = mode;
    }

    /**
     * Returns the most partitioning agents (null: 0).
     *
     * @return the value, or null when not set
     */
    public Integer getMaxNumPartAgents() {
        return maxNumPartAgents;
    }

    /**
     * Sets the most partitioning agents (null: 0).
     *
     * @param maxNumPartAgents the value; null for the default
     */
    public void setMaxNumPartAgents(Integer maxNumPartAgents) {
        this.maxNumPartAgents = maxNumPartAgents;
    }

    /**
     * Returns how partition errors are isolated (null: 0).
     *
     * @return the value, or null when not set
     */
    public Integer getIsolatePartErrs() {
        return isolatePartErrs;
    }

    /**
     * Sets how partition errors are isolated (null: 0).
     *
     * @param isolatePartErrs the value; null for the default
     */
    public void setIsolatePartErrs(Integer isolatePartErrs) {
        this.isolatePartErrs = isolatePartErrs;
    }

    /**
     * Returns the megabytes between progress messages (null: 0).
     *
     * @return the value, or null when not set
     */
    public Integer getStatusInterval() {
        return statusInterval;
    }

    /**
     * Sets the megabytes between progress messages (null: 0).
     *
     * @param statusInterval the value; null for the default
     */
    public void setStatusInterval(Integer statusInterval) {
        this.statusInterval = statusInterval;
    }

    /**
     * Returns the lowest and highest port, such as "6000:6063".
     *
     * @return the value, or null when not set
     */
    public String getPortRange() {
        return portRange;
    }

    /**
     * Sets the lowest and highest port, such as "6000:6063".
     *
     * @param portRange the value; null for the default
     */
    public void setPortRange(String portRange) {
        this.portRange = portRange;
    }

    /**
     * Returns whether truncation is checked.
     *
     * @return the value
     */
    public boolean isCheckTruncation() {
        return checkTruncation;
    }

    /**
     * Sets whether truncation is checked.
     *
     * @param checkTruncation the value
     */
    public void setCheckTruncation(boolean checkTruncation) {
        this.checkTruncation = checkTruncation;
    }

    /**
     * Returns the partitioning map file read.
     *
     * @return the value, or null when not set
     */
    public String getMapFileInput() {
        return mapFileInput;
    }

    /**
     * Sets the partitioning map file read.
     *
     * @param mapFileInput the value; null for the default
     */
    public void setMapFileInput(String mapFileInput) {
        this.mapFileInput = mapFileInput;
    }

    /**
     * Returns the partitioning map file written.
     *
     * @return the value, or null when not set
     */
    public String getMapFileOutput() {
        return mapFileOutput;
    }

    /**
     * Sets the partitioning map file written.
     *
     * @param mapFileOutput the value; null for the default
     */
    public void setMapFileOutput(String mapFileOutput) {
        this.mapFileOutput = mapFileOutput;
    }

    /**
     * Returns the records traced (null: 0).
     *
     * @return the value, or null when not set
     */
    public Integer getTrace() {
        return trace;
    }

    /**
     * Sets the records traced (null: 0).
     *
     * @param trace the value; null for the default
     */
    public void setTrace(Integer trace) {
        this.trace = trace;
    }

    /**
     * Returns whether records end at a new line (ASC).
     *
     * @return the value
     */
    public boolean isNewLine() {
        return newLine;
    }

    /**
     * Sets whether records end at a new line (ASC).
     *
     * @param newLine the value
     */
    public void setNewLine(boolean newLine) {
        this.newLine = newLine;
    }

    /**
     * Returns the distribution file.
     *
     * @return the value, or null when not set
     */
    public String getDistFile() {
        return distFile;
    }

    /**
     * Sets the distribution file.
     *
     * @param distFile the value; null for the default
     */
    public void setDistFile(String distFile) {
        this.distFile = distFile;
    }

    /**
     * Returns whether the partition files go without header.
     *
     * @return the value
     */
    public boolean isOmitHeader() {
        return omitHeader;
    }

    /**
     * Sets whether the partition files go without header.
     *
     * @param omitHeader the value
     */
    public void setOmitHeader(boolean omitHeader) {
        this.omitHeader = omitHeader;
    }

    /**
     * Returns the partition statistics are gathered on (null: 0).
     *
     * @return the value, or null when not set
     */
    public Integer getRunStatDBPartNum() {
        return runStatDBPartNum;
    }

    /**
     * Sets the partition statistics are gathered on (null: 0).
     *
     * @param runStatDBPartNum the value; null for the default
     */
    public void setRunStatDBPartNum(Integer runStatDBPartNum) {
        this.runStatDBPartNum = runStatDBPartNum;
    }
}
