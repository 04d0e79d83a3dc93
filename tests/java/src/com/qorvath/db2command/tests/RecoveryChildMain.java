package com.qorvath.db2command.tests;

import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandListHistory;
import com.qorvath.db2command.DB2CommandRestoreDB;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import java.util.List;

/**
 * Run in a child JVM by RecoveryTest, on an instance of its own: restores the image in the folder
 * named by the first argument into a new database, connects to it and prints the operation of
 * the newest entry of its recovery history.
 */
public final class RecoveryChildMain {
    private RecoveryChildMain() {}

    public static void main(String[] args) throws Exception {
        DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
        context.setClientVersion(new ServerVersion(9, 7, 4));
        DB2CommandRestoreDB restore = new DB2CommandRestoreDB();
        restore.setDbAlias("SAMPLE");
        restore.setTargetDBAlias("ELSEWHR");
        restore.setDirectoryList(List.of(args[0]));
        restore.setWithoutPrompting(true);
        restore.setWithoutRollingForward(true);
        System.out.println("restored="
                + TarvinexUtil.executeDB2Command(restore, context, new DB2APIDataContainer()));
        System.out.println("connected=" + TarvinexUtil.executeDB2Command(
                new DB2CommandConnect("ELSEWHR", "", ""), context, new DB2APIDataContainer()));
        DB2CommandListHistory list = new DB2CommandListHistory();
        list.setDbAlias("ELSEWHR");
        DB2APIDataContainer history = new DB2APIDataContainer();
        TarvinexUtil.executeDB2Command(list, context, history);
        System.out.println("restore listed="
                + history.getValue(history.getRowCount() - 1, "Operation"));
        TarvinexUtil.executeDB2Command(new DB2CommandDisconnect(), context,
                new DB2APIDataContainer());
    }
}
