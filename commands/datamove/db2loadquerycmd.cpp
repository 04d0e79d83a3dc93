#include "commands/datamove/db2loadquerycmd.h"

#include <string>

#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/rowlisting.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

namespace {

const char* const kColumnNames[] = {
    "Table State",      "Which Phase",    "Rows Read",    "Rows Skipped",  "Rows Committed",
    "Rows Loaded",      "Rows Rejected",  "Rows Deleted", "Current Index", "Num Total Indexes",
    "Current MPP Node", "Load Restarted", "Warning Count"};

}  // namespace

CDB2LoadQueryCmd::CDB2LoadQueryCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container), output{} {
    ca = zeroedSqlca();
}

bool CDB2LoadQueryCmd::SetupData() {
    version =
        UtilityVersion::effective(contextObj.getClientVersion(), contextObj.getDatabaseVersion());
    const tarvinex::JavaObject query(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandLoadQuery").c_str());
    iStringType = DB2LOADQUERY_TABLENAME;
    tableName = query.callStringMethod("getTableName");
    const int show = query.callIntegerMethod("getShowLoadMessagesValue", 0);
    if (!ExceptionOccurred()) {
        FieldNumber::narrow(getEnv(), "getShowLoadMessagesValue", show, iShowLoadMessages);
    }
    iLocalMessageFile = query.callStringMethod("getLocalMessageFile");
    return true;
}

bool CDB2LoadQueryCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2LoadQueryCmd::FreeData(bool) {
    // The connection's context stays alive; only the thread lets go of it.
    db2::CDB2APIContext::DetachCurrentCtx();
}

bool CDB2LoadQueryCmd::CallDB2API() {
    if (!UtilityVersion::supported(getEnv(), version)) {
        return false;
    }
    ca = zeroedSqlca();
    output = db2LoadQueryOutputStruct{};
    db2LoadQueryStruct parms{};
    parms.iStringType = iStringType;
    parms.piString = textOrNull(tableName);
    parms.iShowLoadMessages = iShowLoadMessages;
    parms.poOutputStruct = &output;
    parms.piLocalMessageFile = textOrNull(iLocalMessageFile);
    const int rc =
        db2::DB2API::Instance().LoadQuery(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}

bool CDB2LoadQueryCmd::BuildResultSet() {
    RowListing listing(containerObj);
    if (!listing.addColumns(kColumnNames, sizeof(kColumnNames) / sizeof(kColumnNames[0])) ||
        !listing.newRow()) {
        return false;
    }
    listing.set(1, tableStateText(output.oTableState));
    listing.set(2, phaseText(output.oWhichPhase));
    const db2Uint32 counts[] = {
        output.oRowsRead,      output.oRowsSkipped,     output.oRowsCommitted,
        output.oRowsLoaded,    output.oRowsRejected,    output.oRowsDeleted,
        output.oCurrentIndex,  output.oNumTotalIndexes, output.oCurrentMPPNode,
        output.oLoadRestarted, output.oWarningCount};
    int column = 3;
    for (const db2Uint32 count : counts) {
        listing.set(column++, std::to_string(count));
    }
    return listing.finish();
}

const char* CDB2LoadQueryCmd::tableStateText(db2Uint32 state) {
    switch (state) {
        case DB2LOADQUERY_NORMAL:
            return "Normal";
        case DB2LOADQUERY_CHECK_PENDING:
            return "Check Pending";
        case DB2LOADQUERY_LOAD_IN_PROGRESS:
            return "Load in Progress";
        case DB2LOADQUERY_READ_ACCESS:
            return "Read Access";
        case DB2LOADQUERY_NOTAVAILABLE:
            return "Not Available";
        case DB2LOADQUERY_NO_LOAD_RESTART:
            return "No Load Restart";
        case DB2LOADQUERY_LOAD_PENDING:
            return "Load Pending";
        case DB2LOADQUERY_TYPE1_INDEXES:
            return "Type-1 Indexes";
        default:
            return "unknown state";  // combinations included
    }
}

const char* CDB2LoadQueryCmd::phaseText(db2Uint32 phase) {
    switch (phase) {
        case DB2LOADQUERY_LOAD_PHASE:
            return "Load Phase";
        case DB2LOADQUERY_BUILD_PHASE:
            return "Build Phase";
        case DB2LOADQUERY_DELETE_PHASE:
            return "Delete Phase";
        default:
            return "None";
    }
}
