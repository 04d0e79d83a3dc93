// In-doubt transaction lists: sqlxphqr (XA transactions of the connected database, in memory
// handed out to the caller), sqlcspqy (DRDA transactions, in a list the stand-in keeps for the
// calling context) and db2SpmListIndTrans (DRDA transactions into the caller's buffer, 9.0 on).
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/monitor/indoubttransactions.h"

DB2SIM_CHECK_TYPE(sqlxphqr);
DB2SIM_CHECK_TYPE(sqlcspqy);

namespace db2sim {
namespace {

constexpr int kAllNodes = 1;  // sqlxphqr's other query action
constexpr db2Uint32 kSpmVersion = 9000000;

int listXa(int action, void** data, sqlint32* count, sqlca* ca) {
    ApiCall call("sqlxphqr", ca, CallKind::kAdmin, Access::kRead);
    call.num("exe_type", action).ptr("ppIndoubtData", data).ptr("pNumIndoubts", count);
    if (!call.proceed()) {
        return call.rc();
    }
    if (data == nullptr || count == nullptr) {
        return call.fail(code::kInvalidParameter,
                         {data == nullptr ? "ppIndoubtData" : "pNumIndoubts"});
    }
    if (action != SQLXA_EXE_THIS_NODE && action != kAllNodes) {
        return call.fail(code::kInvalidParameter, {"exe_type"});
    }
    std::optional<Connection> connection =
        Manager::get().connections().connectionOf(call.instance().contexts().current());
    if (!connection) {
        return call.fail(code::kNoConnection);
    }
    std::vector<IndoubtTransaction> all =
        IndoubtTransactions::get().xa(upperCase(connection->database));
    *count = static_cast<sqlint32>(all.size());
    *data = nullptr;
    if (!all.empty()) {
        auto* entries = static_cast<SQLXA_RECOVER*>(
            call.instance().memory().handOut(all.size() * sizeof(SQLXA_RECOVER)));
        std::string instance = upperCase(call.instance().name());
        for (size_t i = 0; i < all.size(); ++i) {
            IndoubtTransactions::fill(entries[i], all[i], instance);
        }
        *data = entries;
        call.pointee("ppIndoubtData", *data);
    }
    return call.succeed();
}

int listDrda(void** data, sqlint32* count, sqlca* ca) {
    ApiCall call("sqlcspqy", ca, CallKind::kAdmin, Access::kRead);
    call.ptr("ppIndoubtData", data).ptr("pNumIndoubts", count);
    if (!call.proceed()) {
        return call.rc();
    }
    if (data == nullptr || count == nullptr) {
        return call.fail(code::kInvalidParameter,
                         {data == nullptr ? "ppIndoubtData" : "pNumIndoubts"});
    }
    if (!Manager::get().started()) {
        return call.fail(code::kManagerNotStarted);
    }
    std::vector<IndoubtTransaction> all = IndoubtTransactions::get().drda();
    std::vector<SQLCSPQY_INDOUBT> entries(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        IndoubtTransactions::fill(entries[i], all[i]);
    }
    *count = static_cast<sqlint32>(all.size());
    *data = IndoubtTransactions::get().keepForContext(call.instance().contexts().current(),
                                                      std::move(entries));
    call.pointee("ppIndoubtData", *data);
    return call.succeed();
}

int listSpm(ApiCall& call, db2Uint32 version, void* parms) {
    auto* in = static_cast<db2SpmListIndTransStruct*>(parms);
    if (in == nullptr) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    call.ptr("piIndoubtData", in->piIndoubtData).num("iIndoubtDataLen", in->iIndoubtDataLen);
    if (version < kSpmVersion) {
        return call.fail(code::kInvalidParameter, {"versionNumber"});
    }
    if (in->piIndoubtData == nullptr && in->iIndoubtDataLen > 0) {
        return call.fail(code::kInvalidParameter, {"piIndoubtData"});
    }
    if (!Manager::get().started()) {
        return call.fail(code::kManagerNotStarted);
    }
    std::vector<IndoubtTransaction> all = IndoubtTransactions::get().drda();
    size_t room = in->iIndoubtDataLen / sizeof(db2SpmRecoverStruct);
    size_t returned = std::min(room, all.size());
    for (size_t i = 0; i < returned; ++i) {
        IndoubtTransactions::fill(in->piIndoubtData[i], all[i]);
    }
    in->oNumIndoubtsReturned = static_cast<db2Uint32>(returned);
    in->oNumIndoubtsTotal = static_cast<db2Uint32>(all.size());
    in->oReqBufferLen = static_cast<db2Uint32>(all.size() * sizeof(db2SpmRecoverStruct));
    call.num("oNumIndoubtsReturned", in->oNumIndoubtsReturned);
    call.num("oNumIndoubtsTotal", in->oNumIndoubtsTotal);
    return call.succeed();
}

const VersionedRegistration kSpmList("db2SpmListIndTrans", &listSpm, Access::kRead);

}  // namespace
}  // namespace db2sim

DB2SIM_EXPORT int sqlxphqr(int exe_type, void** ppIndoubtData, sqlint32* pNumIndoubts,
                           sqlca* pSqlca) {
    return db2sim::guarded(
        [&] { return db2sim::listXa(exe_type, ppIndoubtData, pNumIndoubts, pSqlca); });
}

DB2SIM_EXPORT int sqlcspqy(void** ppIndoubtData, sqlint32* pNumIndoubts, sqlca* pSqlca) {
    return db2sim::guarded([&] { return db2sim::listDrda(ppIndoubtData, pNumIndoubts, pSqlca); });
}
