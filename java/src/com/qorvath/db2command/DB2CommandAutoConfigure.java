package com.qorvath.db2command;

import com.qorvath.db2command.configParams.ParameterFactory;
import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Asks DB2 to recommend database, database-manager and buffer-pool settings for a described
 * workload, and optionally applies them.
 *
 * <p>The command needs a database connection. Each row of the result has the columns name, type,
 * token, current/old value, recommended value, value was applied and brief: first DB2's
 * diagnostics, then database values, database-manager values and buffer pools. Every workload
 * setting left null takes DB2's usual default, noted at its getter.
 */
public class DB2CommandAutoConfigure extends DB2Command implements ParameterFactory {
    private String remoteDatabaseName;
    private EnumApplyType applyType;
    private Integer memoryPercentage;
    private EnumWorkloadType workloadType;
    private Integer numStmts;
    private Integer transactionPerMinute;
    private EnumAdminPriority adminPriority;
    private Boolean isPopulated;
    private Integer numLocalApps;
    private Integer numRemoteApps;
    private EnumIsolation isolation;
    private Boolean bufferpoolResizable;

    /** Creates an auto-configure with every setting at its default. */
    public DB2CommandAutoConfigure() {}

    /**
     * Creates an auto-configure of one database with every other setting at its default.
     *
     * @param remoteDatabaseName the database alias
     * @param applyType what to apply; null to apply nothing
     */
    public DB2CommandAutoConfigure(String remoteDatabaseName, EnumApplyType applyType) {
        this.remoteDatabaseName = remoteDatabaseName;
        this.applyType = applyType;
    }

    /**
     * Returns {@link EnumDB2CommandType#AUTO_CONFIGURE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.AUTO_CONFIGURE;
    }

    /**
     * Returns the alias of the database to configure (8 characters at most).
     *
     * @return the value, or null when not set
     */
    public String getRemoteDatabaseName() {
        return remoteDatabaseName;
    }

    /**
     * Sets the alias of the database to configure (8 characters at most).
     *
     * @param remoteDatabaseName the value; null for the default
     */
    public void setRemoteDatabaseName(String remoteDatabaseName) {
        this.remoteDatabaseName = remoteDatabaseName;
    }

    /**
     * Returns what DB2 applies of its recommendations.
     *
     * @return the value, or null when not set; null means {@link EnumApplyType#NONE}
     */
    public EnumApplyType getApplyType() {
        return applyType;
    }

    /**
     * Sets what DB2 applies of its recommendations.
     *
     * @param applyType the value; null for the default
     */
    public void setApplyType(EnumApplyType applyType) {
        this.applyType = applyType;
    }

    /**
     * Returns the share of the machine's memory the instance may use (%).
     *
     * @return the value, or null when not set; null means 25
     */
    public Integer getMemoryPercentage() {
        return memoryPercentage;
    }

    /**
     * Sets the share of the machine's memory the instance may use (%).
     *
     * @param memoryPercentage the value; null for the default
     */
    public void setMemoryPercentage(Integer memoryPercentage) {
        this.memoryPercentage = memoryPercentage;
    }

    /**
     * Returns the kind of work the database serves.
     *
     * @return the value, or null when not set; null means {@link EnumWorkloadType#MIXED}
     */
    public EnumWorkloadType getWorkloadType() {
        return workloadType;
    }

    /**
     * Sets the kind of work the database serves.
     *
     * @param workloadType the value; null for the default
     */
    public void setWorkloadType(EnumWorkloadType workloadType) {
        this.workloadType = workloadType;
    }

    /**
     * Returns the number of SQL statements in a unit of work.
     *
     * @return the value, or null when not set; null means 10
     */
    public Integer getNumStmts() {
        return numStmts;
    }

    /**
     * Sets the number of SQL statements in a unit of work.
     *
     * @param numStmts the value; null for the default
     */
    public void setNumStmts(Integer numStmts) {
        this.numStmts = numStmts;
    }

    /**
     * Returns the transactions per minute.
     *
     * @return the value, or null when not set; null means 60
     */
    public Integer getTransactionPerMinute() {
        return transactionPerMinute;
    }

    /**
     * Sets the transactions per minute.
     *
     * @param transactionPerMinute the value; null for the default
     */
    public void setTransactionPerMinute(Integer transactionPerMinute) {
        this.transactionPerMinute = transactionPerMinute;
    }

    /**
     * Returns what matters more, work speed or recovery speed.
     *
     * @return the value, or null when not set; null means {@link EnumAdminPriority#BOTH}
     */
    public EnumAdminPriority getAdminPriority() {
        return adminPriority;
    }

    /**
     * Sets what matters more, work speed or recovery speed.
     *
     * @param adminPriority the value; null for the default
     */
    public void setAdminPriority(EnumAdminPriority adminPriority) {
        this.adminPriority = adminPriority;
    }

    /**
     * Returns whether the database already holds data.
     *
     * @return the value, or null when not set; null means true
     */
    public Boolean getIsPopulated() {
        return isPopulated;
    }

    /**
     * Sets whether the database already holds data.
     *
     * @param isPopulated the value; null for the default
     */
    public void setIsPopulated(Boolean isPopulated) {
        this.isPopulated = isPopulated;
    }

    /**
     * Returns the number of local applications connected.
     *
     * @return the value, or null when not set; null means 0
     */
    public Integer getNumLocalApps() {
        return numLocalApps;
    }

