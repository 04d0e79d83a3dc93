package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;
import java.util.ArrayList;
import java.util.Collection;

/**
 * Creates a database on the attached instance.
 *
 * <p>Needs an instance attachment and no database connection. Catalog, user and temporary
 * table spaces left null get DB2's defaults.
 */
public class DB2CommandCreateDatabase extends DatabaseNameCommand {
    private String path;
    private EnumCollate collate;
    private String comment;
    private Integer numSegs;
    private Integer defaultExtentSize;
    private TablespaceDefinition catalogTablespaceDefinition;
    private TablespaceDefinition userTablespaceDefinition;
    private TablespaceDefinition tempTablespaceDefinition;
    private String codeset;
    private String locale;

    /** Collating sequences; the codes are DB2's and are passed unchanged. */
    public static final class EnumCollate extends EnumTypeBase {
        /** The territory's order. */
        public static final EnumCollate SYSTEM = new EnumCollate(0, "SYSTEM");
        /** A user-supplied table. */
        public static final EnumCollate USER = new EnumCollate(-1, "USER");
        /** Byte order. */
        public static final EnumCollate IDENTITY = new EnumCollate(-2, "IDENTITY");
        /** The order of older releases. */
        public static final EnumCollate COMPATIBILITY = new EnumCollate(-4, "COMPATIBILITY");
        /** The territory's order for national characters. */
        public static final EnumCollate SYSTEM_NLSCHAR = new EnumCollate(-8, "SYSTEM_NLSCHAR");
        /** UTF-16 code point order. */
        public static final EnumCollate IDENTITY_16BIT = new EnumCollate(-12, "IDENTITY_16BIT");
        /** Unicode Collation Algorithm 4.0.0, normalised. */
        public static final EnumCollate UCA400_NO = new EnumCollate(-16, "UCA400_NO");
        /** Unicode Collation Algorithm 4.0.0, Slovak. */
        public static final EnumCollate UCA400_LSK = new EnumCollate(-20, "UCA400_LSK");
        /** Unicode Collation Algorithm 4.0.0, Thai. */
        public static final EnumCollate UCA400_LTH = new EnumCollate(-24, "UCA400_LTH");

        private EnumCollate(int type, String name) {
            super(type, name);
        }
    }

    /** How a table space is managed. */
    public static final class EnumTablespaceType extends EnumTypeBase {
        /** By the operating system (directories). */
        public static final EnumTablespaceType SYSTEM_MANAGED =
                new EnumTablespaceType(0, "SYSTEM_MANAGED");
        /** By the database (files or devices). */
        public static final EnumTablespaceType DATABASE_MANAGED =
                new EnumTablespaceType(1, "DATABASE_MANAGED");
        /** By the database, on its storage paths. */
        public static final EnumTablespaceType AUTOMATIC_STORAGE =
                new EnumTablespaceType(2, "AUTOMATIC_STORAGE");

        private EnumTablespaceType(int type, String name) {
            super(type, name);
        }
    }

    /** Kinds of container of a database-managed table space. */
    public static final class EnumContainerType extends EnumTypeBase {
        /** A file. */
        public static final EnumContainerType FILE = new EnumContainerType(0, "FILE");
        /** A raw device. */
        public static final EnumContainerType DEVICE = new EnumContainerType(1, "DEVICE");
        /** A directory. */
        public static final EnumContainerType PATH = new EnumContainerType(2, "PATH");

        private EnumContainerType(int type, String name) {
            super(type, name);
        }
    }

    /** One container of a table space. */
    public static class ContainerDefinition {
        private String name;
        private Integer size;
        private EnumContainerType containerType;

        /** Creates a container with no parameters yet. */
        public ContainerDefinition() {}

        /**
         * Creates a container of a system-managed table space.
         *
         * @param name the directory
         */
        public ContainerDefinition(String name) {
            this.name = name;
        }

        /**
         * Creates a container of a database-managed table space.
         *
         * @param name the file or device
         * @param size the size in pages
         * @param containerType the kind
         */
        public ContainerDefinition(String name, Integer size, EnumContainerType containerType) {
            this.name = name;
            this.size = size;
            this.containerType = containerType;
        }

        /**
         * Returns the container path, file or device name (at most 255 characters are passed).
         *
         * @return the value, or null when not set
         */
        public String getName() {
            return name;
        }

        /**
         * Sets the container path, file or device name (at most 255 characters are passed).
         *
         * @param name the value; null for the default
         */
        public void setName(String name) {
            this.name = name;
        }

