#include "commands/maintenance/db2reorgcmd.h"

#include "commands/utilityversion.h"
#include "db2api/db2api.h"

namespace {

constexpr const char* kReorgClass = "DB2CommandReorg";

char* orNull(t_string& text) {
    return text.empty() ? nullptr : text.data();
}

db2Uint32 bit(bool on, db2Uint32 value) {
    return on ? value : 0;
}

}  // namespace

CDB2ReorgCmd::CDB2ReorgCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ReorgCmd::SetupData() {
    if (!UtilityVersion::read(contextObj, version)) {
        return false;
    }
    const tarvinex::JavaObject cmd(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kReorgClass).c_str());
    setReorgType(cmd);
    if (!partitions.read(cmd.callCollectionMethod("getIntegerPartitionList"),
                         "getIntegerPartitionList()")) {
        return false;
    }
    setNodeListFlag(cmd);
    setReorgFlags(cmd);
    tableName = cmd.callStringMethod("getTableName");
    indexName = cmd.callStringMethod("getIndexName");
    sysTempSpace = cmd.callStringMethod("getTablespaceName");
    if (version >= 9) {
        longTempSpace = cmd.callStringMethod("getLongTablespaceName");
    }
    return true;
}

void CDB2ReorgCmd::setReorgType(const tarvinex::JavaObject& cmd) {
    const t_string type = cmd.callStringMethod("getReorgTypeString");
    if (cmd.callboolMethod("isInplace") == JNI_TRUE) {
        reorgType = DB2REORG_OBJ_TABLE_INPLACE;
    } else if (type == "REORG_INDEXES_ALL") {
        reorgType = DB2REORG_OBJ_INDEXESALL;
    } else if (type == "REORG_INDEX") {
        // One index is a version 9 object; before it, the table's indexes are reorganised.
        reorgType = version >= 9 ? DB2REORG_OBJ_INDEX : DB2REORG_OBJ_INDEXESALL;
    } else {
        reorgType = DB2REORG_OBJ_TABLE_OFFLINE;
    }
}

void CDB2ReorgCmd::setNodeListFlag(const tarvinex::JavaObject& cmd) {
    if (cmd.callboolMethod("isAllPartitionsExcept") == JNI_TRUE) {
        nodeListFlag = DB2REORG_ALL_EXCEPT;
    } else if (cmd.callboolMethod("isAllPartitions") == JNI_TRUE || partitions.size() == 0) {
        nodeListFlag = DB2REORG_ALL_NODES;
    } else {
        nodeListFlag = DB2REORG_NODE_LIST;
    }
}

void CDB2ReorgCmd::setReorgFlags(const tarvinex::JavaObject& cmd) {
    const bool inplace = reorgType == DB2REORG_OBJ_TABLE_INPLACE;
    const bool longLob = cmd.callboolMethod("isLongLobData") == JNI_TRUE;
    const bool indexScan = cmd.callboolMethod("isIndexScan") == JNI_TRUE;
    const t_string action = cmd.callStringMethod("getInplaceActionString");
    const bool noTruncate = cmd.callboolMethod("isNoTruncateTable") == JNI_TRUE;
    const t_string access = cmd.callStringMethod("getTableAccessString");
    const t_string cleanup = cmd.callStringMethod("getIndexCleanupConvertString");

    const bool pause = action == "PAUSE";
    const bool stop = action == "STOP";
    const bool resume = action == "RESUME";
    const bool start = action == "START" || (inplace && !pause && !stop && !resume);
    const bool noAccess = access == "ALLOW NO ACCESS";
    const bool read = access == "ALLOW READ ACCESS";
    const bool write = access == "ALLOW WRITE ACCESS" || (inplace && !noAccess && !read);
    const bool cleanupAll = cleanup == "CLEANUP_ONLY_ALL" || cleanup == "CLEANUP_ONLY";
    const bool cleanupPages = cleanup == "CLEANUP_ONLY_PAGES";
    const bool convert = cleanup == "CONVERT";

    reorgFlags = bit(longLob, DB2REORG_LONGLOB) | bit(indexScan, DB2REORG_INDEXSCAN) |
                 bit(noAccess, DB2REORG_ALLOW_NONE) | bit(start, DB2REORG_START_ONLINE) |
                 bit(pause, DB2REORG_PAUSE_ONLINE) | bit(stop, DB2REORG_STOP_ONLINE) |
                 bit(resume, DB2REORG_RESUME_ONLINE) | bit(noTruncate, DB2REORG_NOTRUNCATE_ONLINE) |
                 bit(!cleanupAll && !cleanupPages, DB2REORG_CLEANUP_NONE) |
                 bit(cleanupAll, DB2REORG_CLEANUP_ALL) | bit(cleanupPages, DB2REORG_CLEANUP_PAGES) |
                 bit(!convert, DB2REORG_CONVERT_NONE) | bit(convert, DB2REORG_CONVERT) |
                 bit(write, DB2REORG_ALLOW_WRITE) | bit(read, DB2REORG_ALLOW_READ);
    if (version >= 9) {
        const bool reset = cmd.callboolMethod("isResetDictionary") == JNI_TRUE;
        reorgFlags |= reset ? DB2REORG_RESET_DICTIONARY : DB2REORG_KEEP_DICTIONARY;
    }
}

bool CDB2ReorgCmd::isTableReorg() const {
    return reorgType == DB2REORG_OBJ_TABLE_OFFLINE || reorgType == DB2REORG_OBJ_TABLE_INPLACE;
}

bool CDB2ReorgCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2ReorgCmd::FreeData(bool) {}

void CDB2ReorgCmd::fillObject(db2ReorgStruct& parms) {
    if (isTableReorg()) {
        db2ReorgTable& table = parms.reorgObject.tableStruct;
        table.pTableName = orNull(tableName);
        table.pOrderByIndex = orNull(indexName);
        table.pSysTempSpace = orNull(sysTempSpace);
        table.pLongTempSpace = version >= 9 ? orNull(longTempSpace) : nullptr;
    } else {
        db2ReorgIndexesAll& indexes = parms.reorgObject.indexesAllStruct;
        indexes.pTableName = orNull(tableName);
        indexes.pIndexName = version >= 9 ? orNull(indexName) : nullptr;
    }
}

bool CDB2ReorgCmd::CallDB2API() {
    db2ReorgStruct parms{};
    parms.reorgType = reorgType;
    parms.reorgFlags = reorgFlags;
    parms.nodeListFlag = nodeListFlag;
    parms.numNodes = static_cast<db2Uint32>(partitions.size());
    parms.pNodeList = partitions.numbers();
    fillObject(parms);
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().Reorg(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}
