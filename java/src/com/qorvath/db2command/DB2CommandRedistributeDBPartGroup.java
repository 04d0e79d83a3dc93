package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Redistributes the data of a database partition group, on the run-time context's connection.
 *
 * <p>DB2 is given the first letter of the option's name ('U', 'T', 'C' or 'R'), or 0 when no option
 * is set. The target map is read with {@link EnumRedistributeOption#TARGET_MAP}; the distribution
 * file, when given, weighs a uniform redistribution.
 */
public class DB2CommandRedistributeDBPartGroup extends DB2Command {
    private String dbPartitionGroup;
    private String targetMap;
    private String distFile;
    private EnumRedistributeOption redistributeOption;

    /** How the data is spread. */
    public static final class EnumRedistributeOption extends EnumTypeBase {
        /** Evenly over the partitions of the group. */
        public static final EnumRedistributeOption UNIFORM =
                new EnumRedistributeOption('U', "Uniform");
        /** As the target partitioning map file says. */
        public static final EnumRedistributeOption TARGET_MAP =
                new EnumRedistributeOption('T', "TargetMap");
        /** Continue a redistribution that stopped. */
        public static final EnumRedistributeOption CONTINUE =
                new EnumRedistributeOption('C', "Continue");
        /** Roll back a redistribution that stopped. */
        public static final EnumRedistributeOption ROLLBACK =
                new EnumRedistributeOption('R', "Rollback");

        private EnumRedistributeOption(int type, String name) {
            super(type, name);
        }
    }

    /** Creates the command with no parameters yet. */
    public DB2CommandRedistributeDBPartGroup() {}

    /**
     * Returns {@link EnumDB2CommandType#REDISTRIBUTE_DB_PART_GROUP}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.REDISTRIBUTE_DB_PART_GROUP;
    }

    /**
     * Returns the partition group to redistribute. (The name is the one the library reads.)
     *
     * @return the group name
     */
    public String getDbPartartitionGroup() {
        return dbPartitionGroup;
    }

    /**
     * Sets the partition group to redistribute.
     *
     * @param dbPartitionGroup the group name
     */
    public void setDbPartitionGroup(String dbPartitionGroup) {
        this.dbPartitionGroup = dbPartitionGroup;
    }

    /**
     * Returns the target partitioning map file, or null or empty for none.
     *
     * @return the file name
     */
    public String getTargetMap() {
        return targetMap;
    }

    /**
     * Sets the target partitioning map file.
     *
     * @param targetMap the file name
     */
    public void setTargetMap(String targetMap) {
        this.targetMap = targetMap;
    }

    /**
     * Returns the data distribution file, or null or empty for none.
     *
     * @return the file name
     */
    public String getDistFile() {
        return distFile;
    }

    /**
     * Sets the data distribution file.
     *
     * @param distFile the file name
     */
    public void setDistFile(String distFile) {
        this.distFile = distFile;
    }

    /**
     * Returns the option.
     *
     * @return the option, or null
     */
    public EnumRedistributeOption getRedistributeOption() {
        return redistributeOption;
    }

    /**
     * Sets the option.
     *
     * @param redistributeOption the option, or null for none
     */
    public void setRedistributeOption(EnumRedistributeOption redistributeOption) {
        this.redistributeOption = redistributeOption;
    }

    /**
     * Returns the option's name, whose first letter DB2 gets; empty when no option is set.
     *
     * @return such as "Uniform", or ""
     */
    public String getRedistributeOptionValue() {
        return redistributeOption == null ? "" : redistributeOption.getName();
    }
}
