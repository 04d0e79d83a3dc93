package com.qorvath.db2command;

/**
 * Precompiles a program file with embedded SQL against the connected database: writes the
 * bind file and creates the package the options ask for. Needs a database connection.
 *
 * <p>Options left null are not sent, except the boolean ones, which are sent as false.
 */
public class DB2CommandPrecompile extends DB2Command {
    private String filename;
    private String messageFile;
    private boolean bind;
    private boolean packageUse;
    private EnumPrecompileAction action;
    private String bindFile;
    private EnumBlocking blocking;
    private Boolean callResolutionDeferred;
    private String collectionSchemaName;
    private Integer connect;
    private EnumDatetime datetime;
    private EnumDeferred deferredPrepare;
    private Integer degreeOfParallelism;
    private EnumDisconnect disconnect;
    private EnumDynamicRules dynamicRules;
    private EnumExplain explain;
    private EnumExplain explainSnap;
    private Boolean federated;
    private String funcPathString;
    private String generic;
    private EnumInsert insert;
    private EnumIsolation isolation;
    private EnumLangLevel langLevel;
    private String level;
    private Boolean longError;
    private boolean noLineMacro;
    private Integer optLevel;
    private String outputFilename;
    private String ownerAuthorizationId;
    private String packageName;
    private String preprocessorCommand;
    private String qualifierName;
    private Integer queryOptimiationLevel;
    private EnumReopt reopt;
    private String replaceVersion;
    private Boolean retain;
    private EnumSQLCA sqlca;
    private EnumSQLError sqlError;
    private EnumSQLFlag sqlFlag;
    private EnumSQLRules sqlRules;
    private Boolean sqlWarn;
    private Boolean staticReadOnly;
    private EnumSyncPoint syncPoint;
    private boolean syntax;
    private String transformGroupName;
    private EnumValidate validate;
    private String version;
    private EnumWCharType wCharType;
    private EnumTarget target;

    /** Creates the command with every parameter unset. */
    public DB2CommandPrecompile() {}

    /**
     * Returns {@link EnumDB2CommandType#PRECOMPILE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.PRECOMPILE;
    }

    /**
     * Returns the program file to precompile.
     *
     * @return the value, or null when not set
     */
    public String getFilename() {
        return filename;
    }

    /**
     * Sets the program file to precompile.
     *
     * @param filename the value
     */
    public void setFilename(String filename) {
        this.filename = filename;
    }

    /**
     * Returns the file DB2 writes its messages to.
     *
     * @return the value, or null when not set
     */
    public String getMessageFile() {
        return messageFile;
    }

    /**
     * Sets the file DB2 writes its messages to.
     *
     * @param messageFile the value
     */
    public void setMessageFile(String messageFile) {
        this.messageFile = messageFile;
    }

    /**
     * Returns whether a bind file is written.
     *
     * @return the value
     */
    public boolean isBind() {
        return bind;
    }

    /**
     * Sets whether a bind file is written.
     *
     * @param bind the value
     */
    public void setBind(boolean bind) {
        this.bind = bind;
    }

    /**
     * Returns whether a package is created.
     *
     * @return the value
     */
    public boolean isPackageUse() {
        return packageUse;
    }

    /**
     * Sets whether a package is created.
     *
     * @param packageUse the value
     */
    public void setPackageUse(boolean packageUse) {
        this.packageUse = packageUse;
    }

    /**
     * Returns whether the package is added or replaced.
     *
     * @return the value, or null when not set
     */
    public EnumPrecompileAction getAction() {
        return action;
    }

    /**
     * Sets whether the package is added or replaced.
     *
     * @param action the value
     */
    public void setAction(EnumPrecompileAction action) {
        this.action = action;
    }

    /**
     * Returns the bind file to write (default: the program name with .bnd).
     *
     * @return the value, or null when not set
     */
    public String getBindFile() {
        return bindFile;
    }

    /**
     * Sets the bind file to write (default: the program name with .bnd).
     *
     * @param bindFile the value
     */
    public void setBindFile(String bindFile) {
        this.bindFile = bindFile;
    }

