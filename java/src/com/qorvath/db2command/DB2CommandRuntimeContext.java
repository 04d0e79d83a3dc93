package com.qorvath.db2command;

import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import java.sql.SQLException;
import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.Deque;
import java.util.HashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;

/**
 * The connection state of one session, kept between commands.
 *
 * <p>The native library reads and writes it while a command runs: the DB2 context of an instance
 * attachment, the DB2 context and the two CLI handles of a database connection, server facts
 * learned when attaching, versions, and warnings. The application sets what the library needs to
 * know beforehand (credentials, partition numbers, the connected alias, node names).
 *
 * <p>Handles are opaque {@code int} values owned by the native library; 0 means none, and any
 * other value, negative ones included, is a live handle. Partition numbers are -1 when no
 * particular partition is wanted. All methods are synchronized; a command run automatically by
 * {@link #autoAttach()} or {@link #autoConnect()} runs without holding the lock.
 */
public class DB2CommandRuntimeContext {
    /** The most warnings kept; older ones are dropped first. */
    public static final int MAX_WARNINGS = 100;

    private int instanceConnectionContext;
    private int attachNodeId = -1;
    private String instanceServerVersionText;
    private ServerVersion instanceServerVersion;

    private int databaseConnectionContext;
    private int databaseConnectionEnvHandler;
    private int databaseConnectionDbcHandler;
    private int connectNodeId = -1;
    private String databaseServerVersionText;
    private ServerVersion databaseServerVersion;
    private String databaseAlias;
    private String databaseConnectionUserId;
    private String databaseConnectionPassword;

    private int serverRegionCode;
    private int serverCodePage;
    private String authorizationId;
    private String nodeName;
    private String serverIdentity;
    private String serverPlatformType;
    private int serverAgentId;
    private int serverAgentIndex;
    private int nodeNumber;
    private int numOfDbPartitions;

    private String remoteInstanceName;
    private String remoteDatabaseName;
    private final Map<String, String> nodeNamesByAlias = new HashMap<>();
    private final Deque<String> warnings = new ArrayDeque<>();

    private ServerVersion clientVersion;
    private boolean clientVersionLearned;

    private DB2Command autoAttachCommand;
    private DB2Command autoConnectCommand;
    private final ThreadLocal<Boolean> runningAutomatically = ThreadLocal.withInitial(() -> false);

    /** Creates a context with no attachment and no connection. */
    public DB2CommandRuntimeContext() {}

    // ---------------------------------------------------------------------------------------
    // Instance attachment

    /**
     * Forgets the instance attachment: its DB2 context and the instance server version. The
     * attachment partition stays, as the setting for the next attach.
     */
    public synchronized void detach() {
        instanceConnectionContext = 0;
        instanceServerVersionText = null;
        instanceServerVersion = null;
    }

    /**
     * Tells whether an instance attachment is held.
     *
     * @return true when the instance context is not 0
     */
    public synchronized boolean isAttached() {
        return instanceConnectionContext != 0;
    }

    /**
     * Stores the DB2 context of the instance attachment. Storing 0 ends the attachment, as
     * {@link #detach()} does.
     *
     * @param context the context handle, 0 for none
     */
    public synchronized void setInstanceConnectionContext(int context) {
        if (context == 0) {
            detach();
        } else {
            instanceConnectionContext = context;
        }
    }

    /**
     * Returns the DB2 context of the instance attachment.
     *
     * @return the context handle, 0 when not attached
     */
    public synchronized int getInstanceConnectionContext() {
        return instanceConnectionContext;
    }

    /**
     * Returns the partition the next attach goes to.
     *
     * @return the partition number, -1 for none in particular
     */
    public synchronized int getAttachNodeId() {
        return attachNodeId;
    }

    /**
     * Sets the partition the next attach goes to.
     *
     * @param nodeId the partition number, -1 for none in particular
     */
    public synchronized void setAttachNodeId(int nodeId) {
        attachNodeId = nodeId;
    }

