#include "commands/directory/db2listnodedirectorycmd.h"

#include <iterator>

#include "commands/rowlisting.h"
#include "commands/directory/directoryscan.h"
#include "commands/fixedfield.h"
#include "db2api/db2api.h"

namespace {

constexpr int SQLE_RC_NOMORE = 1014;  // end of scan

enum Column {
    kNodeName = 1,
    kEntryType,
    kProtocol,
    kHostName,
    kServiceName,
    kComment,
    kRemoteInstance,
    kSystem,
    kOsType
};
const char* const kColumnNames[] = {
    "node name", "entry type",           "protocol", "hostname", "service name",
    "comment",   "Remote instance name", "System",   "os type"};
constexpr int kPlainColumns = kComment;
constexpr int kDetailColumns = kOsType;
static_assert(std::size(kColumnNames) == kDetailColumns, "one name per column");

// Indexed by the protocol byte.
const char* const kProtocolNames[] = {"APPC",   "NetBios", "APPN",  "TCP/IP", "CPIC",
                                      "IPXSPX", "LOCAL",   "NPIPE", "SOCKS"};

// Indexed by os_type; 0 and codes past the end are unknown.
const char* const kOsTypeNames[] = {"Unknown platform",
                                    "OS/2",
                                    "DOS",
                                    "Windows",
                                    "AIX",
                                    "NT",
                                    "HP",
                                    "Sun",
                                    "MVS (client via DRDA)",
                                    "AS400 (client via DRDA)",
                                    "VM (client via DRDA)",
                                    "VSE (client via DRDA)",
                                    "Unknown DRDA Client",
                                    "Siemens Nixdorf",
                                    "Macintosh Client",
                                    "Windows 95",
                                    "SCO",
                                    "Silicon Graphic",
                                    "Linux",
                                    "DYNIX/ptx",
                                    "AIX 64 bit",
                                    "Sun 64 bit",
                                    "HP 64 bit",
                                    "NT 64 bit",
                                    "Linux for S/390",
                                    "Linux for z900",
                                    "Linux for IA64",
                                    "Linux for PPC",
                                    "Linux for PPC64",
                                    "OS/390 Tools (CC, DW)"};

}  // namespace

CDB2ListNodeDirectoryCmd::CDB2ListNodeDirectoryCmd(const tarvinex::JavaObject& command,
                                                   const tarvinex::JavaObject& context,
                                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

const char* CDB2ListNodeDirectoryCmd::protocolName(unsigned char protocol) {
    return protocol < std::size(kProtocolNames) ? kProtocolNames[protocol] : "UNKNOWN";
}

const char* CDB2ListNodeDirectoryCmd::osTypeName(unsigned short osType) {
    return osType < std::size(kOsTypeNames) ? kOsTypeNames[osType] : kOsTypeNames[0];
}

bool CDB2ListNodeDirectoryCmd::SetupData() {
    const tarvinex::JavaObject list(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandListNodeDirectory").c_str());
    admin = list.callboolMethod("isAdmin") == JNI_TRUE;
    showDetail = list.callboolMethod("isShowDetail") == JNI_TRUE;
    return true;
}

bool CDB2ListNodeDirectoryCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2ListNodeDirectoryCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2ListNodeDirectoryCmd::CallDB2API() {
    const db2::DB2API& api = db2::DB2API::Instance();
    unsigned short handle = 0;
    unsigned short count = 0;
    DirectoryScan scan(
        [&api, &handle](sqlca* ca) { return api.CloseNodeDirectoryScan(handle, ca); });
    sqlca ca = zeroedSqlca();
    const int rc = api.OpenNodeDirectoryScan(&handle, &count, &ca);
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    scan.opened();
    RowListing listing(containerObj);
    if (!listing.addColumns(kColumnNames, static_cast<std::size_t>(columnCount())) ||
        !listEntries(handle, count, listing) || !listing.finish()) {
        return false;
    }
    scan.Close();
    return true;
}

int CDB2ListNodeDirectoryCmd::columnCount() const {
    return showDetail ? kDetailColumns : kPlainColumns;
}

bool CDB2ListNodeDirectoryCmd::listEntries(unsigned short handle, unsigned short count,
                                           RowListing& listing) {
    const db2::DB2API& api = db2::DB2API::Instance();
    for (unsigned short i = 0; i < count; ++i) {
        sqleninfo* entry = nullptr;
        sqlca ca = zeroedSqlca();
        const int rc = api.GetNextNodeDirectoryEntry(handle, &entry, &ca);
        if (ca.sqlcode == SQLE_RC_NOMORE) {
            return false;  // the directory ended before the announced count
        }
        // A warning Java could not take ends the listing as any other Java failure does.
        if (!checkDB2Call(rc, ca)) {
            return false;
        }
        if (entry == nullptr) {
            return false;  // no entry handed back: the same early end
        }
        if (!addRow(*entry, listing)) {
            return false;
        }
    }
    return true;
}

bool CDB2ListNodeDirectoryCmd::addRow(const sqleninfo& entry, RowListing& listing) {
    if (!listing.newRow()) {
        return false;
    }
    listing.set(kNodeName, fixedFieldText(entry.nodename));
    listing.set(kEntryType, "LOCAL");
    listing.set(kProtocol, protocolName(static_cast<unsigned char>(entry.protocol)));
    listing.set(kHostName, fixedFieldText(entry.hostname));
    listing.set(kServiceName, fixedFieldText(entry.service_name));
    listing.set(kComment, fixedFieldText(entry.comment));
    if (showDetail) {
        listing.set(kRemoteInstance, fixedFieldText(entry.remote_instname));
        listing.set(kSystem, fixedFieldText(entry.system_name));
        listing.set(kOsType, osTypeName(entry.os_type));
    }
    return true;
}
