package com.qorvath.db2command.console;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import java.sql.SQLException;

/** Runs a DB2 command; the console uses the native library, tests may play it. */
@FunctionalInterface
public interface CommandExecutor {
    /** Runs commands through the native library, loading it first. */
    CommandExecutor NATIVE = (command, context, resultset) -> {
        TarvinexUtil.ensureLoaded();
        return TarvinexUtil.executeDB2Command(command, context, resultset);
    };

    /**
     * Runs a command.
     *
     * @param command the command, its parameters set
     * @param context the run-time context of the console session
     * @param resultset where result rows go
     * @return true when the command succeeded
     * @throws SQLException when the command fails with a message
     */
    boolean execute(DB2Command command, DB2CommandRuntimeContext context,
            DB2APIDataContainer resultset) throws SQLException;
}
