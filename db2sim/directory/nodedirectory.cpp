#include "db2sim/directory/nodedirectory.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <sstream>
#include <string_view>

#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/connection/users.h"

namespace db2sim {
namespace {

constexpr unsigned short kMaxSecurityType = 2;
constexpr const char* kUnknownHostError = "-2";  // getaddrinfo: name not known

// Reads the caller's protocol structure field by field; the first refusal sticks.
struct FieldReader {
    NodeEntry& entry;
    int rc = 0;

    template <size_t N>
    FieldReader& take(const char (&field)[N], const char* key, bool required, int refusal) {
        std::string text;
        if (rc == 0 && (!readTerminated(field, N, text) ||
                        (required && withoutTrailingBlanks(text).empty()))) {
            rc = refusal;
        } else if (rc == 0) {
            entry.fields[key] = withoutTrailingBlanks(text);
        }
        return *this;
    }

    FieldReader& number(const char* key, unsigned short value, unsigned short max, int refusal) {
        if (rc == 0 && value > max) {
            rc = refusal;
        } else if (rc == 0) {
            entry.fields[key] = std::to_string(value);
        }
        return *this;
    }
};

bool tcpipFamily(unsigned char protocol) {
    return protocol == SQL_PROTOCOL_TCPIP || protocol == SQL_PROTOCOL_SOCKS ||
           protocol == SQL_PROTOCOL_TCPIP4 || protocol == SQL_PROTOCOL_TCPIP6 ||
           protocol == SQL_PROTOCOL_SOCKS4;
}

int readTcpip(const sqle_node_tcpip& in, FieldReader reader) {
    return reader.take(in.hostname, "hostname", true, code::kInvalidHostName)
        .take(in.service_name, "service_name", true, code::kInvalidServiceName)
        .rc;
}

int readAppn(const sqle_node_appn& in, FieldReader reader) {
    return reader.take(in.networkid, "networkid", false, code::kInvalidNetworkId)
        .take(in.remote_lu, "partner_lu", true, code::kInvalidPartnerLu)
        .take(in.local_lu, "local_lu", false, code::kInvalidPartnerLu)
        .take(in.mode, "mode", false, code::kInvalidPartnerLu)
        .take(in.chgpwd_lu, "chgpwd_lu", false, code::kInvalidPartnerLu)
        .take(in.transpn, "transpn", false, code::kInvalidPartnerLu)
        .take(in.lanaddr, "lanaddr", false, code::kInvalidPartnerLu)
        .number("security_type", in.security_type, kMaxSecurityType, code::kInvalidSecurityType)
        .rc;
}

int readProtocol(unsigned char protocol, const void* info, NodeEntry& entry) {
    FieldReader reader{entry};
    if (tcpipFamily(protocol)) {
        return readTcpip(*static_cast<const sqle_node_tcpip*>(info), reader);
    }
    switch (protocol) {
        case SQL_PROTOCOL_NETB: {
            const auto& in = *static_cast<const sqle_node_netb*>(info);
            return reader
                .number("adapter", in.adapter, std::numeric_limits<unsigned short>::max(), 0)
                .take(in.remote_nname, "remote_nname", true, code::kInvalidRemoteName)
                .rc;
        }
        case SQL_PROTOCOL_APPC: {
            const auto& in = *static_cast<const sqle_node_appc*>(info);
            return reader.take(in.local_lu, "local_lu", false, code::kInvalidPartnerLu)
                .take(in.partner_lu, "partner_lu", true, code::kInvalidPartnerLu)
                .take(in.mode, "mode", false, code::kInvalidPartnerLu)
                .rc;
        }
        case SQL_PROTOCOL_APPN:
            return readAppn(*static_cast<const sqle_node_appn*>(info), reader);
        case SQL_PROTOCOL_CPIC: {
            const auto& in = *static_cast<const sqle_node_cpic*>(info);
            return reader.take(in.sym_dest_name, "sym_dest_name", true, code::kInvalidSymDestName)
                .number("security_type", in.security_type, kMaxSecurityType,
                        code::kInvalidSecurityType)
                .rc;
        }
        case SQL_PROTOCOL_IPXSPX: {
            const auto& in = *static_cast<const sqle_node_ipxspx*>(info);
            return reader.take(in.fileserver, "fileserver", true, code::kInvalidFileServer)
                .take(in.objectname, "objectname", true, code::kInvalidObjectName)
                .rc;
        }
        case SQL_PROTOCOL_LOCAL: {
            const auto& in = *static_cast<const sqle_node_local*>(info);
            return reader.take(in.instance_name, "instance_name", true, code::kInvalidInstanceName)
                .rc;
        }
        case SQL_PROTOCOL_NPIPE: {
            const auto& in = *static_cast<const sqle_node_npipe*>(info);
            return reader.take(in.computername, "computername", true, code::kInvalidComputerName)
                .take(in.instance_name, "instance_name", true, code::kInvalidInstanceName)
                .rc;
        }
        default:
            return code::kInvalidProtocol;
    }
}

std::string_view fieldView(const NodeEntry& entry, const char* key) {
    auto it = entry.fields.find(key);
    return it == entry.fields.end() ? std::string_view() : std::string_view(it->second);
}

std::string field(const NodeEntry& entry, const char* key) {
    return std::string(fieldView(entry, key));
}

unsigned short number(const NodeEntry& entry, const char* key) {
    return static_cast<unsigned short>(std::strtoul(field(entry, key).c_str(), nullptr, 10));
}

// Every text field blank, every number 0: what DB2 hands back for fields a protocol leaves unset.
void blank(sqleninfo& out) {
    std::memset(&out, 0, sizeof(out));
    for (auto [text, width] :
         std::initializer_list<std::pair<char*, size_t>>{{out.nodename, SQL_NNAME_SZ},
                                                         {out.local_lu, SQL_LU_SZ},
                                                         {out.partner_lu, SQL_LU_SZ},
                                                         {out.mode, SQL_MODE_SZ},
                                                         {out.comment, SQL_CMT_SZ},
                                                         {out.networkid, SQL_NETID_SZ},
                                                         {out.sym_dest_name, SQL_SYM_DEST_SZ},
                                                         {out.hostname, SQL_HOSTNAME_SZ},
                                                         {out.service_name, SQL_SERVICE_NAME_SZ},
                                                         {out.fileserver, SQL_FILESERVER_SZ},
                                                         {out.objectname, SQL_OBJECTNAME_SZ},
                                                         {out.instance_name, SQL_INSTNAME_SZ},
                                                         {out.computername, SQL_COMPUTERNAME_SZ},
                                                         {out.system_name, SQL_SYSTEM_NAME_SZ},
                                                         {out.remote_instname, SQL_INSTNAME_SZ},
                                                         {out.chgpwd_lu, SQL_LU_SZ},
                                                         {out.transpn, SQL_TPNAME_SZ},
                                                         {out.lanaddr, SQL_LANADDRESS_SZ}}) {
        putBlankPadded(text, width, "");
    }
}

void describe(const NodeEntry& entry, sqleninfo& out) {
    blank(out);
    putBlankPadded(out.nodename, SQL_NNAME_SZ, entry.name);
    putBlankPadded(out.comment, SQL_CMT_SZ, entry.comment);
    out.protocol = static_cast<char>(entry.protocol);
    putBlankPadded(out.local_lu, SQL_LU_SZ, fieldView(entry, "local_lu"));
    putBlankPadded(out.partner_lu, SQL_LU_SZ, fieldView(entry, "partner_lu"));
    putBlankPadded(out.mode, SQL_MODE_SZ, fieldView(entry, "mode"));
    putBlankPadded(out.networkid, SQL_NETID_SZ, fieldView(entry, "networkid"));
    putBlankPadded(out.sym_dest_name, SQL_SYM_DEST_SZ, fieldView(entry, "sym_dest_name"));
    putBlankPadded(out.hostname, SQL_HOSTNAME_SZ, fieldView(entry, "hostname"));
    putBlankPadded(out.service_name, SQL_SERVICE_NAME_SZ, fieldView(entry, "service_name"));
    putBlankPadded(out.fileserver, SQL_FILESERVER_SZ, fieldView(entry, "fileserver"));
    putBlankPadded(out.objectname, SQL_OBJECTNAME_SZ, fieldView(entry, "objectname"));
    putBlankPadded(out.instance_name, SQL_INSTNAME_SZ, fieldView(entry, "instance_name"));
    putBlankPadded(out.computername, SQL_COMPUTERNAME_SZ, fieldView(entry, "computername"));
    putBlankPadded(out.chgpwd_lu, SQL_LU_SZ, fieldView(entry, "chgpwd_lu"));
    putBlankPadded(out.transpn, SQL_TPNAME_SZ, fieldView(entry, "transpn"));
    putBlankPadded(out.lanaddr, SQL_LANADDRESS_SZ, fieldView(entry, "lanaddr"));
    out.adapter = number(entry, "adapter");
    out.security_type = number(entry, "security_type");
}

std::string formatRecord(const NodeEntry& entry) {
    std::vector<std::string> fields{entry.name, std::to_string(entry.protocol), entry.comment};
    for (const auto& [key, value] : entry.fields) {
        fields.push_back(key + "=" + value);
    }
    return joinRecord(fields) + "\n";
}

bool parseRecord(const std::string& line, NodeEntry& entry) {
    std::vector<std::string> fields = splitRecord(line);
    if (fields.size() < 3 || !validDirectoryName(fields[0])) {
        return false;
    }
    entry.name = upperCase(fields[0]);
    entry.protocol = static_cast<unsigned char>(std::strtoul(fields[1].c_str(), nullptr, 10));
    entry.comment = fields[2];
    for (size_t i = 3; i < fields.size(); ++i) {
        size_t equals = fields[i].find('=');
        if (equals != std::string::npos) {
            entry.fields[fields[i].substr(0, equals)] = fields[i].substr(equals + 1);
        }
    }
    return true;
}

std::string thisHost() {
    char name[256] = {};
    return gethostname(name, sizeof(name) - 1) == 0 ? std::string(name) : std::string();
}

bool onThisHost(const std::string& host) {
    std::string upper = upperCase(host);
    return upper == "LOCALHOST" || upper == "127.0.0.1" || upper == "::1" ||
           (!upper.empty() && upper == upperCase(thisHost()));
}

const std::string* knownInstance(const std::string& name, const std::vector<std::string>& known) {
    for (const std::string& instance : known) {
        if (upperCase(instance) == upperCase(name)) {
            return &instance;
        }
    }
    return nullptr;
}

NodeRoute unreachable(const char* protocol, const std::string& where) {
    return NodeRoute{code::kCommunicationError,
                     {protocol, "SOCKETS", where, "getaddrinfo", kUnknownHostError, "*", "*"},
                     ""};
}

}  // namespace

NodeDirectory::NodeDirectory() : entries_(std::make_shared<std::vector<NodeEntry>>()) {}

void NodeDirectory::load(StateHome& home) {
    scans_.clear();
    entries_ = std::make_shared<std::vector<NodeEntry>>();
    std::string text;
    if (!home.readFile(kFileName, text)) {
        return;
    }
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        NodeEntry entry;
        if (parseRecord(line, entry)) {
            entries_->push_back(std::move(entry));
        }
    }
}

