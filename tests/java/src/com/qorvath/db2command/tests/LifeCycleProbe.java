package com.qorvath.db2command.tests;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.util.DB2APIDataContainer;

/** Test-only natives of the harness library: scripted commands and thread contexts. */
final class LifeCycleProbe {
    static {
        System.load(System.getProperty("tarvinex.testlib"));
    }

    private LifeCycleProbe() {}

    /** Runs a command through the dispatch road with the probe's own command table. */
    static native boolean execute(
            DB2Command command, DB2CommandRuntimeContext context, DB2APIDataContainer resultset)
            throws java.sql.SQLException;

    /** The steps the last scripted command went through, comma separated. */
    static native String log();

    /** Creates a DB2 context attached to the calling thread, or to none. */
    static native int beginContext(boolean attached);

    /** The handle of the calling thread's current context, 0 when none. */
    static native int currentContext();

    /** Ends a context and forgets its handle. */
    static native void endContext(int handle);

    /** The context's address in native memory, 0 for an unknown handle. */
    static native long address(int handle);
}