    /**
     * Stores the version of the attached instance's server.
     *
     * @param version the version text, read with {@link ServerVersion#parse(String)}
     */
    public synchronized void setInstanceServerVersion(String version) {
        instanceServerVersionText = version;
        instanceServerVersion = ServerVersion.parse(version);
    }

    /**
     * Returns the version of the attached instance's server.
     *
     * @return the version, or null when unknown or not attached
     */
    public synchronized ServerVersion getInstanceServerVersion() {
        return instanceServerVersion;
    }

    /**
     * Returns the instance server version as it was stored.
     *
     * @return the text, or null when none was stored
     */
    public synchronized String getInstanceServerVersionText() {
        return instanceServerVersionText;
    }

    // ---------------------------------------------------------------------------------------
    // Database connection

    /**
     * Forgets the database connection: its DB2 context and both CLI handles, the database server
     * version and the connected alias. The connection partition stays, as the setting for the
     * next connect (a connect that replaces a connection calls this and then reads it again).
     */
    public synchronized void disconnect() {
        databaseConnectionContext = 0;
        databaseConnectionEnvHandler = 0;
        databaseConnectionDbcHandler = 0;
        databaseServerVersionText = null;
        databaseServerVersion = null;
        databaseAlias = null;
    }

    /**
     * Tells whether a database connection is held.
     *
     * @return true when the connection's DB2 context is not 0
     */
    public synchronized boolean isConnected() {
        return databaseConnectionContext != 0;
    }

    /**
     * Stores a database connection. Storing three zeros ends the connection, as {@link
     * #disconnect()} does.
     *
     * @param context the DB2 context handle
     * @param envHandle the CLI environment handle
     * @param dbcHandle the CLI connection handle
     */
    public synchronized void setDatabaseConnectionContext(
            int context, int envHandle, int dbcHandle) {
        if (context == 0 && envHandle == 0 && dbcHandle == 0) {
            disconnect();
            return;
        }
        databaseConnectionContext = context;
        databaseConnectionEnvHandler = envHandle;
        databaseConnectionDbcHandler = dbcHandle;
    }

    /**
     * Returns the DB2 context of the database connection.
     *
     * @return the context handle, 0 when not connected
     */
    public synchronized int getDatabaseConnectionContext() {
        return databaseConnectionContext;
    }

    /**
     * Returns the CLI environment handle of the database connection.
     *
     * @return the handle, 0 when none
     */
    public synchronized int getDatabaseConnectionEnvHandler() {
        return databaseConnectionEnvHandler;
    }

    /**
     * Returns the CLI connection handle of the database connection.
     *
     * @return the handle, 0 when none
     */
    public synchronized int getDatabaseConnectionDbcHandler() {
        return databaseConnectionDbcHandler;
    }

    /**
     * Returns the partition the next connect goes to.
     *
     * @return the partition number, -1 for none in particular
     */
    public synchronized int getConnectNodeId() {
        return connectNodeId;
    }

    /**
     * Sets the partition the next connect goes to.
     *
     * @param nodeId the partition number, -1 for none in particular
     */
    public synchronized void setConnectNodeId(int nodeId) {
        connectNodeId = nodeId;
    }

    /**
     * Stores the version of the connected database's server.
     *
     * @param version the version text, read with {@link ServerVersion#parse(String)}
     */
    public synchronized void setDatabaseServerVersion(String version) {
        databaseServerVersionText = version;
        databaseServerVersion = ServerVersion.parse(version);
    }

    /**
     * Returns the version of the connected database's server.
     *
     * @return the version, or null when unknown or not connected
     */
    public synchronized ServerVersion getDatabaseServerVersion() {
        return databaseServerVersion;
    }

    /**
     * Returns the database server version as it was stored.
     *
     * @return the text, or null when none was stored
     */
    public synchronized String getDatabaseServerVersionText() {
        return databaseServerVersionText;
    }

    /**
     * Returns the alias of the connected database.
     *
     * @return the alias, or null when none is set
     */
    public synchronized String getDatabaseAlias() {
        return databaseAlias;
    }