bool NodeDirectory::save(StateHome& home) const {
    std::string text;
    for (const NodeEntry& entry : *entries_) {
        text += formatRecord(entry);
    }
    return home.writeFile(kFileName, text);
}

std::vector<NodeEntry>& NodeDirectory::writable() {
    if (entries_.use_count() > 1) {
        entries_ = std::make_shared<std::vector<NodeEntry>>(*entries_);
    }
    return *entries_;
}

int NodeDirectory::catalog(const sqle_node_struct* node, const void* protocol, StateHome& home) {
    if (node == nullptr) {
        return code::kInvalidNodeStructPointer;
    }
    if (protocol == nullptr) {
        return code::kInvalidProtocolPointer;
    }
    if (node->struct_id != SQL_NODE_STR_ID) {
        return code::kInvalidStructId;
    }
    NodeEntry entry;
    std::string name;
    if (!readTerminated(node->nodename, sizeof(node->nodename), name) ||
        !validDirectoryName(withoutTrailingBlanks(name))) {
        return code::kInvalidNodeName;
    }
    entry.name = upperCase(withoutTrailingBlanks(name));
    entry.protocol = node->protocol;
    entry.comment = readParameter(node->comment, SQL_CMT_SZ).substr(0, SQL_CMT_SZ);
    if (int refusal = readProtocol(node->protocol, protocol, entry)) {
        return refusal;
    }
    if (find(entry.name) != nullptr) {
        return code::kDuplicateNode;
    }
    writable().push_back(std::move(entry));
    save(home);
    return code::kSuccess;
}

