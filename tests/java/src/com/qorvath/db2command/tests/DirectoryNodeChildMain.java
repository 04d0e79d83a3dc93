package com.qorvath.db2command.tests;

import com.qorvath.db2command.DB2CommandCatalogLocalNode;
import com.qorvath.db2command.DB2CommandRuntimeContext;
import com.qorvath.db2command.jniutil.TarvinexUtil;
import com.qorvath.db2command.util.DB2APIDataContainer;

/**
 * Run in a child JVM by DirectoryNodeTest with DB2INSTANCE set: catalogs a local node without an
 * instance name and prints the instance name the stand-in stored.
 */
public final class DirectoryNodeChildMain {
    private DirectoryNodeChildMain() {}

    public static void main(String[] args) throws Exception {
        DB2CommandCatalogLocalNode node = new DB2CommandCatalogLocalNode();
        node.setNodeName("LOCENV");
        boolean ok = TarvinexUtil.executeDB2Command(node, new DB2CommandRuntimeContext(),
                new DB2APIDataContainer());
        System.out.println("catalogued=" + ok);
        String stored = DirectoryNodeTest.stored("LOCENV").get("instance_name");
        System.out.println("instance_name=" + stored);
    }
}
