package com.qorvath.db2command;

import java.util.Collection;

/**
 * Collects statistics of one table and its indexes on the connected database, then commits.
 * Needs a database connection.
 *
 * <p>With no column options and no column selection, statistics are collected on all columns.
 */
public class DB2CommandRunStats extends DB2Command {
    private String objectName;
    private Double numericaLiteral;
    private Integer defaultFrequencyOption;
    private Integer defaultQuantileOption;
    private Integer repeatableIntegerLiteral;
    private Integer priority;
    private Collection<ColumnOption> colsColumnOptions;
    private Collection<DistColumnOption> distColumnOptions;
    private Collection<String> indexName;
    private EnumColumnSelection distColumnSelection;
    private EnumColumnSelection colsColumnSelection;
    private boolean withDistribution;
    private boolean useAllIndicies;
    private boolean indexDetailed;
    private boolean indexSampled;
    private boolean allowReadAccess;
    private EnumTablesampleOptions tablesampleOptions;
    private boolean useProfile;
    private EnumProfileOptions profileOptions;
    private boolean excludeXMLColumns;

    /** Creates the command with every parameter unset. */
    public DB2CommandRunStats() {}

    /**
     * Returns {@link EnumDB2CommandType#RUNSTATS}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.RUNSTATS;
    }

    /**
     * Returns the table ([schema.]name).
     *
     * @return the value, or null when not set
     */
    public String getObjectName() {
        return objectName;
    }

    /**
     * Sets the table ([schema.]name).
     *
     * @param objectName the value
     */
    public void setObjectName(String objectName) {
        this.objectName = objectName;
    }

    /**
     * Returns the sampling percentage.
     *
     * @return the value, or null when not set
     */
    public Double getNumericaLiteral() {
        return numericaLiteral;
    }

    /**
     * Sets the sampling percentage.
     *
     * @param numericaLiteral the value
     */
    public void setNumericaLiteral(Double numericaLiteral) {
        this.numericaLiteral = numericaLiteral;
    }

    /**
     * Returns the default number of frequent values (null: DB2's).
     *
     * @return the value, or null when not set
     */
    public Integer getDefaultFrequencyOption() {
        return defaultFrequencyOption;
    }

    /**
     * Sets the default number of frequent values (null: DB2's).
     *
     * @param defaultFrequencyOption the value
     */
    public void setDefaultFrequencyOption(Integer defaultFrequencyOption) {
        this.defaultFrequencyOption = defaultFrequencyOption;
    }

    /**
     * Returns the default number of quantiles (null: DB2's).
     *
     * @return the value, or null when not set
     */
    public Integer getDefaultQuantileOption() {
        return defaultQuantileOption;
    }

    /**
     * Sets the default number of quantiles (null: DB2's).
     *
     * @param defaultQuantileOption the value
     */
    public void setDefaultQuantileOption(Integer defaultQuantileOption) {
        this.defaultQuantileOption = defaultQuantileOption;
    }

    /**
     * Returns the seed of repeatable sampling (null or 0: not repeatable).
     *
     * @return the value, or null when not set
     */
    public Integer getRepeatableIntegerLiteral() {
        return repeatableIntegerLiteral;
    }

    /**
     * Sets the seed of repeatable sampling (null or 0: not repeatable).
     *
     * @param repeatableIntegerLiteral the value
     */
    public void setRepeatableIntegerLiteral(Integer repeatableIntegerLiteral) {
        this.repeatableIntegerLiteral = repeatableIntegerLiteral;
    }

    /**
     * Returns the impact priority (null: 70).
     *
     * @return the value, or null when not set
     */
    public Integer getPriority() {
        return priority;
    }

    /**
     * Sets the impact priority (null: 70).
     *
     * @param priority the value
     */
    public void setPriority(Integer priority) {
        this.priority = priority;
    }

    /**
     * Returns the columns and column groups.
     *
     * @return the value, or null when not set
     */
    public Collection<ColumnOption> getColsColumnOptions() {
        return colsColumnOptions;
    }

    /**
     * Sets the columns and column groups.
     *
     * @param colsColumnOptions the value
     */
    public void setColsColumnOptions(Collection<ColumnOption> colsColumnOptions) {
        this.colsColumnOptions = colsColumnOptions;
    }