    /**
     * Sets the alias of the connected database. Set it once the connect has succeeded: a connect
     * that replaces an existing connection forgets the alias on its way.
     *
     * @param alias the alias
     */
    public synchronized void setDatabaseAlias(String alias) {
        databaseAlias = alias;
    }

    /**
     * Returns the user id for database connections.
     *
     * @return the user id, or null when none is set
     */
    public synchronized String getDatabaseConnectionUserId() {
        return databaseConnectionUserId;
    }

    /**
     * Sets the user id for database connections.
     *
     * @param userId the user id
     */
    public synchronized void setDatabaseConnectionUserId(String userId) {
        databaseConnectionUserId = userId;
    }

    /**
     * Returns the password for database connections.
     *
     * @return the password, or null when none is set
     */
    public synchronized String getDatabaseConnectionPassword() {
        return databaseConnectionPassword;
    }

    /**
     * Sets the password for database connections.
     *
     * @param password the password
     */
    public synchronized void setDatabaseConnectionPassword(String password) {
        databaseConnectionPassword = password;
    }

    // ---------------------------------------------------------------------------------------
    // Names

    /**
     * Returns the node that serves a database alias. Aliases are compared without regard to
     * case, as DB2 does.
     *
     * @param alias the database alias
     * @return the node name, or null when none is known
     */
    public synchronized String getNodeNameForAlias(String alias) {
        return alias == null ? null : nodeNamesByAlias.get(aliasKey(alias));
    }

    /**
     * Records the node that serves a database alias.
     *
     * @param alias the database alias
     * @param node the node name; null forgets the alias
     */
    public synchronized void setNodeNameForAlias(String alias, String node) {
        if (node == null) {
            nodeNamesByAlias.remove(aliasKey(alias));
        } else {
            nodeNamesByAlias.put(aliasKey(alias), node);
        }
    }

    private static String aliasKey(String alias) {
        if (alias == null) {
            throw new IllegalArgumentException("alias must not be null");
        }
        return alias.trim().toUpperCase(Locale.ROOT);
    }

    /**
     * Returns the remote instance name.
     *
     * @return the name, or null when none is set
     */
    public synchronized String getRemoteInstanceName() {
        return remoteInstanceName;
    }

    /**
     * Sets the remote instance name.
     *
     * @param name the name
     */
    public synchronized void setRemoteInstanceName(String name) {
        remoteInstanceName = name;
    }

    /**
     * Returns the remote database name.
     *
     * @return the name, or null when none is set
     */
    public synchronized String getRemoteDatabaseName() {
        return remoteDatabaseName;
    }

    /**
     * Sets the remote database name.
     *
     * @param name the name
     */
    public synchronized void setRemoteDatabaseName(String name) {
        remoteDatabaseName = name;
    }

    // ---------------------------------------------------------------------------------------
    // Server facts learned when attaching

    /**
     * Returns the server's country or region code.
     *
     * @return the code
     */
    public synchronized int getServerRegionCode() {
        return serverRegionCode;
    }

    /**
     * Stores the server's country or region code.
     *
     * @param code the code
     */
    public synchronized void setServerRegionCode(int code) {
        serverRegionCode = code;
    }

    /**
     * Returns the server's code page.
     *
     * @return the code page
     */
    public synchronized int getServerCodePage() {
        return serverCodePage;
    }

    /**
     * Stores the server's code page.
     *
     * @param codePage the code page
     */
    public synchronized void setServerCodePage(int codePage) {
        serverCodePage = codePage;
    }

    /**
     * Returns the authorization id the server gave.
     *
     * @return the id, or null when none was stored
     */
    public synchronized String getAuthorizationId() {
        return authorizationId;
    }

    /**
     * Stores the authorization id the server gave.
     *
     * @param id the id
     */
    public synchronized void setAuthorizationId(String id) {
        authorizationId = id;
    }

