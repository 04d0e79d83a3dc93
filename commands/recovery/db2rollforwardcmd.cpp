#include "commands/recovery/db2rollforwardcmd.h"

#include <algorithm>
#include <string>

#include "bridge/javacollection.h"
#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/fixedfield.h"
#include "commands/recovery/recoveryversion.h"
#include "commands/rowlisting.h"
#include "commands/stringarray.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandRollforward";
// A log path fills logpath but its last byte, which stays the terminator.
constexpr std::size_t kLogPathWidth = sizeof(sqlurf_newlogpath::logpath) - 1;

template <std::size_t N>
std::string_view fieldText(const unsigned char (&field)[N]) {
    return fixedFieldText(reinterpret_cast<const char*>(field), N);
}

}  // namespace

CDB2RollforwardCmd::CDB2RollforwardCmd(const tarvinex::JavaObject& command,
                                       const tarvinex::JavaObject& context,
                                       const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

db2int32 CDB2RollforwardCmd::allNodeFlag(bool allPartitions, std::size_t listed) {
    if (allPartitions) {
        return listed == 0 ? SQLURF_ALL_NODES : SQLURF_ALL_EXCEPT;
    }
    return listed == 0 ? SQLURF_CAT_NODE_ONLY : SQLURF_NODE_LIST;
}

std::size_t CDB2RollforwardCmd::statusCapacity(db2int32 allNodeFlag, std::size_t listed) {
    switch (allNodeFlag) {
        case SQLURF_ALL_NODES:
        case SQLURF_ALL_EXCEPT:
            return SQLUH_MAX_PARTITIONS;
        case SQLURF_NODE_LIST:
            return std::max<std::size_t>(listed, 1);
        default:
            return 1;
    }
}

const char* CDB2RollforwardCmd::stateText(sqlint32 state) {
    static const char* const kStates[] = {
        "cannot_query_node",
        "rollforward_not_pending",
        "database_rollforward_pending",
        "tablespace_rollforward_pending",
        "database_rollforward_in_progress",
        "tablespace_rollforward_in_progress",
        "database_rollforward_processing__STOP",
        "tablespace_rollforward_processing__STOP",
    };
    if (state < 0 || state >= static_cast<sqlint32>(std::size(kStates))) {
        return nullptr;
    }
    return kStates[state];
}

bool CDB2RollforwardCmd::SetupData() {
    if (!RecoveryVersion::read(contextObj, version)) {
        return false;
    }
    const tarvinex::JavaObject rollforward(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    dbAlias = rollforward.callStringMethod("getDbAlias");
    const t_string isoTime = rollforward.callStringMethod("getIsoTime");
    username = rollforward.callStringMethod("getUsername");
    password = rollforward.callStringMethod("getPassword");
    overflowLogPath = rollforward.callStringMethod("getOverflowLogDirectory");
    connectMode = rollforward.callboolMethod("isOnline") ? SQLUM_ONLINE : SQLUM_OFFLINE;
    droppedTableId = rollforward.callStringMethod("getRecoverDropTableId");
    exportDir = rollforward.callStringMethod("getRecoverExportDirectory");
    stopTime = isoTime;
    if (!readAction(rollforward)) {
        return false;
    }
    if (!partitions.read(rollforward.callCollectionMethod("getIntegerPartitionList"),
                         "partition list") ||
        !readOverflowPaths(rollforward) || !readTablespaces(rollforward)) {
        return false;
    }
    allNodes = allNodeFlag(rollforward.callboolMethod("isAllDbPartitionNums"), partitions.size());
    nodeInfo.assign(statusCapacity(allNodes, partitions.size()), sqlurf_info{});
    return true;
}

bool CDB2RollforwardCmd::readAction(const tarvinex::JavaObject& rollforward) {
    const t_string option = rollforward.callStringMethod("getRollforwardOptionValue");
    const t_string isoTime = stopTime;
    stopTime = SQLUM_INFINITY_TIMESTAMP;
    if (option.empty() || option == "TO_END_OF_LOGS") {
        callerAction = DB2ROLLFORWARD_RFWD;
    } else if (option == "TO_ISOTIME") {
        const bool stop =
            rollforward.callboolMethod("isAndStop") || rollforward.callboolMethod("isAndComplete");
        callerAction = stop ? DB2ROLLFORWARD_RFWD_STOP : DB2ROLLFORWARD_RFWD;
        stopTime = isoTime;
    } else if (option == "COMPLETE" || option == "STOP") {
        callerAction = DB2ROLLFORWARD_STOP;
    } else if (option == "CANCEL") {
        callerAction = DB2ROLLFORWARD_CANCEL;
    } else if (option == "QUERY_STATUS") {
        callerAction = DB2ROLLFORWARD_QUERY;
        stopTime = isoTime;
    } else {
        if (!ExceptionOccurred()) {
            throwJavaException(("Unknown rollforward option \"" + option +
                                "\": expected TO_ISOTIME, TO_END_OF_LOGS, COMPLETE, STOP, "
                                "CANCEL, QUERY_STATUS or none")
                                   .c_str());
        }
        return false;
    }
    rollforwardFlags = 0;
    if (rollforward.callboolMethod("isUsingLocalTime")) {
        rollforwardFlags |= DB2ROLLFORWARD_LOCAL_TIME;
    }
    if (rollforward.callboolMethod("isNoRetrieve")) {
        rollforwardFlags |= DB2ROLLFORWARD_NO_RETRIEVE;
    }
    return true;
}

bool CDB2RollforwardCmd::readOverflowPaths(const tarvinex::JavaObject& rollforward) {
    const tarvinex::JavaObject map =
        rollforward.getChildObject("getOverflowLogList", "java/util/HashMap");
    if (map.isNull()) {
        return !ExceptionOccurred();
    }
    const tarvinex::JavaObject keys(map.getChildObject("keySet", "java/util/Set"),
                                    "java/util/Collection");
    std::vector<t_string> paths;
    switch (tarvinex::JavaCollection(keys).readTexts(paths, SQLUH_MAX_PARTITIONS)) {
        case tarvinex::JavaCollection::Walk::kDone:
            break;
        case tarvinex::JavaCollection::Walk::kJavaFailed:
            return false;
        case tarvinex::JavaCollection::Walk::kNullElement:
            throwJavaException("overflow log list: a null log path");
            return false;
        case tarvinex::JavaCollection::Walk::kTooMany:
            throwJavaException("overflow log list: more than one path per partition");
            return false;
    }
    overflowPaths.assign(paths.size(), sqlurf_newlogpath{});
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const int node = map.callIntegerMethodString("get", 0, paths[i].c_str());
        if (ExceptionOccurred() || !fitsField("overflow log path", paths[i], kLogPathWidth) ||
            !FieldNumber::narrow(getEnv(), "overflow log list", node, overflowPaths[i].nodenum)) {
            return false;
        }
        overflowPaths[i].pathlen = static_cast<unsigned short>(paths[i].size());
        copyToField(overflowPaths[i].logpath, paths[i]);
    }
    return true;
}

bool CDB2RollforwardCmd::readTablespaces(const tarvinex::JavaObject& rollforward) {
    StringArray names;
    if (!names.read(rollforward.callCollectionMethod("getTablespaceList"), "table space list")) {
        return false;
    }
    tablespaceEntries.assign(names.size(), sqlu_tablespace_entry{});
    for (std::size_t i = 0; i < names.size(); ++i) {
        const t_string& name = names.view()[i];
        if (!fitsField("table space name", name, SQLU_MAX_TBS_NAME_LEN)) {
            return false;
        }
        tablespaceEntries[i].reserve_len = static_cast<sqluint32>(name.size());
        copyToField(tablespaceEntries[i].tablespace_entry, name);
    }
    return true;
}

bool CDB2RollforwardCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2RollforwardCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2RollforwardCmd::CallDB2API() {
    tablespaceList.num_entry = static_cast<sqlint32>(tablespaceEntries.size());
    tablespaceList.tablespace = tablespaceEntries.empty() ? nullptr : tablespaceEntries.data();
    db2RfwdInputStruct input{};
    input.iVersion = SQLUM_RFWD_VERSION;
    input.piDbAlias = textOrNull(dbAlias);
    input.iCallerAction = callerAction;
    input.piStopTime = textOrNull(stopTime);
    input.piUserName = textOrNull(username);
    input.piPassword = textOrNull(password);
    input.piOverflowLogPath = textOrNull(overflowLogPath);
    input.iNumChngLgOvrflw = static_cast<db2Uint32>(overflowPaths.size());
    input.piChngLogOvrflw = overflowPaths.empty() ? nullptr : overflowPaths.data();
    input.iConnectMode = connectMode;
    input.piTablespaceList = &tablespaceList;
    input.iAllNodeFlag = allNodes;
    input.iNumNodes = static_cast<db2int32>(partitions.size());
    input.piNodeList = partitions.numbers();
    input.iNumNodeInfo = static_cast<db2int32>(nodeInfo.size());
    input.piDroppedTblID = textOrNull(droppedTableId);
    input.piExportDir = textOrNull(exportDir);
    input.iRollforwardFlags = rollforwardFlags;
    db2RfwdOutputStruct output{};
    output.poApplicationId = applicationId;
    output.poNumReplies = &numReplies;
    output.poNodeInfo = nodeInfo.data();
    db2RollforwardStruct parms{&input, &output};
    sqlca ca = zeroedSqlca();
    const int rc =
        db2::DB2API::Instance().Rollforward(UtilityVersion::apiLevel(version), &parms, &ca);
    outputFlags = output.oRollforwardFlags;
    return checkDB2Call(rc, ca);
}

bool CDB2RollforwardCmd::BuildResultSet() {
    RowListing listing(containerObj);
    if (!listing.addColumns({"param", "value"})) {
        return false;
    }
    const auto row = [&listing](std::string_view param, std::string_view value) {
        if (listing.newRow()) {
            listing.set(1, param);
            listing.set(2, value);
        }
    };
    row("Application_ID", fixedFieldText(applicationId));
    row("Num_Replies", std::to_string(numReplies));
    // DB2 never writes more entries than it was given room for; a larger count is not believed.
    const std::size_t replies =
        numReplies <= 0 ? 0 : std::min(nodeInfo.size(), static_cast<std::size_t>(numReplies));
    for (std::size_t i = 0; i < replies; ++i) {
        writeStatus(listing, nodeInfo[i]);
    }
    if (version >= 9) {
        row("Time used:", outputFlags == DB2ROLLFORWARD_LOCAL_TIME ? "Local" : "UTC");
    }
    return listing.finish();
}

void CDB2RollforwardCmd::writeStatus(RowListing& listing, const sqlurf_info& info) const {
    const auto row = [&listing](std::string_view param, std::string_view value) {
        if (listing.newRow()) {
            listing.set(1, param);
            listing.set(2, value);
        }
    };
    row("", "");
    row("Node_Number", std::to_string(info.nodenum));
    if (listing.newRow()) {
        listing.set(1, "State");
        const char* state = stateText(info.state);
        if (state != nullptr) {
            listing.set(2, state);
        }
    }
    row("Next_log_file_to_be_processed", fieldText(info.nextarclog));
    row("First_log_file_replayed", fieldText(info.firstarcdel));
    row("Last_log_file_replayed", fieldText(info.lastarcdel));
    row("Last_committed_transaction", fieldText(info.lastcommit));
}