    /**
     * Returns the cursor blocking.
     *
     * @return the value, or null when not set
     */
    public EnumBlocking getBlocking() {
        return blocking;
    }

    /**
     * Sets the cursor blocking.
     *
     * @param blocking the value
     */
    public void setBlocking(EnumBlocking blocking) {
        this.blocking = blocking;
    }

    /**
     * Returns whether CALL statements are resolved at run time.
     *
     * @return the value, or null when not set
     */
    public Boolean getCallResolutionDeferred() {
        return callResolutionDeferred;
    }

    /**
     * Sets whether CALL statements are resolved at run time.
     *
     * @param callResolutionDeferred the value
     */
    public void setCallResolutionDeferred(Boolean callResolutionDeferred) {
        this.callResolutionDeferred = callResolutionDeferred;
    }

    /**
     * Returns the collection (schema) of the package.
     *
     * @return the value, or null when not set
     */
    public String getCollectionSchemaName() {
        return collectionSchemaName;
    }

    /**
     * Sets the collection (schema) of the package.
     *
     * @param collectionSchemaName the value
     */
    public void setCollectionSchemaName(String collectionSchemaName) {
        this.collectionSchemaName = collectionSchemaName;
    }

    /**
     * Returns the connect type (1 or 2).
     *
     * @return the value, or null when not set
     */
    public Integer getConnect() {
        return connect;
    }

    /**
     * Sets the connect type (1 or 2).
     *
     * @param connect the value
     */
    public void setConnect(Integer connect) {
        this.connect = connect;
    }

    /**
     * Returns the date and time format.
     *
     * @return the value, or null when not set
     */
    public EnumDatetime getDatetime() {
        return datetime;
    }

    /**
     * Sets the date and time format.
     *
     * @param datetime the value
     */
    public void setDatetime(EnumDatetime datetime) {
        this.datetime = datetime;
    }

    /**
     * Returns deferred prepare.
     *
     * @return the value, or null when not set
     */
    public EnumDeferred getDeferredPrepare() {
        return deferredPrepare;
    }

    /**
     * Sets deferred prepare.
     *
     * @param deferredPrepare the value
     */
    public void setDeferredPrepare(EnumDeferred deferredPrepare) {
        this.deferredPrepare = deferredPrepare;
    }

    /**
     * Returns the degree of parallelism.
     *
     * @return the value, or null when not set
     */
    public Integer getDegreeOfParallelism() {
        return degreeOfParallelism;
    }

    /**
     * Sets the degree of parallelism.
     *
     * @param degreeOfParallelism the value
     */
    public void setDegreeOfParallelism(Integer degreeOfParallelism) {
        this.degreeOfParallelism = degreeOfParallelism;
    }

    /**
     * Returns which connections are ended at commit.
     *
     * @return the value, or null when not set
     */
    public EnumDisconnect getDisconnect() {
        return disconnect;
    }

    /**
     * Sets which connections are ended at commit.
     *
     * @param disconnect the value
     */
    public void setDisconnect(EnumDisconnect disconnect) {
        this.disconnect = disconnect;
    }

    /**
     * Returns the rules for dynamic SQL.
     *
     * @return the value, or null when not set
     */
    public EnumDynamicRules getDynamicRules() {
        return dynamicRules;
    }

    /**
     * Sets the rules for dynamic SQL.
     *
     * @param dynamicRules the value
     */
    public void setDynamicRules(EnumDynamicRules dynamicRules) {
        this.dynamicRules = dynamicRules;
    }

    /**
     * Returns the explain mode.
     *
     * @return the value, or null when not set
     */
    public EnumExplain getExplain() {
        return explain;
    }

    /**
     * Sets the explain mode.
     *
     * @param explain the value
     */
    public void setExplain(EnumExplain explain) {
        this.explain = explain;
    }

    /**
     * Returns the explain snapshot mode.
     *
     * @return the value, or null when not set
     */
    public EnumExplain getExplainSnap() {
        return explainSnap;
    }

    /**
     * Sets the explain snapshot mode.
     *
     * @param explainSnap the value
     */
    public void setExplainSnap(EnumExplain explainSnap) {
        this.explainSnap = explainSnap;
    }

