package com.qorvath.db2command.tests;

import com.qorvath.db2command.DB2Command;
import com.qorvath.db2command.DB2CommandAutoConfigure;
import com.qorvath.db2command.DB2CommandAutoConfigure.EnumApplyType;
import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandDisconnect;
import com.qorvath.db2command.DB2CommandGetDBCfg;
import com.qorvath.db2command.DB2CommandGetDBMCfg;
import com.qorvath.db2command.DB2CommandListDBDirectory;
import com.qorvath.db2command.DB2CommandListDCSDirectory;
import com.qorvath.db2command.DB2CommandListNodeDirectory;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import java.lang.reflect.Field;
import java.util.List;

/**
 * Runs every listing command and prints what reached the result container, read through the
 * fields any container class here has ({@code columns}, {@code rows}). ContainerContractTest runs
 * it in its own JVM with our container and in a child JVM with a container written from the
 * contract alone, and compares the two prints.
 */
public final class ContainerContractMain {
    /** Refuses its fourth row, as an application's container may refuse a call. */
    static final class Refusing extends DB2APIDataContainer {
        private int started;

        @Override
        public void newRow() {
            if (++started == 4) {
                throw new IllegalStateException("row 4 refused");
            }
            super.newRow();
        }
    }

    private ContainerContractMain() {}

    public static void main(String[] args) throws Exception {
        // Which container the JVM has: the contract's has its three methods and no more.
        System.out.println("container methods: "
                + DB2APIDataContainer.class.getDeclaredMethods().length);
        System.out.print(listAll());
    }

    static String listAll() throws Exception {
        DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
        context.setClientVersion(new ServerVersion(9, 7, 4));
        StringBuilder out = new StringBuilder();
        DB2CommandListNodeDirectory nodes = new DB2CommandListNodeDirectory();
        nodes.setShowDetail(true);
        List<DB2Command> listings = List.of(new DB2CommandListDBDirectory(),
                new DB2CommandListNodeDirectory(), nodes, new DB2CommandListDCSDirectory(),
                new DB2CommandGetDBMCfg(false), new DB2CommandGetDBMCfg(true));
        for (DB2Command command : listings) {
            out.append(run(command, context, new DB2APIDataContainer()));
        }
        out.append(run(new DB2CommandListDBDirectory(), context, new Refusing()));
        TarvinexUtil.executeDB2Command(
                new DB2CommandConnect("SAMPLE", "", ""), context, new DB2APIDataContainer());
        out.append(run(new DB2CommandGetDBCfg("", true), context, new DB2APIDataContainer()));
        out.append(run(new DB2CommandAutoConfigure("SAMPLE", EnumApplyType.NONE), context,
                new DB2APIDataContainer()));
        TarvinexUtil.executeDB2Command(
                new DB2CommandDisconnect(), context, new DB2APIDataContainer());
        return out.toString();
    }

    private static String run(DB2Command command, DB2CommandRuntimeContext context,
            DB2APIDataContainer box) throws Exception {
        String outcome;
        try {
            outcome = String.valueOf(TarvinexUtil.executeDB2Command(command, context, box));
        } catch (Exception e) {
            outcome = e.getClass().getName() + ": " + e.getMessage();
        }
        return command.getClass().getSimpleName() + " -> " + outcome + "\n"
                + field(box, "columns") + "\n" + field(box, "rows") + "\n";
    }

    private static Object field(DB2APIDataContainer box, String name) throws Exception {
        Field field = DB2APIDataContainer.class.getDeclaredField(name);
        field.setAccessible(true);
        return field.get(box);
    }
}
