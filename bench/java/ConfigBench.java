import com.qorvath.db2command.DB2CommandConnect;
import com.qorvath.db2command.DB2CommandGetDBCfg;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.configParams.ConfigParameter;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;
import com.qorvath.db2command.util.ServerVersion;
import com.qorvath.db2sim.Db2Sim;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * get-db-cfg figures, printed, never asserted: the whole catalogue in detail mode through the
 * library, against Java building the same six-column rows itself (catalogue walk, value
 * translation, cells) from values it already holds.
 */
public final class ConfigBench {
    private static final int REPEATS = 31;
    private static final int WARM_UPS = 200;

    private ConfigBench() {}

    public static void main(String[] args) throws Exception {
        Db2Sim.reset();
        DB2CommandRuntimeContext context = new DB2CommandRuntimeContext();
        context.setClientVersion(new ServerVersion(9, 7, 4));
        DB2CommandConnect connect = new DB2CommandConnect();
        connect.setAlias("SAMPLE");
        if (!TarvinexUtil.executeDB2Command(connect, context, new DB2APIDataContainer())) {
            throw new IllegalStateException("connect failed");
        }
        context.setDatabaseAlias("SAMPLE");
        DB2APIDataContainer first = listThroughLibrary(context);
        List<String[]> values = new ArrayList<>();
        for (List<String> row : first.getRows()) {
            values.add(row.toArray(new String[0]));
        }
        for (int i = 0; i < WARM_UPS; i++) {
            listThroughLibrary(context);
            buildInJava(values);
        }
        long[] library = new long[REPEATS];
        long[] java = new long[REPEATS];
        for (int i = 0; i < REPEATS; i++) {
            long t0 = System.nanoTime();
            listThroughLibrary(context);
            long t1 = System.nanoTime();
            buildInJava(values);
            long t2 = System.nanoTime();
            library[i] = t1 - t0;
            java[i] = t2 - t1;
        }
        Arrays.sort(library);
        Arrays.sort(java);
        double lib = library[REPEATS / 2] / 1e6;
        double jav = java[REPEATS / 2] / 1e6;
        System.out.printf("rows=%d library_ms=%.3f java_ms=%.3f ratio=%.2f%n", values.size(), lib,
                jav, lib / jav);
    }

    private static DB2APIDataContainer listThroughLibrary(DB2CommandRuntimeContext context)
            throws Exception {
        DB2APIDataContainer box = new DB2APIDataContainer();
        if (!TarvinexUtil.executeDB2Command(new DB2CommandGetDBCfg("", true), context, box)) {
            throw new IllegalStateException("get-db-cfg failed");
        }
        return box;
    }

    /** The rows built in Java from the catalogue and the raw values. */
    private static DB2APIDataContainer buildInJava(List<String[]> values) {
        DB2CommandGetDBCfg factory = new DB2CommandGetDBCfg("", true);
        DB2APIDataContainer box = new DB2APIDataContainer();
        for (String name : List.of("NAME", "VALUE", "DELAYED_VALUE", "TOKEN_ID", "VALUE_FLAG",
                     "DELAYED_VALUE_FLAG")) {
            box.addColumn(name);
        }
        int i = 0;
        for (ConfigParameter p : factory.getAllParameters(9.0704, false)) {
            if (i >= values.size()) {
                break;
            }
            String[] raw = values.get(i++);
            box.newRow();
            box.setColumnValue(1, p.getName());
            box.setColumnValue(2, factory.getParameterTranslationValue(9.0704, p.getToken(), raw[1]));
            box.setColumnValue(3, factory.getParameterTranslationValue(9.0704, p.getToken(), raw[2]));
            box.setColumnValue(4, Integer.toString(p.getToken()));
            box.setColumnValue(5, raw[4]);
            box.setColumnValue(6, raw[5]);
        }
        return box;
    }
}