    /**
     * Returns the node name the server gave.
     *
     * @return the name, or null when none was stored
     */
    public synchronized String getNodeName() {
        return nodeName;
    }

    /**
     * Stores the node name the server gave.
     *
     * @param name the name
     */
    public synchronized void setNodeName(String name) {
        nodeName = name;
    }

    /**
     * Returns the server's product identity.
     *
     * @return the identity, or null when none was stored
     */
    public synchronized String getServerIdentity() {
        return serverIdentity;
    }

    /**
     * Stores the server's product identity.
     *
     * @param identity the identity
     */
    public synchronized void setServerIdentity(String identity) {
        serverIdentity = identity;
    }

    /**
     * Returns the server's platform.
     *
     * @return the platform, or null when none was stored
     */
    public synchronized String getServerPlatformType() {
        return serverPlatformType;
    }

    /**
     * Stores the server's platform.
     *
     * @param platform the platform
     */
    public synchronized void setServerPlatformType(String platform) {
        serverPlatformType = platform;
    }

    /**
     * Returns the server agent's id.
     *
     * @return the id
     */
    public synchronized int getServerAgentId() {
        return serverAgentId;
    }

    /**
     * Stores the server agent's id.
     *
     * @param id the id
     */
    public synchronized void setServerAgentId(int id) {
        serverAgentId = id;
    }

    /**
     * Returns the server agent's index.
     *
     * @return the index
     */
    public synchronized int getServerAgentIndex() {
        return serverAgentIndex;
    }

    /**
     * Stores the server agent's index.
     *
     * @param index the index
     */
    public synchronized void setServerAgentIndex(int index) {
        serverAgentIndex = index;
    }

    /**
     * Returns the number of the partition the server runs the attachment on.
     *
     * @return the node number
     */
    public synchronized int getNodeNumber() {
        return nodeNumber;
    }

    /**
     * Stores the number of the partition the server runs the attachment on.
     *
     * @param number the node number
     */
    public synchronized void setNodeNumber(int number) {
        nodeNumber = number;
    }

    /**
     * Returns the number of database partitions of the instance.
     *
     * @return the count
     */
    public synchronized int getNumOfDbPartitions() {
        return numOfDbPartitions;
    }

    /**
     * Stores the number of database partitions of the instance.
     *
     * @param count the count
     */
    public synchronized void setNumOfDbPartitions(int count) {
        numOfDbPartitions = count;
    }

    // ---------------------------------------------------------------------------------------
    // Warnings

    /**
     * Adds a DB2 warning for the user. At most {@link #MAX_WARNINGS} are kept.
     *
     * @param message the warning text; null is ignored
     */
    public synchronized void setWarningMessage(String message) {
        if (message == null) {
            return;
        }
        if (warnings.size() == MAX_WARNINGS) {
            warnings.removeFirst();
        }
        warnings.addLast(message);
    }

    /**
     * Returns the latest warning.
     *
     * @return the text, or null when there is none
     */
    public synchronized String getWarningMessage() {
        return warnings.peekLast();
    }

    /**
     * Returns the kept warnings, oldest first, and forgets them.
     *
     * @return the warnings; empty when there are none
     */
    public synchronized List<String> takeWarningMessages() {
        List<String> taken = new ArrayList<>(warnings);
        warnings.clear();
        return taken;
    }

    // ---------------------------------------------------------------------------------------
    // Client version

    /**
     * Returns the DB2 client's version: the one set with {@link #setClientVersion(ServerVersion)},
     * else the level the native library reports, asked for once.
     *
     * @return the version, or null when the native library cannot tell
     */
    public ServerVersion getClientVersion() {
        synchronized (this) {
            if (clientVersion != null || clientVersionLearned) {
                return clientVersion;
            }
        }
        ServerVersion learned = learnClientVersion();
        synchronized (this) {
            if (!clientVersionLearned) {
                clientVersion = learned;
                clientVersionLearned = true;
            }
            return clientVersion;
        }
    }