    /**
     * Returns whether federated statements are allowed.
     *
     * @return the value, or null when not set
     */
    public Boolean getFederated() {
        return federated;
    }

    /**
     * Sets whether federated statements are allowed.
     *
     * @param federated the value
     */
    public void setFederated(Boolean federated) {
        this.federated = federated;
    }

    /**
     * Returns the function path.
     *
     * @return the value, or null when not set
     */
    public String getFuncPathString() {
        return funcPathString;
    }

    /**
     * Sets the function path.
     *
     * @param funcPathString the value
     */
    public void setFuncPathString(String funcPathString) {
        this.funcPathString = funcPathString;
    }

    /**
     * Returns the generic options handed to the server.
     *
     * @return the value, or null when not set
     */
    public String getGeneric() {
        return generic;
    }

    /**
     * Sets the generic options handed to the server.
     *
     * @param generic the value
     */
    public void setGeneric(String generic) {
        this.generic = generic;
    }

    /**
     * Returns the insert buffering.
     *
     * @return the value, or null when not set
     */
    public EnumInsert getInsert() {
        return insert;
    }

    /**
     * Sets the insert buffering.
     *
     * @param insert the value
     */
    public void setInsert(EnumInsert insert) {
        this.insert = insert;
    }

    /**
     * Returns the isolation level.
     *
     * @return the value, or null when not set
     */
    public EnumIsolation getIsolation() {
        return isolation;
    }

    /**
     * Sets the isolation level.
     *
     * @param isolation the value
     */
    public void setIsolation(EnumIsolation isolation) {
        this.isolation = isolation;
    }

    /**
     * Returns the language level.
     *
     * @return the value, or null when not set
     */
    public EnumLangLevel getLangLevel() {
        return langLevel;
    }

    /**
     * Sets the language level.
     *
     * @param langLevel the value
     */
    public void setLangLevel(EnumLangLevel langLevel) {
        this.langLevel = langLevel;
    }

    /**
     * Returns the consistency level.
     *
     * @return the value, or null when not set
     */
    public String getLevel() {
        return level;
    }

    /**
     * Sets the consistency level.
     *
     * @param level the value
     */
    public void setLevel(String level) {
        this.level = level;
    }

    /**
     * Returns whether long host variables are errors.
     *
     * @return the value, or null when not set
     */
    public Boolean getLongError() {
        return longError;
    }

    /**
     * Sets whether long host variables are errors.
     *
     * @param longError the value
     */
    public void setLongError(Boolean longError) {
        this.longError = longError;
    }

    /**
     * Returns whether #line macros are left out.
     *
     * @return the value
     */
    public boolean isNoLineMacro() {
        return noLineMacro;
    }

    /**
     * Sets whether #line macros are left out.
     *
     * @param noLineMacro the value
     */
    public void setNoLineMacro(boolean noLineMacro) {
        this.noLineMacro = noLineMacro;
    }

    /**
     * Returns the optimization level of the generated code.
     *
     * @return the value, or null when not set
     */
    public Integer getOptLevel() {
        return optLevel;
    }

    /**
     * Sets the optimization level of the generated code.
     *
     * @param optLevel the value
     */
    public void setOptLevel(Integer optLevel) {
        this.optLevel = optLevel;
    }

    /**
     * Returns the modified source file to write.
     *
     * @return the value, or null when not set
     */
    public String getOutputFilename() {
        return outputFilename;
    }

    /**
     * Sets the modified source file to write.
     *
     * @param outputFilename the value
     */
    public void setOutputFilename(String outputFilename) {
        this.outputFilename = outputFilename;
    }

    /**
     * Returns the owner of the package.
     *
     * @return the value, or null when not set
     */
    public String getOwnerAuthorizationId() {
        return ownerAuthorizationId;
    }

    /**
     * Sets the owner of the package.
     *
     * @param ownerAuthorizationId the value
     */
    public void setOwnerAuthorizationId(String ownerAuthorizationId) {
        this.ownerAuthorizationId = ownerAuthorizationId;
    }

    /**
     * Returns the package to create (default: the program name in upper case).
     *
     * @return the value, or null when not set
     */
    public String getPackageName() {
        return packageName;
    }