    /**
     * Returns the distribution columns and groups.
     *
     * @return the value, or null when not set
     */
    public Collection<DistColumnOption> getDistColumnOptions() {
        return distColumnOptions;
    }

    /**
     * Sets the distribution columns and groups.
     *
     * @param distColumnOptions the value
     */
    public void setDistColumnOptions(Collection<DistColumnOption> distColumnOptions) {
        this.distColumnOptions = distColumnOptions;
    }

    /**
     * Returns the indexes.
     *
     * @return the value, or null when not set
     */
    public Collection<String> getIndexName() {
        return indexName;
    }

    /**
     * Sets the indexes.
     *
     * @param indexName the value
     */
    public void setIndexName(Collection<String> indexName) {
        this.indexName = indexName;
    }

    /**
     * Returns the column selection with distribution.
     *
     * @return the value, or null when not set
     */
    public EnumColumnSelection getDistColumnSelection() {
        return distColumnSelection;
    }

    /**
     * Sets the column selection with distribution.
     *
     * @param distColumnSelection the value
     */
    public void setDistColumnSelection(EnumColumnSelection distColumnSelection) {
        this.distColumnSelection = distColumnSelection;
    }

    /**
     * Returns the column selection.
     *
     * @return the value, or null when not set
     */
    public EnumColumnSelection getColsColumnSelection() {
        return colsColumnSelection;
    }

    /**
     * Sets the column selection.
     *
     * @param colsColumnSelection the value
     */
    public void setColsColumnSelection(EnumColumnSelection colsColumnSelection) {
        this.colsColumnSelection = colsColumnSelection;
    }

    /**
     * Returns whether distribution statistics are collected.
     *
     * @return the value
     */
    public boolean isWithDistribution() {
        return withDistribution;
    }

    /**
     * Sets whether distribution statistics are collected.
     *
     * @param withDistribution the value
     */
    public void setWithDistribution(boolean withDistribution) {
        this.withDistribution = withDistribution;
    }

    /**
     * Returns whether every index is included.
     *
     * @return the value
     */
    public boolean isUseAllIndicies() {
        return useAllIndicies;
    }

    /**
     * Sets whether every index is included.
     *
     * @param useAllIndicies the value
     */
    public void setUseAllIndicies(boolean useAllIndicies) {
        this.useAllIndicies = useAllIndicies;
    }

    /**
     * Returns whether detailed index statistics are collected.
     *
     * @return the value
     */
    public boolean isIndexDetailed() {
        return indexDetailed;
    }

    /**
     * Sets whether detailed index statistics are collected.
     *
     * @param indexDetailed the value
     */
    public void setIndexDetailed(boolean indexDetailed) {
        this.indexDetailed = indexDetailed;
    }

    /**
     * Returns whether detailed index statistics are sampled.
     *
     * @return the value
     */
    public boolean isIndexSampled() {
        return indexSampled;
    }

    /**
     * Sets whether detailed index statistics are sampled.
     *
     * @param indexSampled the value
     */
    public void setIndexSampled(boolean indexSampled) {
        this.indexSampled = indexSampled;
    }

    /**
     * Returns whether others may only read during the run.
     *
     * @return the value
     */
    public boolean isAllowReadAccess() {
        return allowReadAccess;
    }

    /**
     * Sets whether others may only read during the run.
     *
     * @param allowReadAccess the value
     */
    public void setAllowReadAccess(boolean allowReadAccess) {
        this.allowReadAccess = allowReadAccess;
    }

    /**
     * Returns the sampling kind.
     *
     * @return the value, or null when not set
     */
    public EnumTablesampleOptions getTablesampleOptions() {
        return tablesampleOptions;
    }

    /**
     * Sets the sampling kind.
     *
     * @param tablesampleOptions the value
     */
    public void setTablesampleOptions(EnumTablesampleOptions tablesampleOptions) {
        this.tablesampleOptions = tablesampleOptions;
    }

    /**
     * Returns whether the statistics profile is used.
     *
     * @return the value
     */
    public boolean isUseProfile() {
        return useProfile;
    }

    /**
     * Sets whether the statistics profile is used.
     *
     * @param useProfile the value
     */
    public void setUseProfile(boolean useProfile) {
        this.useProfile = useProfile;
    }

    /**
     * Returns what is done to the statistics profile.
     *
     * @return the value, or null when not set
     */
    public EnumProfileOptions getProfileOptions() {
        return profileOptions;
    }