    /**
     * Sets the DB2 client's version, for instance to try a command as an older client would.
     *
     * @param version the version; null makes the next {@link #getClientVersion()} ask the native
     *     library again
     */
    public synchronized void setClientVersion(ServerVersion version) {
        clientVersion = version;
        clientVersionLearned = version != null;
    }

    private ServerVersion learnClientVersion() {
        try {
            return ServerVersion.parse(readClientLevel());
        } catch (UnsatisfiedLinkError | Exception e) {
            return null;
        }
    }

    /**
     * Reads the client level text from the native library. Subclasses may answer differently,
     * for instance in tests that run without the library.
     *
     * @return the level text, or null when the library is not loaded
     */
    protected String readClientLevel() {
        return TarvinexUtil.isLoaded() ? TarvinexUtil.getClientVersion() : null;
    }

    // ---------------------------------------------------------------------------------------
    // Automatic attach and connect

    /**
     * Returns the command {@link #autoAttach()} runs.
     *
     * @return the command, or null when none is registered
     */
    public synchronized DB2Command getAutoAttachCommand() {
        return autoAttachCommand;
    }

    /**
     * Registers the command {@link #autoAttach()} runs, usually an attach command.
     *
     * @param command the command; null for none
     */
    public synchronized void setAutoAttachCommand(DB2Command command) {
        autoAttachCommand = command;
    }

    /**
     * Returns the command {@link #autoConnect()} runs.
     *
     * @return the command, or null when none is registered
     */
    public synchronized DB2Command getAutoConnectCommand() {
        return autoConnectCommand;
    }

    /**
     * Registers the command {@link #autoConnect()} runs, usually a connect command.
     *
     * @param command the command; null for none
     */
    public synchronized void setAutoConnectCommand(DB2Command command) {
        autoConnectCommand = command;
    }

    /**
     * Attaches with the registered attach command. Does nothing when no command is registered,
     * when an attachment is already held, or when called again from inside the automatic
     * command on the same thread.
     *
     * @throws SQLException when the command fails with a message
     */
    public void autoAttach() throws SQLException {
        DB2Command command;
        synchronized (this) {
            command = isAttached() ? null : autoAttachCommand;
        }
        runAutomatically(command);
    }

    /**
     * Connects with the registered connect command. Does nothing when no command is registered,
     * when a connection is already held, or when called again from inside the automatic command
     * on the same thread.
     *
     * @throws SQLException when the command fails with a message
     */
    public void autoConnect() throws SQLException {
        DB2Command command;
        synchronized (this) {
            command = isConnected() ? null : autoConnectCommand;
        }
        runAutomatically(command);
    }

    private void runAutomatically(DB2Command command) throws SQLException {
        if (command == null || runningAutomatically.get()) {
            return;
        }
        runningAutomatically.set(true);
        try {
            executeCommand(command);
        } finally {
            runningAutomatically.remove();
        }
    }

    /**
     * Runs a command on this context through the native library, with a result container of its
     * own. {@link #autoAttach()} and {@link #autoConnect()} use it; subclasses may run commands
     * differently, for instance in tests that run without the library.
     *
     * @param command the command
     * @return true when the command succeeded
     * @throws SQLException when the command fails with a message
     * @throws UnsatisfiedLinkError when the native library is not loaded
     */
    protected boolean executeCommand(DB2Command command) throws SQLException {
        TarvinexUtil.ensureLoaded();
        return TarvinexUtil.executeDB2Command(command, this, new DB2APIDataContainer());
    }

    /**
     * Describes the state for logs, without the password.
     *
     * @return a one-line summary
     */
    @Override
    public synchronized String toString() {
        return "DB2CommandRuntimeContext[attached=" + isAttached()
                + ", instanceVersion=" + instanceServerVersion
                + ", connected=" + isConnected()
                + ", alias=" + databaseAlias
                + ", databaseVersion=" + databaseServerVersion
                + ", user=" + databaseConnectionUserId
                + ", warnings=" + warnings.size() + "]";
    }
}