    /**
     * Sets the package to create (default: the program name in upper case).
     *
     * @param packageName the value
     */
    public void setPackageName(String packageName) {
        this.packageName = packageName;
    }

    /**
     * Returns the preprocessor command.
     *
     * @return the value, or null when not set
     */
    public String getPreprocessorCommand() {
        return preprocessorCommand;
    }

    /**
     * Sets the preprocessor command.
     *
     * @param preprocessorCommand the value
     */
    public void setPreprocessorCommand(String preprocessorCommand) {
        this.preprocessorCommand = preprocessorCommand;
    }

    /**
     * Returns the implicit qualifier.
     *
     * @return the value, or null when not set
     */
    public String getQualifierName() {
        return qualifierName;
    }

    /**
     * Sets the implicit qualifier.
     *
     * @param qualifierName the value
     */
    public void setQualifierName(String qualifierName) {
        this.qualifierName = qualifierName;
    }

    /**
     * Returns the query optimization class.
     *
     * @return the value, or null when not set
     */
    public Integer getQueryOptimiationLevel() {
        return queryOptimiationLevel;
    }

    /**
     * Sets the query optimization class.
     *
     * @param queryOptimiationLevel the value
     */
    public void setQueryOptimiationLevel(Integer queryOptimiationLevel) {
        this.queryOptimiationLevel = queryOptimiationLevel;
    }

    /**
     * Returns when access paths are optimized again.
     *
     * @return the value, or null when not set
     */
    public EnumReopt getReopt() {
        return reopt;
    }

    /**
     * Sets when access paths are optimized again.
     *
     * @param reopt the value
     */
    public void setReopt(EnumReopt reopt) {
        this.reopt = reopt;
    }

    /**
     * Returns the version of the package to replace.
     *
     * @return the value, or null when not set
     */
    public String getReplaceVersion() {
        return replaceVersion;
    }

    /**
     * Sets the version of the package to replace.
     *
     * @param replaceVersion the value
     */
    public void setReplaceVersion(String replaceVersion) {
        this.replaceVersion = replaceVersion;
    }

    /**
     * Returns whether authorities are kept when the package is replaced.
     *
     * @return the value, or null when not set
     */
    public Boolean getRetain() {
        return retain;
    }

    /**
     * Sets whether authorities are kept when the package is replaced.
     *
     * @param retain the value
     */
    public void setRetain(Boolean retain) {
        this.retain = retain;
    }

    /**
     * Returns the SQLCA kind.
     *
     * @return the value, or null when not set
     */
    public EnumSQLCA getSqlca() {
        return sqlca;
    }

    /**
     * Sets the SQLCA kind.
     *
     * @param sqlca the value
     */
    public void setSqlca(EnumSQLCA sqlca) {
        this.sqlca = sqlca;
    }

    /**
     * Returns what an SQL error does to the package.
     *
     * @return the value, or null when not set
     */
    public EnumSQLError getSqlError() {
        return sqlError;
    }

    /**
     * Sets what an SQL error does to the package.
     *
     * @param sqlError the value
     */
    public void setSqlError(EnumSQLError sqlError) {
        this.sqlError = sqlError;
    }

    /**
     * Returns the syntax the statements are checked against.
     *
     * @return the value, or null when not set
     */
    public EnumSQLFlag getSqlFlag() {
        return sqlFlag;
    }

    /**
     * Sets the syntax the statements are checked against.
     *
     * @param sqlFlag the value
     */
    public void setSqlFlag(EnumSQLFlag sqlFlag) {
        this.sqlFlag = sqlFlag;
    }

    /**
     * Returns the connection rules.
     *
     * @return the value, or null when not set
     */
    public EnumSQLRules getSqlRules() {
        return sqlRules;
    }

    /**
     * Sets the connection rules.
     *
     * @param sqlRules the value
     */
    public void setSqlRules(EnumSQLRules sqlRules) {
        this.sqlRules = sqlRules;
    }

    /**
     * Returns whether warnings of dynamic statements are returned.
     *
     * @return the value, or null when not set
     */
    public Boolean getSqlWarn() {
        return sqlWarn;
    }

