// The node directory of the stand-in (sqlectnd_api, sqleuncn_api, sqlenops_api, sqlengne_api,
// sqlencls_api) and attaching through a catalogued node.
#include <cstring>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

using Db2SimNodeDirectory = Db2SimInstanceTest;

sqle_node_struct nodeHeader(const char* name, unsigned char protocol, const char* comment = "") {
    sqle_node_struct node;
    std::memset(&node, 0, sizeof(node));
    node.struct_id = SQL_NODE_STR_ID;
    node.protocol = protocol;
    std::strncpy(node.nodename, name, sizeof(node.nodename) - 1);
    std::strncpy(node.comment, comment, sizeof(node.comment) - 1);
    return node;
}

int catalogTcpip(const char* name, const char* host, const char* service,
                 const char* comment = "") {
    sqle_node_struct node = nodeHeader(name, SQL_PROTOCOL_TCPIP, comment);
    sqle_node_tcpip tcpip;
    std::memset(&tcpip, 0, sizeof(tcpip));
    std::strncpy(tcpip.hostname, host, sizeof(tcpip.hostname) - 1);
    std::strncpy(tcpip.service_name, service, sizeof(tcpip.service_name) - 1);
    sqlca ca = sqlca{};
    return sqlectnd_api(&node, &tcpip, &ca);
}

std::vector<sqleninfo> listNodes(int& openRc) {
    std::vector<sqleninfo> nodes;
    sqlca ca = sqlca{};
    unsigned short handle = 0;
    unsigned short count = 0;
    openRc = sqlenops_api(&handle, &count, &ca);
    if (openRc < 0) {
        return nodes;
    }
    sqleninfo* entry = nullptr;
    while (sqlengne_api(handle, &entry, &ca) == 0) {
        nodes.push_back(*entry);
    }
    EXPECT_EQ(1014, ca.sqlcode);
    EXPECT_EQ(count, nodes.size());
    EXPECT_EQ(0, sqlencls_api(handle, &ca));
    return nodes;
}

int attachTo(const char* node, sqlca& ca) {
    ca = sqlca{};
    return sqleatin_api(const_cast<char*>(node), nullptr, nullptr, &ca);
}

std::string instanceToken(const sqlca& ca) {
    std::string tokens(ca.sqlerrmc, static_cast<size_t>(ca.sqlerrml));
    size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        start = tokens.find('\xFF', start) + 1;
    }
    return tokens.substr(start, tokens.find('\xFF', start) - start);
}

TEST_F(Db2SimNodeDirectory, EmptyDirectoryWarnsAndCataloguesAreListedFullWidth) {
    int openRc = 0;
    EXPECT_TRUE(listNodes(openRc).empty());
    EXPECT_EQ(1037, openRc);

    std::string host(SQL_HOSTNAME_SZ, 'h');
    ASSERT_EQ(0, catalogTcpip("node1", host.c_str(), "50000", "first node"));
    ASSERT_EQ(0, catalogTcpip("NODE_888", "localhost", "SERVICE_NAME14"));
    std::vector<sqleninfo> nodes = listNodes(openRc);
    ASSERT_EQ(0, openRc);
    ASSERT_EQ(2u, nodes.size());
    EXPECT_EQ("NODE1   ", field(nodes[0].nodename, SQL_NNAME_SZ));
    EXPECT_EQ(host, field(nodes[0].hostname, SQL_HOSTNAME_SZ)) << "full width, no NUL";
    EXPECT_EQ("50000         ", field(nodes[0].service_name, SQL_SERVICE_NAME_SZ));
    EXPECT_EQ("first node", field(nodes[0].comment, 10));
    EXPECT_EQ(SQL_PROTOCOL_TCPIP, nodes[0].protocol);
    EXPECT_EQ(std::string(SQL_INSTNAME_SZ, ' '), field(nodes[0].remote_instname, SQL_INSTNAME_SZ));
    EXPECT_EQ("NODE_888", field(nodes[1].nodename, SQL_NNAME_SZ));
    EXPECT_EQ("SERVICE_NAME14", field(nodes[1].service_name, SQL_SERVICE_NAME_SZ));
}

TEST_F(Db2SimNodeDirectory, CatalogChecksTheCallersStructures) {
    ASSERT_EQ(0, catalogTcpip("n1", "h", "s"));
    EXPECT_EQ(-1018, catalogTcpip("N1", "h2", "s")) << "names compare in upper case";
    EXPECT_EQ(-1332, catalogTcpip("n2", "", "s"));
    EXPECT_EQ(-1333, catalogTcpip("n2", "h", ""));
    EXPECT_EQ(-1019, catalogTcpip("9lives", "h", "s"));

    sqlca ca = sqlca{};
    sqle_node_tcpip tcpip{};
    sqle_node_struct node = nodeHeader("n3", SQL_PROTOCOL_TCPIP);
    EXPECT_EQ(-1121, sqlectnd_api(nullptr, &tcpip, &ca));
    EXPECT_EQ(-1122, sqlectnd_api(&node, nullptr, &ca));
    node.struct_id = SQL_DCS_STR_ID;
    EXPECT_EQ(-1321, sqlectnd_api(&node, &tcpip, &ca));
    node = nodeHeader("n3", 42);
    EXPECT_EQ(-1123, sqlectnd_api(&node, &tcpip, &ca));
    node = nodeHeader("n3", SQL_PROTOCOL_TCPIP);
    std::memset(tcpip.hostname, 'x', sizeof(tcpip.hostname));  // no terminator
    std::strcpy(tcpip.service_name, "s");
    EXPECT_EQ(-1332, sqlectnd_api(&node, &tcpip, &ca));

    sqle_node_cpic cpic{};
    std::strcpy(cpic.sym_dest_name, "dest");
    cpic.security_type = 3;
    node = nodeHeader("cp", SQL_PROTOCOL_CPIC);
    EXPECT_EQ(-1331, sqlectnd_api(&node, &cpic, &ca));
    cpic.security_type = 1;
    EXPECT_EQ(0, sqlectnd_api(&node, &cpic, &ca));

    sqle_node_npipe npipe{};
    std::strcpy(npipe.computername, "box");
    node = nodeHeader("np", SQL_PROTOCOL_NPIPE);
    EXPECT_EQ(-1212, sqlectnd_api(&node, &npipe, &ca)) << "no instance name";
    int openRc = 0;
    EXPECT_EQ(2u, listNodes(openRc).size());
}

