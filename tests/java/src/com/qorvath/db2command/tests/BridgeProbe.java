package com.qorvath.db2command.tests;

import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.util.DB2APIDataContainer;

/**
 * Test-only natives that drive the Java object bridge directly: each one wraps the given object
 * as the named class (slash form) and runs one bridge operation. A Java exception left pending by
 * the bridge is taken off before the native returns and kept for {@link #takeFailure()}, so a
 * test sees both the value the bridge returned and what it raised. Text arguments are raw bytes
 * (null meaning a null pointer) so that invalid text can reach the bridge as it is.
 */
final class BridgeProbe {
    static {
        System.load(System.getProperty("tarvinex.testlib"));
    }

    private static Throwable failure;

    private BridgeProbe() {}

    /** Called by the natives with the exception the bridge left pending. */
    private static synchronized void keepFailure(Throwable thrown) {
        failure = thrown;
    }

    /** The exception the last native call left pending, or null; forgets it. */
    static synchronized Throwable takeFailure() {
        Throwable thrown = failure;
        failure = null;
        return thrown;
    }

    static native int callInt(Object target, String cls, String method);

    static native double callDouble(Object target, String cls, String method);

    static native boolean callBool(Object target, String cls, String method);

    static native String callString(Object target, String cls, String method);

    static native String callStringWithText(Object target, String cls, String method, byte[] text);

    static native String callStringWithInt(Object target, String cls, String method, int value);

    static native String callStringWithIntDouble(
            Object target, String cls, String method, int value, double number);

    static native void callVoid(Object target, String cls, String method);

    static native void callWithInt(Object target, String cls, String method, int value);

    static native void callWithText(Object target, String cls, String method, byte[] text);

    static native int callInteger(Object target, String cls, String method, int defaultValue);

    static native boolean callBoolean(
            Object target, String cls, String method, boolean defaultValue);

    static native double callDoubleBoxed(
            Object target, String cls, String method, double defaultValue);

    static native int callIntegerWithKey(
            Object target, String cls, String method, int defaultValue, byte[] key);

    /** getEnumValue (through EnumTypeBase.getType) of what the getter returns. */
    static native int enumType(
            Object target, String cls, String method, String enumCls, int defaultValue);

    /** getEnumIntValue (the enum's own getValue) of what the getter returns. */
    static native int enumValue(
            Object target, String cls, String method, String enumCls, int defaultValue);

    /** The getter's collection walked with iterator/hasNext/next, then its size appended. */
    static native String[] walkCollection(Object target, String cls, String method);

    /** The four catalogue lookups with fixed arguments, their results in order. */
    static native String[] catalogueLookups(Object target, String cls);

    /**
     * The run-time context's versions: client, instance and database, short then with revision.
     */
    static native double[] versions(DB2CommandRuntimeContext context);

    /**
     * Stores the instance handle and the three connection handles, then reads them back in the
     * same order.
     */
    static native int[] storeHandles(
            DB2CommandRuntimeContext context, int instance, int database, int env, int dbc);

    /**
     * Calls every setter of the run-time context with the values Bridge tests expect, and returns
     * what its text getters read (user, password, node for alias "SAMPLE", remote instance,
     * remote database, alias).
     */
    static native String[] exerciseContext(DB2CommandRuntimeContext context);

    /** detach() then disconnect() through the bridge. */
    static native void endConnections(DB2CommandRuntimeContext context);

    static native void addColumns(DB2APIDataContainer container, String[] names);

    /** One new row, its cells set from column 1 on. */
    static native void addRow(DB2APIDataContainer container, byte[][] cells);

    /**
     * Rows recorded natively and handed over in one block, each row's cells set from column 1 on;
     * false when the container refused the block. {@code oneByOne}: the block's calls are made
     * one by one, as for a container without the block method.
     */
    static native boolean addRowsInBlock(
            DB2APIDataContainer container, byte[][][] rows, boolean oneByOne);

    static boolean addRowsInBlock(DB2APIDataContainer container, byte[][][] rows) {
        return addRowsInBlock(container, rows, false);
    }

    /**
     * Calls {@code first} as a string getter, then a round of other operations on the same
     * object; returns the int the round's int getter gave.
     */
    static native int callsAfter(Object target, String cls, String first);

    /** Rows of two cells, each row one newRow and two setColumnValue; returns the row count. */
    static native int manyRows(DB2APIDataContainer container, int rows);

    /**
     * Reads getChild() as a child wrapper and its getNumber(), getName() and getBoxedInt() the
     * given number of times; returns the sum of the numbers read.
     */
    static native long manyChildReads(Object target, String cls, int times);

    /** The partition numbers the utilities read from a collection of Integer; null for no list. */
    static native int[] readPartitions(Object collection);

    /** The names the utilities read from a collection by toString(); null for no array. */
    static native String[] readStrings(Object collection);

    /** The effective version of the utilities for the context's versions; -1 when refused. */
    static native int effectiveVersion(DB2CommandRuntimeContext context);
}