    /**
     * Sets whether warnings of dynamic statements are returned.
     *
     * @param sqlWarn the value
     */
    public void setSqlWarn(Boolean sqlWarn) {
        this.sqlWarn = sqlWarn;
    }

    /**
     * Returns whether static cursors are read-only.
     *
     * @return the value, or null when not set
     */
    public Boolean getStaticReadOnly() {
        return staticReadOnly;
    }

    /**
     * Sets whether static cursors are read-only.
     *
     * @param staticReadOnly the value
     */
    public void setStaticReadOnly(Boolean staticReadOnly) {
        this.staticReadOnly = staticReadOnly;
    }

    /**
     * Returns how commits are coordinated.
     *
     * @return the value, or null when not set
     */
    public EnumSyncPoint getSyncPoint() {
        return syncPoint;
    }

    /**
     * Sets how commits are coordinated.
     *
     * @param syncPoint the value
     */
    public void setSyncPoint(EnumSyncPoint syncPoint) {
        this.syncPoint = syncPoint;
    }

    /**
     * Returns whether only the syntax is checked.
     *
     * @return the value
     */
    public boolean isSyntax() {
        return syntax;
    }

    /**
     * Sets whether only the syntax is checked.
     *
     * @param syntax the value
     */
    public void setSyntax(boolean syntax) {
        this.syntax = syntax;
    }

    /**
     * Returns the transform group.
     *
     * @return the value, or null when not set
     */
    public String getTransformGroupName() {
        return transformGroupName;
    }

    /**
     * Sets the transform group.
     *
     * @param transformGroupName the value
     */
    public void setTransformGroupName(String transformGroupName) {
        this.transformGroupName = transformGroupName;
    }

    /**
     * Returns when objects are validated.
     *
     * @return the value, or null when not set
     */
    public EnumValidate getValidate() {
        return validate;
    }

    /**
     * Sets when objects are validated.
     *
     * @param validate the value
     */
    public void setValidate(EnumValidate validate) {
        this.validate = validate;
    }

    /**
     * Returns the version of the package.
     *
     * @return the value, or null when not set
     */
    public String getVersion() {
        return version;
    }

    /**
     * Sets the version of the package.
     *
     * @param version the value
     */
    public void setVersion(String version) {
        this.version = version;
    }

    /**
     * Returns the wide character type.
     *
     * @return the value, or null when not set
     */
    public EnumWCharType getWCharType() {
        return wCharType;
    }

    /**
     * Sets the wide character type.
     *
     * @param wCharType the value
     */
    public void setWCharType(EnumWCharType wCharType) {
        this.wCharType = wCharType;
    }

    /**
     * Returns the target compiler.
     *
     * @return the value, or null when not set
     */
    public EnumTarget getTarget() {
        return target;
    }

    /**
     * Sets the target compiler.
     *
     * @param target the value
     */
    public void setTarget(EnumTarget target) {
        this.target = target;
    }

    /** Whether the package is added or replaced. */
    public enum EnumPrecompileAction {
        /** ADD. */
        ADD(1),
        /** REPLACE. */
        REPLACE(2);

        private final int value;