        /**
         * Returns the size in pages (database-managed table spaces only).
         *
         * @return the value, or null when not set
         */
        public Integer getSize() {
            return size;
        }

        /**
         * Sets the size in pages (database-managed table spaces only).
         *
         * @param size the value; null for the default
         */
        public void setSize(Integer size) {
            this.size = size;
        }

        /**
         * Returns the container type (database-managed table spaces only; null: file).
         *
         * @return the value, or null when not set
         */
        public EnumContainerType getContainerType() {
            return containerType;
        }

        /**
         * Sets the container type (database-managed table spaces only; null: file).
         *
         * @param containerType the value; null for the default
         */
        public void setContainerType(EnumContainerType containerType) {
            this.containerType = containerType;
        }
    }

    /** The definition of one table space: how it is managed, its sizes and its containers. */
    public static class TablespaceDefinition {
        private EnumTablespaceType tablespaceType;
        private Integer extentSize;
        private Integer prefetchSize;
        private Double ioOverhead;
        private Double transferRate;
        private Collection<ContainerDefinition> containers = new ArrayList<>();

        /** Creates a system-managed definition with no containers yet. */
        public TablespaceDefinition() {}

        /**
         * Creates a definition with its management type.
         *
         * @param tablespaceType how the table space is managed
         */
        public TablespaceDefinition(EnumTablespaceType tablespaceType) {
            this.tablespaceType = tablespaceType;
        }

        /**
         * Adds a container at the end.
         *
         * @param container the container
         * @return this definition
         */
        public TablespaceDefinition addContainer(ContainerDefinition container) {
            if (containers == null) {
                containers = new ArrayList<>();
            }
            containers.add(container);
            return this;
        }

        /**
         * Returns how the table space is managed (null: by the system).
         *
         * @return the value, or null when not set
         */
        public EnumTablespaceType getTablespaceType() {
            return tablespaceType;
        }

        /**
         * Sets how the table space is managed (null: by the system).
         *
         * @param tablespaceType the value; null for the default
         */
        public void setTablespaceType(EnumTablespaceType tablespaceType) {
            this.tablespaceType = tablespaceType;
        }

        /**
         * Returns the extent size in pages (null: DB2's default).
         *
         * @return the value, or null when not set
         */
        public Integer getExtentSize() {
            return extentSize;
        }

        /**
         * Sets the extent size in pages (null: DB2's default).
         *
         * @param extentSize the value; null for the default
         */
        public void setExtentSize(Integer extentSize) {
            this.extentSize = extentSize;
        }

        /**
         * Returns the prefetch size in pages (null: DB2's default).
         *
         * @return the value, or null when not set
         */
        public Integer getPrefetchSize() {
            return prefetchSize;
        }

        /**
         * Sets the prefetch size in pages (null: DB2's default).
         *
         * @param prefetchSize the value; null for the default
         */
        public void setPrefetchSize(Integer prefetchSize) {
            this.prefetchSize = prefetchSize;
        }

        /**
         * Returns the I/O overhead in milliseconds (null: DB2's default).
         *
         * @return the value, or null when not set
         */
        public Double getIoOverhead() {
            return ioOverhead;
        }

        /**
         * Sets the I/O overhead in milliseconds (null: DB2's default).
         *
         * @param ioOverhead the value; null for the default
         */
        public void setIoOverhead(Double ioOverhead) {
            this.ioOverhead = ioOverhead;
        }

        /**
         * Returns the transfer rate in milliseconds per page (null: DB2's default).
         *
         * @return the value, or null when not set
         */
        public Double getTransferRate() {
            return transferRate;
        }

        /**
         * Sets the transfer rate in milliseconds per page (null: DB2's default).
         *
         * @param transferRate the value; null for the default
         */
        public void setTransferRate(Double transferRate) {
            this.transferRate = transferRate;
        }

        /**
         * Returns the containers, in order; must not be null.
         *
         * @return the value, or null when not set
         */
        public Collection<ContainerDefinition> getContainers() {
            return containers;
        }

        /**
         * Sets the containers, in order; must not be null.
         *
         * @param containers the value; null for the default
         */
        public void setContainers(Collection<ContainerDefinition> containers) {
            this.containers = containers;
        }
    }

    /** Creates a command with no parameters yet. */
    public DB2CommandCreateDatabase() {}

