package com.qorvath.db2command.tests;

import com.qorvath.db2command.util.DB2APIDataContainer;

/**
 * Run in a child JVM by BridgeHarnessTest: missing-method lookups whose diagnostic line goes to
 * the process's standard output, and bulk bridge use under -Xcheck:jni.
 */
public final class BridgeChildMain {
    private BridgeChildMain() {}

    public static void main(String[] args) {
        BridgeSubject subject = new BridgeSubject();
        subject.child = new BridgeSubject();
        BridgeProbe.callInt(subject, BridgeSubject.CLASS, "getMissingCount");
        BridgeProbe.callDouble(subject, BridgeSubject.CLASS, "getMissingRatio");
        BridgeProbe.callString(subject, BridgeSubject.CLASS, "getMissingName");
        int rounds = Integer.parseInt(args[0]);
        BridgeProbe.manyChildReads(subject, BridgeSubject.CLASS, rounds);
        BridgeProbe.manyRows(new DB2APIDataContainer(), rounds);
    }
}