        EnumPrecompileAction(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Cursor blocking. */
    public enum EnumBlocking {
        /** UNAMBIG. */
        UNAMBIG(0),
        /** ALL. */
        ALL(1),
        /** NO. */
        NO(2);

        private final int value;

        EnumBlocking(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Date and time format. */
    public enum EnumDatetime {
        /** DEF. */
        DEF(0),
        /** USA. */
        USA(1),
        /** EUR. */
        EUR(2),
        /** ISO. */
        ISO(3),
        /** JIS. */
        JIS(4),
        /** LOC. */
        LOC(5);

        private final int value;

        EnumDatetime(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Deferred prepare. */
    public enum EnumDeferred {
        /** NO. */
        NO(0),
        /** YES. */
        YES(1),
        /** ALL. */
        ALL(2);

        private final int value;

        EnumDeferred(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Which connections are ended at commit. */
    public enum EnumDisconnect {
        /** EXPLICIT. */
        EXPLICIT(0),
        /** CONDITIONAL. */
        CONDITIONAL(1),
        /** AUTOMATIC. */
        AUTOMATIC(2);

        private final int value;

        EnumDisconnect(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Rules for dynamic SQL. */
    public enum EnumDynamicRules {
        /** RUN. */
        RUN(0),
        /** BIND. */
        BIND(1),
        /** INVOKERUN. */
        INVOKERUN(2),
        /** DEFINERUN. */
        DEFINERUN(3),
        /** INVOKEBIND. */
        INVOKEBIND(4),
        /** DEFINEBIND. */
        DEFINEBIND(5);

        private final int value;

        EnumDynamicRules(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Explain mode. */
    public enum EnumExplain {
        /** NO. */
        NO(0),
        /** YES. */
        YES(1),
        /** ALL. */
        ALL(2),
        /** REOPT. */
        REOPT(3);

        private final int value;

        EnumExplain(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Insert buffering. */
    public enum EnumInsert {
        /** DEF. */
        DEF(0),
        /** BUF. */
        BUF(1);

        private final int value;

        EnumInsert(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Isolation level. */
    public enum EnumIsolation {
        /** RR. */
        RR(0),
        /** CS. */
        CS(1),
        /** UR. */
        UR(2),
        /** RS. */
        RS(3),
        /** NC. */
        NC(4);

        private final int value;

        EnumIsolation(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Language level. */
    public enum EnumLangLevel {
        /** SAA1. */
        SAA1(0),
        /** MIA. */
        MIA(1),
        /** SQL92E. */
        SQL92E(2);

        private final int value;

        EnumLangLevel(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** When access paths are optimized again. */
    public enum EnumReopt {
        /** NONE. */
        NONE(0),
        /** ONCE. */
        ONCE(1),
        /** ALWAYS. */
        ALWAYS(2);

        private final int value;

        EnumReopt(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** SQLCA kind. */
    public enum EnumSQLCA {
        /** NONE. */
        NONE(0),
        /** SAA. */
        SAA(1);

        private final int value;

        EnumSQLCA(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** What an SQL error does to the package. */
    public enum EnumSQLError {
        /** NOPACKAGE. */
        NOPACKAGE(0),
        /** CHECK. */
        CHECK(1),
        /** CONTINUE. */
        CONTINUE(2);

        private final int value;

        EnumSQLError(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Syntax the statements are checked against. */
    public enum EnumSQLFlag {
        /** SQL92E. */
        SQL92E(0),
        /** MVSDB2V23. */
        MVSDB2V23(1),
        /** MVSDB2V31. */
        MVSDB2V31(2),
        /** MVSDB2V41. */
        MVSDB2V41(3);

        private final int value;

        EnumSQLFlag(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Connection rules. */
    public enum EnumSQLRules {
        /** DB2. */
        DB2(0),
        /** STD. */
        STD(1);

        private final int value;

        EnumSQLRules(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** How commits are coordinated. */
    public enum EnumSyncPoint {
        /** ONEPHASE. */
        ONEPHASE(1),
        /** NONE. */
        NONE(2),
        /** TWOPHASE. */
        TWOPHASE(3);

        private final int value;

        EnumSyncPoint(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** When objects are validated. */
    public enum EnumValidate {
        /** BIND. */
        BIND(0),
        /** RUN. */
        RUN(1);

        private final int value;

        EnumValidate(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Wide character type. */
    public enum EnumWCharType {
        /** NOCONVERT. */
        NOCONVERT(0),
        /** CONVERT. */
        CONVERT(1);

        private final int value;

        EnumWCharType(int value) {
            this.value = value;
        }

        /**
         * Returns the number DB2 knows this value by.
         *
         * @return the number
         */
        public int getValue() {
            return value;
        }
    }

    /** Target compiler; its name is sent. */
    public enum EnumTarget {
        /** IBMCOB. */
        IBMCOB,
        /** MFCOB. */
        MFCOB,
        /** ANSI_COBOL. */
        ANSI_COBOL,
        /** C. */
        C,
        /** CPLUSPLUS. */
        CPLUSPLUS,
        /** FORTRAN. */
        FORTRAN
    }
}