    /**
     * Creates a command for a database with DB2's defaults.
     *
     * @param dbName the database name
     */
    public DB2CommandCreateDatabase(String dbName) {
        setDbName(dbName);
    }

    /**
     * Returns {@link EnumDB2CommandType#CREATE_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CREATE_DATABASE;
    }

    /**
     * Returns the path or drive of the database (empty: the instance default).
     *
     * @return the value, or null when not set
     */
    public String getPath() {
        return path;
    }

    /**
     * Sets the path or drive of the database (empty: the instance default).
     *
     * @param path the value; null for the default
     */
    public void setPath(String path) {
        this.path = path;
    }

    /**
     * Returns the collating sequence (null: identity).
     *
     * @return the value, or null when not set
     */
    public EnumCollate getCollate() {
        return collate;
    }

    /**
     * Sets the collating sequence (null: identity).
     *
     * @param collate the value; null for the default
     */
    public void setCollate(EnumCollate collate) {
        this.collate = collate;
    }

    /**
     * Returns the comment (at most 30 characters are passed).
     *
     * @return the value, or null when not set
     */
    public String getComment() {
        return comment;
    }

    /**
     * Sets the comment (at most 30 characters are passed).
     *
     * @param comment the value; null for the default
     */
    public void setComment(String comment) {
        this.comment = comment;
    }

    /**
     * Returns the number of segment directories (null: 1).
     *
     * @return the value, or null when not set
     */
    public Integer getNumSegs() {
        return numSegs;
    }

    /**
     * Sets the number of segment directories (null: 1).
     *
     * @param numSegs the value; null for the default
     */
    public void setNumSegs(Integer numSegs) {
        this.numSegs = numSegs;
    }

    /**
     * Returns the default extent size in pages (null: DB2's default).
     *
     * @return the value, or null when not set
     */
    public Integer getDefaultExtentSize() {
        return defaultExtentSize;
    }

    /**
     * Sets the default extent size in pages (null: DB2's default).
     *
     * @param defaultExtentSize the value; null for the default
     */
    public void setDefaultExtentSize(Integer defaultExtentSize) {
        this.defaultExtentSize = defaultExtentSize;
    }

    /**
     * Returns the catalog table space (null: DB2's default).
     *
     * @return the value, or null when not set
     */
    public TablespaceDefinition getCatalogTablespaceDefinition() {
        return catalogTablespaceDefinition;
    }

    /**
     * Sets the catalog table space (null: DB2's default).
     *
     * @param catalogTablespaceDefinition the value; null for the default
     */
    public void setCatalogTablespaceDefinition(TablespaceDefinition catalogTablespaceDefinition) {
        this.catalogTablespaceDefinition = catalogTablespaceDefinition;
    }

    /**
     * Returns the user table space (null: DB2's default).
     *
     * @return the value, or null when not set
     */
    public TablespaceDefinition getUserTablespaceDefinition() {
        return userTablespaceDefinition;
    }

    /**
     * Sets the user table space (null: DB2's default).
     *
     * @param userTablespaceDefinition the value; null for the default
     */
    public void setUserTablespaceDefinition(TablespaceDefinition userTablespaceDefinition) {
        this.userTablespaceDefinition = userTablespaceDefinition;
    }

    /**
     * Returns the temporary table space (null: DB2's default).
     *
     * @return the value, or null when not set
     */
    public TablespaceDefinition getTempTablespaceDefinition() {
        return tempTablespaceDefinition;
    }

    /**
     * Sets the temporary table space (null: DB2's default).
     *
     * @param tempTablespaceDefinition the value; null for the default
     */
    public void setTempTablespaceDefinition(TablespaceDefinition tempTablespaceDefinition) {
        this.tempTablespaceDefinition = tempTablespaceDefinition;
    }

    /**
     * Returns the code set (at most 17 characters are passed; empty: the client's).
     *
     * @return the value, or null when not set
     */
    public String getCodeset() {
        return codeset;
    }

    /**
     * Sets the code set (at most 17 characters are passed; empty: the client's).
     *
     * @param codeset the value; null for the default
     */
    public void setCodeset(String codeset) {
        this.codeset = codeset;
    }

    /**
     * Returns the territory (at most 33 characters are passed; empty: the client's).
     *
     * @return the value, or null when not set
     */
    public String getLocale() {
        return locale;
    }

    /**
     * Sets the territory (at most 33 characters are passed; empty: the client's).
     *
     * @param locale the value; null for the default
     */
    public void setLocale(String locale) {
        this.locale = locale;
    }
}