TEST_F(Db2SimNodeDirectory, OtherProtocolsListTheirOwnFields) {
    sqlca ca = sqlca{};
    sqle_node_appn appn{};
    std::strcpy(appn.networkid, "NET");
    std::strcpy(appn.remote_lu, "PARTNER");
    std::strcpy(appn.transpn, "TP");
    appn.security_type = 2;
    sqle_node_struct node = nodeHeader("appn", SQL_PROTOCOL_APPN);
    ASSERT_EQ(0, sqlectnd_api(&node, &appn, &ca));
    sqle_node_local local{};
    std::strcpy(local.instance_name, "inst2");
    node = nodeHeader("loc", SQL_PROTOCOL_LOCAL);
    ASSERT_EQ(0, sqlectnd_api(&node, &local, &ca));

    int openRc = 0;
    std::vector<sqleninfo> nodes = listNodes(openRc);
    ASSERT_EQ(2u, nodes.size());
    EXPECT_EQ("NET     ", field(nodes[0].networkid, SQL_NETID_SZ));
    EXPECT_EQ("PARTNER ", field(nodes[0].partner_lu, SQL_LU_SZ));
    EXPECT_EQ("TP", field(nodes[0].transpn, 2));
    EXPECT_EQ(2, nodes[0].security_type);
    EXPECT_EQ(std::string(SQL_HOSTNAME_SZ, ' '), field(nodes[0].hostname, SQL_HOSTNAME_SZ));
    EXPECT_EQ("inst2   ", field(nodes[1].instance_name, SQL_INSTNAME_SZ));
    EXPECT_EQ(SQL_PROTOCOL_LOCAL, nodes[1].protocol);
}

TEST_F(Db2SimNodeDirectory, UncatalogAndPersistence) {
    ASSERT_EQ(0, catalogTcpip("keep", "localhost", "s"));
    ASSERT_EQ(0, catalogTcpip("drop", "localhost", "s"));
    sqlca ca = sqlca{};
    EXPECT_EQ(0, sqleuncn_api(const_cast<char*>("drop"), &ca));
    EXPECT_EQ(-1021, sqleuncn_api(const_cast<char*>("drop"), &ca));
    EXPECT_EQ("SQL1021N  The node \"drop\" is not in the node directory.\n", message(ca));
    EXPECT_EQ(-1079, sqleuncn_api(nullptr, &ca));
    resetInstance();
    int openRc = 0;
    std::vector<sqleninfo> nodes = listNodes(openRc);
    ASSERT_EQ(1u, nodes.size());
    EXPECT_EQ("KEEP    ", field(nodes[0].nodename, SQL_NNAME_SZ));
}

TEST_F(Db2SimNodeDirectory, ScanKeepsItsCopyWhileNodesChange) {
    ASSERT_EQ(0, catalogTcpip("a", "localhost", "s"));
    sqlca ca = sqlca{};
    unsigned short handle = 0;
    unsigned short count = 0;
    ASSERT_EQ(0, sqlenops_api(&handle, &count, &ca));
    ASSERT_EQ(0, sqleuncn_api(const_cast<char*>("a"), &ca));
    sqleninfo* entry = nullptr;
    ASSERT_EQ(0, sqlengne_api(handle, &entry, &ca));
    EXPECT_EQ("A       ", field(entry->nodename, SQL_NNAME_SZ));
    EXPECT_EQ(1, db2sim_counter("scans"));
    EXPECT_EQ(0, sqlencls_api(handle, &ca));
    EXPECT_EQ(-1058, sqlencls_api(handle, &ca));
    EXPECT_EQ(0, db2sim_counter("scans"));
}

TEST_F(Db2SimNodeDirectory, AttachThroughANodeReachesItsInstance) {
    ThreadContext ctx;
    ASSERT_EQ(0, catalogTcpip("here", "127.0.0.1", "50000"));
    ASSERT_EQ(0, catalogTcpip("other", "localhost", "inst2"));
    ASSERT_EQ(0, catalogTcpip("far", "db.example.invalid", "50000"));
    ASSERT_EQ(0, db2sim_add_instance("inst2"));

    sqlca ca;
    ASSERT_EQ(0, attachTo("here", ca));
    EXPECT_EQ("DB2INST1", instanceToken(ca)) << "an unknown service: the local instance";
    ASSERT_EQ(0, attachTo("OTHER", ca));
    EXPECT_EQ("INST2", instanceToken(ca));
    EXPECT_EQ(-30081, attachTo("far", ca));
    EXPECT_NE(std::string::npos, message(ca).find("\"db.example.invalid\"")) << message(ca);
    EXPECT_EQ(-1097, attachTo("nonode", ca));
    db2sim_set_started(0);
    EXPECT_EQ(-1032, attachTo("here", ca));
}

}  // namespace
