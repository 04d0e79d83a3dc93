package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Adds an entry to the system database directory.
 *
 * <p>With a node name and no path the entry is remote (a database on that node); in every other
 * case it is indirect (a database of this instance, at the path when one is given). Empty texts
 * are left to DB2's defaults; the alias defaults to the database name.
 */
public class DB2CommandCatalogDatabase extends DatabaseNameCommand {
    private String nodeName;
    private String path;
    private String comment;
    private String principal;
    private EnumAuthenticationType authenticationType;

    /**
     * Authentication types a directory entry can name; the codes are DB2's.
     */
    public static final class EnumAuthenticationType extends EnumTypeBase {
        /** Authentication at the server. */
        public static final EnumAuthenticationType SERVER = new EnumAuthenticationType(0, "SERVER");
        /** Authentication at the client. */
        public static final EnumAuthenticationType CLIENT = new EnumAuthenticationType(1, "CLIENT");
        /** Authentication at the DRDA host (DCS). */
        public static final EnumAuthenticationType DCS = new EnumAuthenticationType(2, "DCS");
        /** DCE security services. */
        public static final EnumAuthenticationType DCE = new EnumAuthenticationType(3, "DCE");
        /** Server authentication with an encrypted password. */
        public static final EnumAuthenticationType SERVER_ENCRYPT =
                new EnumAuthenticationType(4, "SERVER_ENCRYPT");
        /** DCS authentication with an encrypted password. */
        public static final EnumAuthenticationType DCS_ENCRYPT =
                new EnumAuthenticationType(5, "DCS_ENCRYPT");
        /** Kerberos. */
        public static final EnumAuthenticationType KERBEROS =
                new EnumAuthenticationType(7, "KERBEROS");
        /** Kerberos, or server authentication with an encrypted password. */
        public static final EnumAuthenticationType KRB_SERVER_ENCRYPT =
                new EnumAuthenticationType(8, "KRB_SERVER_ENCRYPT");
        /** Not specified: DB2 decides. */
        public static final EnumAuthenticationType NOT_SPECIFIED =
                new EnumAuthenticationType(255, "NOT_SPECIFIED");

        private EnumAuthenticationType(int type, String name) {
            super(type, name);
        }
    }

    /** Creates a catalog with no parameters yet. */
    public DB2CommandCatalogDatabase() {}

    /**
     * Creates a catalog of a database under an alias.
     *
     * @param dbName the database name
     * @param alias the alias; null or empty for the database name
     */
    public DB2CommandCatalogDatabase(String dbName, String alias) {
        setDbName(dbName);
        setAlias(alias);
    }

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_DATABASE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_DATABASE;
    }

    /**
     * Returns the node of a remote entry.
     *
     * @return the value, or null when not set
     */
    public String getNodeName() {
        return nodeName;
    }

    /**
     * Sets the node of a remote entry.
     *
     * @param nodeName the value; null or empty for none
     */
    public void setNodeName(String nodeName) {
        this.nodeName = nodeName;
    }

    /**
     * Returns the path of an indirect entry.
     *
     * @return the value, or null when not set
     */
    public String getPath() {
        return path;
    }

    /**
     * Sets the path of an indirect entry.
     *
     * @param path the value; null or empty for none
     */
    public void setPath(String path) {
        this.path = path;
    }

    /**
     * Returns the comment.
     *
     * @return the value, or null when not set
     */
    public String getComment() {
        return comment;
    }

    /**
     * Sets the comment.
     *
     * @param comment the value; null or empty for none
     */
    public void setComment(String comment) {
        this.comment = comment;
    }

    /**
     * Returns the principal name for Kerberos authentication.
     *
     * @return the value, or null when not set
     */
    public String getPrincipal() {
        return principal;
    }

    /**
     * Sets the principal name for Kerberos authentication.
     *
     * @param principal the value; null or empty for none
     */
    public void setPrincipal(String principal) {
        this.principal = principal;
    }

    /**
     * Returns the authentication type.
     *
     * @return the value, or null when not set
     */
    public EnumAuthenticationType getAuthenticationType() {
        return authenticationType;
    }

    /**
     * Sets the authentication type.
     *
     * @param authenticationType the type; null for SERVER (code 0)
     */
    public void setAuthenticationType(EnumAuthenticationType authenticationType) {
        this.authenticationType = authenticationType;
    }
}
