package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Binds a bind file to the connected database as a package; a package of the same name is
 * replaced unless the action says otherwise. Needs a database connection.
 *
 * <p>Every option left null is not sent, so DB2 uses its default.
 */
public class DB2CommandBind extends DB2Command {
    private String bindFile;
    private String messageFile;
    private EnumAction action;
    private Boolean retain;
    private String replaceVersion;
    private EnumCursorBlocking blocking;
    private Integer cliPackages;
    private String collection;
    private EnumDateTimeFormat dateTimeFormat;
    private Integer degreeValue;
    private EnumDynamicRules dynamicRules;
    private EnumExplainMode explainMode;
    private EnumExplainSnapshot explainSnapshot;
    private Boolean federated;
    private String functionPath;
    private String genericString;
    private String grantGroupString;
    private String grantString;
    private String grantUser;
    private EnumInsertBufMode insertBuf;
    private DB2CommandAutoConfigure.EnumIsolation isolation;
    private String owner;
    private String qualifier;
    private Integer queryOptimization;
    private EnumReOpt reOpt;
    private EnumSqlError sqlError;
    private Boolean sqlWarn;
    private String transformGroupName;
    private EnumValidate validate;

    /** Creates the command with every parameter unset. */
    public DB2CommandBind() {}

    /**
     * Returns {@link EnumDB2CommandType#BIND}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.BIND;
    }

    /**
     * Returns the bind file to bind.
     *
     * @return the value, or null when not set
     */
    public String getBindFile() {
        return bindFile;
    }

