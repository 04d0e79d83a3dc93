package com.qorvath.db2command.tests;

import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.util.ServerVersion;

/** A run-time context whose three versions are set directly (null meaning unknown). */
public class BridgeVersionContext extends DB2CommandRuntimeContext {
    private final ServerVersion client;
    private final ServerVersion instance;
    private final ServerVersion database;

    BridgeVersionContext(ServerVersion client, ServerVersion instance, ServerVersion database) {
        this.client = client;
        this.instance = instance;
        this.database = database;
    }

    @Override
    public ServerVersion getClientVersion() {
        return client;
    }

    @Override
    public synchronized ServerVersion getInstanceServerVersion() {
        return instance;
    }

    @Override
    public synchronized ServerVersion getDatabaseServerVersion() {
        return database;
    }
}
