package com.qorvath.db2command;

/**
 * Rebinds a package of the connected database. Needs a database connection. Options left null
 * are not sent.
 */
public class DB2CommandRebind extends DB2Command {
    private String packageName;
    private EnumReopt reopt;
    private EnumResolve resolve;
    private String versionName;

    /** Creates the command with every parameter unset. */
    public DB2CommandRebind() {}

    /**
     * Returns {@link EnumDB2CommandType#REBIND}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.REBIND;
    }

    /**
     * Returns the package to rebind ([schema.]name).
     *
     * @return the value, or null when not set
     */
    public String getPackageName() {
        return packageName;
    }

    /**
     * Sets the package to rebind ([schema.]name).
     *
     * @param packageName the value
     */
    public void setPackageName(String packageName) {
        this.packageName = packageName;
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
     * Returns how function and type references are resolved.
     *
     * @return the value, or null when not set
     */
    public EnumResolve getResolve() {
        return resolve;
    }

    /**
     * Sets how function and type references are resolved.
     *
     * @param resolve the value
     */
    public void setResolve(EnumResolve resolve) {
        this.resolve = resolve;
    }

    /**
     * Returns the version of the package.
     *
     * @return the value, or null when not set
     */
    public String getVersionName() {
        return versionName;
    }

    /**
     * Sets the version of the package.
     *
     * @param versionName the value
     */
    public void setVersionName(String versionName) {
        this.versionName = versionName;
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

    /** How function and type references are resolved. */
    public enum EnumResolve {
        /** ANY. */
        ANY(0),
        /** CONSERVATIVE. */
        CONSERVATIVE(1);

        private final int value;

        EnumResolve(int value) {
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
}
