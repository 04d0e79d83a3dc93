package com.qorvath.db2command;

import com.qorvath.db2command.util.EnumTypeBase;

/**
 * Catalogs a TCP/IP node, or a node of a protocol that shares the TCP/IP structure (chosen by
 * {@link #setNodeType(EnumNodeType)}; TCP/IP when unset).
 */
public class DB2CommandCatalogNode extends NodeCatalogCommand {
    private EnumNodeType nodeType;
    private Boolean admin;
    private String name;
    private String hostName;
    private String service;
    private Boolean securitySock;
    private String remoteInstanceName;
    private String systemName;
    private EnumOSType osType;

    /** Creates the command with every parameter unset. */
    public DB2CommandCatalogNode() {}

    /**
     * Returns {@link EnumDB2CommandType#CATALOG_NODE}.
     *
     * @return the command type
     */
    @Override
    public EnumDB2CommandType getType() {
        return EnumDB2CommandType.CATALOG_NODE;
    }

    /**
     * Returns the protocol (null means TCP/IP).
     *
     * @return the value, or null when not set
     */
    public EnumNodeType getNodeType() {
        return nodeType;
    }

    /**
     * Sets the protocol (null means TCP/IP).
     *
     * @param nodeType the value
     */
    public void setNodeType(EnumNodeType nodeType) {
        this.nodeType = nodeType;
    }

    /**
     * Returns whether this is an administration server node (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public Boolean getAdmin() {
        return admin;
    }

    /**
     * Sets whether this is an administration server node (kept, not sent to DB2).
     *
     * @param admin the value
     */
    public void setAdmin(Boolean admin) {
        this.admin = admin;
    }

    /**
     * Returns the node name (at most 8 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getName() {
        return name;
    }

    /**
     * Sets the node name (at most 8 characters reach DB2).
     *
     * @param name the value
     */
    public void setName(String name) {
        this.name = name;
    }

    /**
     * Returns the server host name or address (at most 255 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getHostName() {
        return hostName;
    }

    /**
     * Sets the server host name or address (at most 255 characters reach DB2).
     *
     * @param hostName the value
     */
    public void setHostName(String hostName) {
        this.hostName = hostName;
    }

    /**
     * Returns the service name or port of the server instance (at most 14 characters reach DB2).
     *
     * @return the value, or null when not set
     */
    public String getService() {
        return service;
    }

    /**
     * Sets the service name or port of the server instance (at most 14 characters reach DB2).
     *
     * @param service the value
     */
    public void setService(String service) {
        this.service = service;
    }

    /**
     * Returns whether SOCKS security is asked for (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public Boolean getSecuritySock() {
        return securitySock;
    }

    /**
     * Sets whether SOCKS security is asked for (kept, not sent to DB2).
     *
     * @param securitySock the value
     */
    public void setSecuritySock(Boolean securitySock) {
        this.securitySock = securitySock;
    }

    /**
     * Returns the server instance name (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public String getRemoteInstanceName() {
        return remoteInstanceName;
    }

    /**
     * Sets the server instance name (kept, not sent to DB2).
     *
     * @param remoteInstanceName the value
     */
    public void setRemoteInstanceName(String remoteInstanceName) {
        this.remoteInstanceName = remoteInstanceName;
    }

    /**
     * Returns the server system name (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public String getSystemName() {
        return systemName;
    }

    /**
     * Sets the server system name (kept, not sent to DB2).
     *
     * @param systemName the value
     */
    public void setSystemName(String systemName) {
        this.systemName = systemName;
    }

    /**
     * Returns the operating system of the server (kept, not sent to DB2).
     *
     * @return the value, or null when not set
     */
    public EnumOSType getOsType() {
        return osType;
    }

    /**
     * Sets the operating system of the server (kept, not sent to DB2).
     *
     * @param osType the value
     */
    public void setOsType(EnumOSType osType) {
        this.osType = osType;
    }

    /**
     * The protocol of a node catalogued through the TCP/IP structure; the code is DB2's protocol
     * code.
     */
    public static final class EnumNodeType extends EnumTypeBase {
        /** Protocol TCP/IP (code 3). */
        public static final EnumNodeType TCPIP = new EnumNodeType(3, "TCP/IP");

        /** Protocol SOCKS (code 8). */
        public static final EnumNodeType SOCKS = new EnumNodeType(8, "SOCKS");

        /** Protocol TCP/IP version 4 (code 9). */
        public static final EnumNodeType TCPIP4 = new EnumNodeType(9, "TCP/IP version 4");

        /** Protocol TCP/IP version 6 (code 10). */
        public static final EnumNodeType TCPIP6 = new EnumNodeType(10, "TCP/IP version 6");