int NodeDirectory::uncatalog(const std::string& name, StateHome& home) {
    const NodeEntry* found = find(name);
    if (found == nullptr) {
        return name.empty() || name.size() > SQL_NNAME_SZ ? code::kInvalidNodeName
                                                          : code::kNodeNotFound;
    }
    size_t index = static_cast<size_t>(found - entries_->data());
    std::vector<NodeEntry>& entries = writable();
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    save(home);
    return code::kSuccess;
}

const NodeEntry* NodeDirectory::find(const std::string& name) const {
    std::string wanted = upperCase(name);
    for (const NodeEntry& entry : *entries_) {
        if (entry.name == wanted) {
            return &entry;
        }
    }
    return nullptr;
}

NodeRoute NodeDirectory::route(const NodeEntry& node, const std::vector<std::string>& instances,
                               const std::string& localInstance) const {
    if (tcpipFamily(node.protocol)) {
        std::string host = field(node, "hostname");
        if (!onThisHost(host)) {
            return unreachable("TCP/IP", host);
        }
        const std::string* served = knownInstance(field(node, "service_name"), instances);
        return NodeRoute{0, {}, served != nullptr ? *served : localInstance};
    }
    if (node.protocol == SQL_PROTOCOL_LOCAL ||
        (node.protocol == SQL_PROTOCOL_NPIPE && onThisHost(field(node, "computername")))) {
        const std::string* instance = knownInstance(field(node, "instance_name"), instances);
        return instance != nullptr ? NodeRoute{0, {}, *instance}
                                   : NodeRoute{code::kManagerNotStarted, {}, ""};
    }
    return unreachable(node.protocol == SQL_PROTOCOL_NPIPE ? "NPIPE" : "OTHER", node.name);
}

int NodeDirectory::open(unsigned short& handle, unsigned short& count) {
    Scan scan;
    scan.entries = entries_;
    scan.buffer = std::make_unique<sqleninfo>();
    size_t total = entries_->size();
    handle = scans_.open(std::move(scan));
    if (handle == 0) {
        return code::kTooManyScans;
    }
    count = static_cast<unsigned short>(
        std::min<size_t>(total, std::numeric_limits<unsigned short>::max()));
    return total == 0 ? code::kNodeDirectoryEmpty : code::kSuccess;
}

int NodeDirectory::next(unsigned short handle, sqleninfo*& entry) {
    auto scan = scans_.find(handle);
    if (!scan) {
        return code::kInvalidScanHandle;
    }
    if (scan->next >= scan->entries->size()) {
        return code::kNoMoreEntries;
    }
    describe((*scan->entries)[scan->next++], *scan->buffer);
    entry = scan->buffer.get();
    return code::kSuccess;
}

int NodeDirectory::close(unsigned short handle) {
    return scans_.close(handle) ? code::kSuccess : code::kInvalidScanHandle;
}

}  // namespace db2sim