    /**
     * Sets what is done to the statistics profile.
     *
     * @param profileOptions the value
     */
    public void setProfileOptions(EnumProfileOptions profileOptions) {
        this.profileOptions = profileOptions;
    }

    /**
     * Returns whether XML columns are left out (version 9 and later).
     *
     * @return the value
     */
    public boolean isExcludeXMLColumns() {
        return excludeXMLColumns;
    }

    /**
     * Sets whether XML columns are left out (version 9 and later).
     *
     * @param excludeXMLColumns the value
     */
    public void setExcludeXMLColumns(boolean excludeXMLColumns) {
        this.excludeXMLColumns = excludeXMLColumns;
    }

    /** A column, or a group of columns whose statistics are collected together. */
    public static class ColumnOption {
        private Collection<String> columnNameList;
        private boolean likeStatistics;

        /** Creates an option with nothing set. */
        public ColumnOption() {}

        /**
         * Returns the column names (two or more: a group).
         *
         * @return the value, or null when not set
         */
        public Collection<String> getColumnNameList() {
            return columnNameList;
        }

        /**
         * Sets the column names (two or more: a group).
         *
         * @param columnNameList the value
         */
        public void setColumnNameList(Collection<String> columnNameList) {
            this.columnNameList = columnNameList;
        }

        /**
         * Returns whether LIKE statistics are collected for a single column.
         *
         * @return the value
         */
        public boolean isLikeStatistics() {
            return likeStatistics;
        }

        /**
         * Sets whether LIKE statistics are collected for a single column.
         *
         * @param likeStatistics the value
         */
        public void setLikeStatistics(boolean likeStatistics) {
            this.likeStatistics = likeStatistics;
        }
    }

    /** A distribution column, or a group of them. */
    public static class DistColumnOption {
        private Collection<String> columnNameList;
        private Integer frequencyOption;
        private Integer quantileOption;

        /** Creates an option with nothing set. */
        public DistColumnOption() {}

        /**
         * Returns the column names (two or more: a group).
         *
         * @return the value, or null when not set
         */
        public Collection<String> getColumnNameList() {
            return columnNameList;
        }

        /**
         * Sets the column names (two or more: a group).
         *
         * @param columnNameList the value
         */
        public void setColumnNameList(Collection<String> columnNameList) {
            this.columnNameList = columnNameList;
        }

        /**
         * Returns the number of frequent values (null: the default).
         *
         * @return the value, or null when not set
         */
        public Integer getFrequencyOption() {
            return frequencyOption;
        }

        /**
         * Sets the number of frequent values (null: the default).
         *
         * @param frequencyOption the value
         */
        public void setFrequencyOption(Integer frequencyOption) {
            this.frequencyOption = frequencyOption;
        }

        /**
         * Returns the number of quantiles (null: the default).
         *
         * @return the value, or null when not set
         */
        public Integer getQuantileOption() {
            return quantileOption;
        }

        /**
         * Sets the number of quantiles (null: the default).
         *
         * @param quantileOption the value
         */
        public void setQuantileOption(Integer quantileOption) {
            this.quantileOption = quantileOption;
        }
    }

    /** Which columns statistics are collected on. */
    public enum EnumColumnSelection {
        /** ON_ALL_COLUMNS. */
        ON_ALL_COLUMNS,
        /** ON_KEY_COLUMNS. */
        ON_KEY_COLUMNS,
        /** ON_COLUMNS. */
        ON_COLUMNS,
        /** ON_ALL_COLUMNS_AND_COLUMNS. */
        ON_ALL_COLUMNS_AND_COLUMNS,
        /** ON_KEY_COLUMNS_AND_COLUMNS. */
        ON_KEY_COLUMNS_AND_COLUMNS
    }

    /** Sampling kind: rows or pages. */
    public enum EnumTablesampleOptions {
        /** BERNOULLI. */
        BERNOULLI,
        /** SYSTEM. */
        SYSTEM
    }

    /** What is done to the statistics profile. */
    public enum EnumProfileOptions {
        /** SET_PROFILE. */
        SET_PROFILE,
        /** SET_PROFILE_ONLY. */
        SET_PROFILE_ONLY,
        /** UPDATE_PROFILE. */
        UPDATE_PROFILE,
        /** UPDATE_PROFILE_ONLY. */
        UPDATE_PROFILE_ONLY
    }
}