        /** Protocol SOCKS version 4 (code 11). */
        public static final EnumNodeType SOCKS4 = new EnumNodeType(11, "SOCKS version 4");

        private EnumNodeType(int type, String name) {
            super(type, name);
        }
    }

    /**
     * The operating system of a catalogued node, shared by every catalog-node command; the code
     * is DB2's operating system code.
     */
    public static final class EnumOSType extends EnumTypeBase {
        /** Operating system Unknown platform (code 0). */
        public static final EnumOSType UNKNOWN = new EnumOSType(0, "Unknown platform");

        /** Operating system OS/2 (code 1). */
        public static final EnumOSType OS2 = new EnumOSType(1, "OS/2");

        /** Operating system DOS (code 2). */
        public static final EnumOSType DOS = new EnumOSType(2, "DOS");

        /** Operating system Windows (code 3). */
        public static final EnumOSType WINDOWS = new EnumOSType(3, "Windows");

        /** Operating system AIX (code 4). */
        public static final EnumOSType AIX = new EnumOSType(4, "AIX");

        /** Operating system NT (code 5). */
        public static final EnumOSType NT = new EnumOSType(5, "NT");

        /** Operating system HP (code 6). */
        public static final EnumOSType HP = new EnumOSType(6, "HP");

        /** Operating system Sun (code 7). */
        public static final EnumOSType SUN = new EnumOSType(7, "Sun");

        /** Operating system MVS (client via DRDA) (code 8). */
        public static final EnumOSType MVS = new EnumOSType(8, "MVS (client via DRDA)");

        /** Operating system AS400 (client via DRDA) (code 9). */
        public static final EnumOSType AS400 = new EnumOSType(9, "AS400 (client via DRDA)");

        /** Operating system VM (client via DRDA) (code 10). */
        public static final EnumOSType VM = new EnumOSType(10, "VM (client via DRDA)");

        /** Operating system VSE (client via DRDA) (code 11). */
        public static final EnumOSType VSE = new EnumOSType(11, "VSE (client via DRDA)");

        /** Operating system Unknown DRDA Client (code 12). */
        public static final EnumOSType UNKNOWN_DRDA = new EnumOSType(12, "Unknown DRDA Client");

        /** Operating system Siemens Nixdorf (code 13). */
        public static final EnumOSType SNI = new EnumOSType(13, "Siemens Nixdorf");

        /** Operating system Macintosh Client (code 14). */
        public static final EnumOSType MAC = new EnumOSType(14, "Macintosh Client");

        /** Operating system Windows 95 (code 15). */
        public static final EnumOSType WINDOWS95 = new EnumOSType(15, "Windows 95");

        /** Operating system SCO (code 16). */
        public static final EnumOSType SCO = new EnumOSType(16, "SCO");

        /** Operating system Silicon Graphic (code 17). */
        public static final EnumOSType SGI = new EnumOSType(17, "Silicon Graphic");

        /** Operating system Linux (code 18). */
        public static final EnumOSType LINUX = new EnumOSType(18, "Linux");

        /** Operating system DYNIX/ptx (code 19). */
        public static final EnumOSType DYNIX = new EnumOSType(19, "DYNIX/ptx");

        /** Operating system AIX 64 bit (code 20). */
        public static final EnumOSType AIX64 = new EnumOSType(20, "AIX 64 bit");

        /** Operating system Sun 64 bit (code 21). */
        public static final EnumOSType SUN64 = new EnumOSType(21, "Sun 64 bit");

        /** Operating system HP 64 bit (code 22). */
        public static final EnumOSType HP64 = new EnumOSType(22, "HP 64 bit");

        /** Operating system NT 64 bit (code 23). */
        public static final EnumOSType NT64 = new EnumOSType(23, "NT 64 bit");

        /** Operating system Linux for S/390 (code 24). */
        public static final EnumOSType LINUX390 = new EnumOSType(24, "Linux for S/390");

        /** Operating system Linux for z900 (code 25). */
        public static final EnumOSType LINUXZ64 = new EnumOSType(25, "Linux for z900");

        /** Operating system Linux for IA64 (code 26). */
        public static final EnumOSType LINUXIA64 = new EnumOSType(26, "Linux for IA64");

        /** Operating system Linux for PPC (code 27). */
        public static final EnumOSType LINUXPPC = new EnumOSType(27, "Linux for PPC");

        /** Operating system Linux for PPC64 (code 28). */
        public static final EnumOSType LINUXPPC64 = new EnumOSType(28, "Linux for PPC64");

        /** Operating system OS/390 Tools (CC, DW) (code 29). */
        public static final EnumOSType OS390 = new EnumOSType(29, "OS/390 Tools (CC, DW)");

        private EnumOSType(int type, String name) {
            super(type, name);
        }
    }
}