    /**
     * Sets the bind file to bind.
     *
     * @param bindFile the value
     */
    public void setBindFile(String bindFile) {
        this.bindFile = bindFile;
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
     * Returns whether the package is added or replaced.
     *
     * @return the value, or null when not set
     */
    public EnumAction getAction() {
        return action;
    }

    /**
     * Sets whether the package is added or replaced.
     *
     * @param action the value
     */
    public void setAction(EnumAction action) {
        this.action = action;
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
     * Returns the cursor blocking.
     *
     * @return the value, or null when not set
     */
    public EnumCursorBlocking getBlocking() {
        return blocking;
    }

    /**
     * Sets the cursor blocking.
     *
     * @param blocking the value
     */
    public void setBlocking(EnumCursorBlocking blocking) {
        this.blocking = blocking;
    }

    /**
     * Returns the number of CLI packages to create.
     *
     * @return the value, or null when not set
     */
    public Integer getCliPackages() {
        return cliPackages;
    }

    /**
     * Sets the number of CLI packages to create.
     *
     * @param cliPackages the value
     */
    public void setCliPackages(Integer cliPackages) {
        this.cliPackages = cliPackages;
    }

    /**
     * Returns the collection (schema) of the package.
     *
     * @return the value, or null when not set
     */
    public String getCollection() {
        return collection;
    }

    /**
     * Sets the collection (schema) of the package.
     *
     * @param collection the value
     */
    public void setCollection(String collection) {
        this.collection = collection;
    }

    /**
     * Returns the date and time format.
     *
     * @return the value, or null when not set
     */
    public EnumDateTimeFormat getDateTimeFormat() {
        return dateTimeFormat;
    }

    /**
     * Sets the date and time format.
     *
     * @param dateTimeFormat the value
     */
    public void setDateTimeFormat(EnumDateTimeFormat dateTimeFormat) {
        this.dateTimeFormat = dateTimeFormat;
    }

    /**
     * Returns the degree of parallelism.
     *
     * @return the value, or null when not set
     */
    public Integer getDegreeValue() {
        return degreeValue;
    }

    /**
     * Sets the degree of parallelism.
     *
     * @param degreeValue the value
     */
    public void setDegreeValue(Integer degreeValue) {
        this.degreeValue = degreeValue;
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
    public EnumExplainMode getExplainMode() {
        return explainMode;
    }

    /**
     * Sets the explain mode.
     *
     * @param explainMode the value
     */
    public void setExplainMode(EnumExplainMode explainMode) {
        this.explainMode = explainMode;
    }

    /**
     * Returns the explain snapshot mode.
     *
     * @return the value, or null when not set
     */
    public EnumExplainSnapshot getExplainSnapshot() {
        return explainSnapshot;
    }

    /**
     * Sets the explain snapshot mode.
     *
     * @param explainSnapshot the value
     */
    public void setExplainSnapshot(EnumExplainSnapshot explainSnapshot) {
        this.explainSnapshot = explainSnapshot;
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
    public String getFunctionPath() {
        return functionPath;
    }

    /**
     * Sets the function path.
     *
     * @param functionPath the value
     */
    public void setFunctionPath(String functionPath) {
        this.functionPath = functionPath;
    }

    /**
     * Returns the generic options handed to the server.
     *
     * @return the value, or null when not set
     */
    public String getGenericString() {
        return genericString;
    }

    /**
     * Sets the generic options handed to the server.
     *
     * @param genericString the value
     */
    public void setGenericString(String genericString) {
        this.genericString = genericString;
    }

    /**
     * Returns the group granted EXECUTE.
     *
     * @return the value, or null when not set
     */
    public String getGrantGroupString() {
        return grantGroupString;
    }

    /**
     * Sets the group granted EXECUTE.
     *
     * @param grantGroupString the value
     */
    public void setGrantGroupString(String grantGroupString) {
        this.grantGroupString = grantGroupString;
    }

    /**
     * Returns the authorization name granted EXECUTE.
     *
     * @return the value, or null when not set
     */
    public String getGrantString() {
        return grantString;
    }

    /**
     * Sets the authorization name granted EXECUTE.
     *
     * @param grantString the value
     */
    public void setGrantString(String grantString) {
        this.grantString = grantString;
    }

    /**
     * Returns the user granted EXECUTE.
     *
     * @return the value, or null when not set
     */
    public String getGrantUser() {
        return grantUser;
    }

    /**
     * Sets the user granted EXECUTE.
     *
     * @param grantUser the value
     */
    public void setGrantUser(String grantUser) {
        this.grantUser = grantUser;
    }

    /**
     * Returns the insert buffering.
     *
     * @return the value, or null when not set
     */
    public EnumInsertBufMode getInsertBuf() {
        return insertBuf;
    }

    /**
     * Sets the insert buffering.
     *
     * @param insertBuf the value
     */
    public void setInsertBuf(EnumInsertBufMode insertBuf) {
        this.insertBuf = insertBuf;
    }

    /**
     * Returns the isolation level.
     *
     * @return the value, or null when not set
     */
    public DB2CommandAutoConfigure.EnumIsolation getIsolation() {
        return isolation;
    }

    /**
     * Sets the isolation level.
     *
     * @param isolation the value
     */
    public void setIsolation(DB2CommandAutoConfigure.EnumIsolation isolation) {
        this.isolation = isolation;
    }

    /**
     * Returns the owner of the package.
     *
     * @return the value, or null when not set
     */
    public String getOwner() {
        return owner;
    }

    /**
     * Sets the owner of the package.
     *
     * @param owner the value
     */
    public void setOwner(String owner) {
        this.owner = owner;
    }

    /**
     * Returns the implicit qualifier.
     *
     * @return the value, or null when not set
     */
    public String getQualifier() {
        return qualifier;
    }

    /**
     * Sets the implicit qualifier.
     *
     * @param qualifier the value
     */
    public void setQualifier(String qualifier) {
        this.qualifier = qualifier;
    }

    /**
     * Returns the query optimization class.
     *
     * @return the value, or null when not set
     */
    public Integer getQueryOptimization() {
        return queryOptimization;
    }

    /**
     * Sets the query optimization class.
     *
     * @param queryOptimization the value
     */
    public void setQueryOptimization(Integer queryOptimization) {
        this.queryOptimization = queryOptimization;
    }

    /**
     * Returns when access paths are optimized again (clients and servers above 8.2).
     *
     * @return the value, or null when not set
     */
    public EnumReOpt getReOpt() {
        return reOpt;
    }

    /**
     * Sets when access paths are optimized again (clients and servers above 8.2).
     *
     * @param reOpt the value
     */
    public void setReOpt(EnumReOpt reOpt) {
        this.reOpt = reOpt;
    }

    /**
     * Returns what an SQL error does to the package.
     *
     * @return the value, or null when not set
     */
    public EnumSqlError getSqlError() {
        return sqlError;
    }

    /**
     * Sets what an SQL error does to the package.
     *
     * @param sqlError the value
     */
    public void setSqlError(EnumSqlError sqlError) {
        this.sqlError = sqlError;
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

    /** Whether the package is added or replaced. */
    public static final class EnumAction extends EnumTypeBase {
        /** ADD. */
        public static final EnumAction ADD = new EnumAction(1, "ADD");

        /** REPLACE. */
        public static final EnumAction REPLACE = new EnumAction(2, "REPLACE");

        private EnumAction(int type, String name) {
            super(type, name);
        }
    }

    /** Cursor blocking. */
    public static final class EnumCursorBlocking extends EnumTypeBase {
        /** UNAMBIG. */
        public static final EnumCursorBlocking UNAMBIG = new EnumCursorBlocking(0, "UNAMBIG");

        /** ALL. */
        public static final EnumCursorBlocking ALL = new EnumCursorBlocking(1, "ALL");

        /** NO. */
        public static final EnumCursorBlocking NO = new EnumCursorBlocking(2, "NO");

        private EnumCursorBlocking(int type, String name) {
            super(type, name);
        }
    }

    /** Date and time format. */
    public static final class EnumDateTimeFormat extends EnumTypeBase {
        /** DEF. */
        public static final EnumDateTimeFormat DEF = new EnumDateTimeFormat(0, "DEF");

        /** USA. */
        public static final EnumDateTimeFormat USA = new EnumDateTimeFormat(1, "USA");

        /** EUR. */
        public static final EnumDateTimeFormat EUR = new EnumDateTimeFormat(2, "EUR");

        /** ISO. */
        public static final EnumDateTimeFormat ISO = new EnumDateTimeFormat(3, "ISO");

        /** JIS. */
        public static final EnumDateTimeFormat JIS = new EnumDateTimeFormat(4, "JIS");

        /** LOC. */
        public static final EnumDateTimeFormat LOC = new EnumDateTimeFormat(5, "LOC");

        private EnumDateTimeFormat(int type, String name) {
            super(type, name);
        }
    }

    /** Rules for dynamic SQL. */
    public static final class EnumDynamicRules extends EnumTypeBase {
        /** RUN. */
        public static final EnumDynamicRules RUN = new EnumDynamicRules(0, "RUN");

        /** BIND. */
        public static final EnumDynamicRules BIND = new EnumDynamicRules(1, "BIND");

        /** INVOKERUN. */
        public static final EnumDynamicRules INVOKERUN = new EnumDynamicRules(2, "INVOKERUN");

        /** DEFINERUN. */
        public static final EnumDynamicRules DEFINERUN = new EnumDynamicRules(3, "DEFINERUN");

        /** INVOKEBIND. */
        public static final EnumDynamicRules INVOKEBIND = new EnumDynamicRules(4, "INVOKEBIND");

        /** DEFINEBIND. */
        public static final EnumDynamicRules DEFINEBIND = new EnumDynamicRules(5, "DEFINEBIND");

        private EnumDynamicRules(int type, String name) {
            super(type, name);
        }
    }

    /** Explain mode. */
    public static final class EnumExplainMode extends EnumTypeBase {
        /** NO. */
        public static final EnumExplainMode NO = new EnumExplainMode(0, "NO");

        /** YES. */
        public static final EnumExplainMode YES = new EnumExplainMode(1, "YES");

        /** ALL. */
        public static final EnumExplainMode ALL = new EnumExplainMode(2, "ALL");

        /** REOPT. */
        public static final EnumExplainMode REOPT = new EnumExplainMode(3, "REOPT");

        private EnumExplainMode(int type, String name) {
            super(type, name);
        }
    }

    /** Explain snapshot mode. */
    public static final class EnumExplainSnapshot extends EnumTypeBase {
        /** NO. */
        public static final EnumExplainSnapshot NO = new EnumExplainSnapshot(0, "NO");

        /** YES. */
        public static final EnumExplainSnapshot YES = new EnumExplainSnapshot(1, "YES");

        /** ALL. */
        public static final EnumExplainSnapshot ALL = new EnumExplainSnapshot(2, "ALL");

        /** REOPT. */
        public static final EnumExplainSnapshot REOPT = new EnumExplainSnapshot(3, "REOPT");

        private EnumExplainSnapshot(int type, String name) {
            super(type, name);
        }
    }

    /** Insert buffering. */
    public static final class EnumInsertBufMode extends EnumTypeBase {
        /** DEF. */
        public static final EnumInsertBufMode DEF = new EnumInsertBufMode(0, "DEF");

        /** BUF. */
        public static final EnumInsertBufMode BUF = new EnumInsertBufMode(1, "BUF");

        private EnumInsertBufMode(int type, String name) {
            super(type, name);
        }
    }

    /** When access paths are optimized again. */
    public static final class EnumReOpt extends EnumTypeBase {
        /** NONE. */
        public static final EnumReOpt NONE = new EnumReOpt(0, "NONE");

        /** ONCE. */
        public static final EnumReOpt ONCE = new EnumReOpt(1, "ONCE");

        /** ALWAYS. */
        public static final EnumReOpt ALWAYS = new EnumReOpt(2, "ALWAYS");

        private EnumReOpt(int type, String name) {
            super(type, name);
        }
    }

    /** What an SQL error does to the package. */
    public static final class EnumSqlError extends EnumTypeBase {
        /** NOPACKAGE. */
        public static final EnumSqlError NOPACKAGE = new EnumSqlError(0, "NOPACKAGE");

        /** CHECK. */
        public static final EnumSqlError CHECK = new EnumSqlError(1, "CHECK");

        /** CONTINUE. */
        public static final EnumSqlError CONTINUE = new EnumSqlError(2, "CONTINUE");

        private EnumSqlError(int type, String name) {
            super(type, name);
        }
    }

    /** When objects are validated. */
    public static final class EnumValidate extends EnumTypeBase {
        /** BIND. */
        public static final EnumValidate BIND = new EnumValidate(0, "BIND");

        /** RUN. */
        public static final EnumValidate RUN = new EnumValidate(1, "RUN");

        private EnumValidate(int type, String name) {
            super(type, name);
        }
    }
}