    /**
     * Sets the number of local applications connected.
     *
     * @param numLocalApps the value; null for the default
     */
    public void setNumLocalApps(Integer numLocalApps) {
        this.numLocalApps = numLocalApps;
    }

    /**
     * Returns the number of remote applications connected.
     *
     * @return the value, or null when not set; null means 10
     */
    public Integer getNumRemoteApps() {
        return numRemoteApps;
    }

    /**
     * Sets the number of remote applications connected.
     *
     * @param numRemoteApps the value; null for the default
     */
    public void setNumRemoteApps(Integer numRemoteApps) {
        this.numRemoteApps = numRemoteApps;
    }

    /**
     * Returns the isolation level the applications mostly use.
     *
     * @return the value, or null when not set; null means {@link EnumIsolation#RR}
     */
    public EnumIsolation getIsolation() {
        return isolation;
    }

    /**
     * Sets the isolation level the applications mostly use.
     *
     * @param isolation the value; null for the default
     */
    public void setIsolation(EnumIsolation isolation) {
        this.isolation = isolation;
    }

    /**
     * Returns whether buffer pools may be resized.
     *
     * @return the value, or null when not set; null means true
     */
    public Boolean getBufferpoolResizable() {
        return bufferpoolResizable;
    }

    /**
     * Sets whether buffer pools may be resized.
     *
     * @param bufferpoolResizable the value; null for the default
     */
    public void setBufferpoolResizable(Boolean bufferpoolResizable) {
        this.bufferpoolResizable = bufferpoolResizable;
    }

    /** What DB2 applies of its recommendations. */
    public static final class EnumApplyType extends EnumTypeBase {
        /** Apply nothing; only recommend. */
        public static final EnumApplyType NONE = new EnumApplyType(0, "NONE");

        /** Apply the database and database-manager recommendations. */
        public static final EnumApplyType DB_AND_DBM = new EnumApplyType(1, "DB_AND_DBM");

        /** Apply the database recommendations only. */
        public static final EnumApplyType DB_ONLY = new EnumApplyType(2, "DB_ONLY");

        private static final EnumApplyType[] ALL = {NONE, DB_AND_DBM, DB_ONLY};

        private EnumApplyType(int type, String name) {
            super(type, name);
        }

        /**
         * Finds a constant by its code.
         *
         * @param type the code
         * @return the constant, or null when no constant has that code
         */
        public static EnumApplyType fromType(int type) {
            for (EnumApplyType value : ALL) {
                if (value.getType() == type) {
                    return value;
                }
            }
            return null;
        }
    }

    /** The kind of work the database mostly serves. */
    public static final class EnumWorkloadType extends EnumTypeBase {
        /** Short transactions (order entry). */
        public static final EnumWorkloadType SIMPLE = new EnumWorkloadType(1, "SIMPLE");

        /** A mix of transactions and queries. */
        public static final EnumWorkloadType MIXED = new EnumWorkloadType(2, "MIXED");

        /** Long queries (reporting, warehousing). */
        public static final EnumWorkloadType COMPLEX = new EnumWorkloadType(3, "COMPLEX");

        private static final EnumWorkloadType[] ALL = {SIMPLE, MIXED, COMPLEX};

        private EnumWorkloadType(int type, String name) {
            super(type, name);
        }

        /**
         * Finds a constant by its code.
         *
         * @param type the code
         * @return the constant, or null when no constant has that code
         */
        public static EnumWorkloadType fromType(int type) {
            for (EnumWorkloadType value : ALL) {
                if (value.getType() == type) {
                    return value;
                }
            }
            return null;
        }
    }

    /** What matters more to the administrator. */
    public static final class EnumAdminPriority extends EnumTypeBase {
        /** Faster work over faster recovery. */
        public static final EnumAdminPriority PERFORMANCE = new EnumAdminPriority(1, "PERFORMANCE");

        /** Balance work speed and recovery speed. */
        public static final EnumAdminPriority BOTH = new EnumAdminPriority(2, "BOTH");

        /** Faster recovery over faster work. */
        public static final EnumAdminPriority RECOVERY = new EnumAdminPriority(3, "RECOVERY");

        private static final EnumAdminPriority[] ALL = {PERFORMANCE, BOTH, RECOVERY};

        private EnumAdminPriority(int type, String name) {
            super(type, name);
        }

        /**
         * Finds a constant by its code.
         *
         * @param type the code
         * @return the constant, or null when no constant has that code
         */
        public static EnumAdminPriority fromType(int type) {
            for (EnumAdminPriority value : ALL) {
                if (value.getType() == type) {
                    return value;
                }
            }
            return null;
        }
    }

    /** The isolation level the applications mostly use. */
    public static final class EnumIsolation extends EnumTypeBase {
        /** Repeatable read. */
        public static final EnumIsolation RR = new EnumIsolation(1, "RR");

        /** Read stability. */
        public static final EnumIsolation RS = new EnumIsolation(2, "RS");

        /** Cursor stability. */
        public static final EnumIsolation CS = new EnumIsolation(3, "CS");

        /** Uncommitted read. */
        public static final EnumIsolation UR = new EnumIsolation(4, "UR");

        private static final EnumIsolation[] ALL = {RR, RS, CS, UR};

        private EnumIsolation(int type, String name) {
            super(type, name);
        }

        /**
         * Finds a constant by its code.
         *
         * @param type the code
         * @return the constant, or null when no constant has that code
         */
        public static EnumIsolation fromType(int type) {
            for (EnumIsolation value : ALL) {
                if (value.getType() == type) {
                    return value;
                }
            }
            return null;
        }
    }
}
