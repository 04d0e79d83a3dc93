// Application contexts: sqleSetTypeCtx, sqleBeginCtx, sqleAttachToCtx, sqleDetachFromCtx,
// sqleGetCurrentCtx, sqleEndCtx. Each thread has at most one current context; any number of
// threads may attach to one context, and their calls on it run one at a time (ApiCall holds the
// context's call lock). Threads attach explicitly; the attachments count for the calls only in
// manual mode (see ContextPool).
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"

DB2SIM_CHECK_TYPE(sqleSetTypeCtx);
DB2SIM_CHECK_TYPE(sqleBeginCtx);
DB2SIM_CHECK_TYPE(sqleAttachToCtx);
DB2SIM_CHECK_TYPE(sqleDetachFromCtx);
DB2SIM_CHECK_TYPE(sqleGetCurrentCtx);
DB2SIM_CHECK_TYPE(sqleEndCtx);

namespace db2sim {
namespace {

constexpr sqlint32 kTrustedRoutine = 2;  // the third context type; accepted, treated as manual

// The error for a context the calling thread cannot attach, or 0 when it can.
int attachRefusal(ContextPool& pool, void* ctx) {
    if (!pool.isLive(ctx)) {
        return code::kContextInvalid;
    }
    return pool.threadContext() != nullptr ? code::kThreadHasContext : 0;
}

int setType(sqlint32 type) {
    ApiCall call("sqleSetTypeCtx", nullptr, CallKind::kNoSqlca, Access::kRead);
    call.num("lOptions", type);
    if (!call.proceed()) {
        return call.rc();
    }
    if (type < SQL_CTX_ORIGINAL || type > kTrustedRoutine) {
        return call.finish(code::kContextInvalid);
    }
    call.instance().contexts().setType(type);
    return call.finish(0);
}

int begin(void** ppCtx, sqlint32 options, void* reserved, sqlca* ca) {
    ApiCall call("sqleBeginCtx", ca, CallKind::kContext, Access::kRead);
    call.ptr("ppCtx", ppCtx).num("lOptions", options).ptr("reserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    ContextPool& pool = call.instance().contexts();
    bool attach = options == SQL_CTX_BEGIN_ALL;
    if (reserved != nullptr || (!attach && options != SQL_CTX_CREATE_ONLY) ||
        (!attach && ppCtx == nullptr)) {
        return call.fail(code::kContextInvalid);
    }
    if (attach && pool.threadContext() != nullptr) {
        return call.fail(code::kThreadHasContext);
    }
    void* ctx = pool.create();
    if (ctx == nullptr) {
        return call.fail(code::kNoMemory);
    }
    if (attach) {
        pool.attach(ctx);
    }
    if (ppCtx != nullptr) {
        *ppCtx = ctx;
    }
    call.out("*ppCtx", ctx);
    return call.succeed();
}

int attach(void* ctx, void* reserved, sqlca* ca) {
    ApiCall call("sqleAttachToCtx", ca, CallKind::kContext, Access::kRead);
    call.ptr("pCtx", ctx).ptr("reserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    ContextPool& pool = call.instance().contexts();
    int refusal = reserved != nullptr ? code::kContextInvalid : attachRefusal(pool, ctx);
    if (refusal != 0) {
        return call.fail(refusal);
    }
    pool.attach(ctx);
    return call.succeed();
}

int detach(void* ctx, void* reserved, sqlca* ca) {
    ApiCall call("sqleDetachFromCtx", ca, CallKind::kContext, Access::kRead);
    call.ptr("pCtx", ctx).ptr("reserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    ContextPool& pool = call.instance().contexts();
    if (reserved != nullptr || !pool.isLive(ctx)) {
        return call.fail(code::kContextInvalid);
    }
    if (pool.threadContext() != ctx) {
        return call.fail(code::kContextNotAttached);
    }
    pool.detach(ctx);
    return call.succeed();
}

int current(void** ppCtx, void* reserved, sqlca* ca) {
    ApiCall call("sqleGetCurrentCtx", ca, CallKind::kContext, Access::kRead);
    call.ptr("ppCtx", ppCtx).ptr("reserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    if (ppCtx == nullptr || reserved != nullptr) {
        return call.fail(code::kContextInvalid);
    }
    *ppCtx = call.instance().contexts().threadContext();
    call.out("*ppCtx", *ppCtx);
    return *ppCtx == nullptr ? call.fail(code::kNoContext) : call.succeed();
}

int end(void** ppCtx, sqlint32 options, void* reserved, sqlca* ca) {
    ApiCall call("sqleEndCtx", ca, CallKind::kContext, Access::kRead);
    call.ptr("ppCtx", ppCtx);
    if (ppCtx != nullptr) {
        call.ptr("*ppCtx", *ppCtx);
    }
    call.num("lOptions", options).ptr("reserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    ContextPool& pool = call.instance().contexts();
    bool optionValid = options == SQL_CTX_END_ALL || options == SQL_CTX_FREE_ONLY;
    if (ppCtx == nullptr || reserved != nullptr || !optionValid || !pool.isLive(*ppCtx)) {
        return call.fail(code::kContextInvalid);
    }
    if (!pool.end(*ppCtx, options == SQL_CTX_END_ALL)) {
        return call.fail(code::kContextInUse);
    }
    *ppCtx = nullptr;
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqleSetTypeCtx(sqlint32 lOptions) {
    return guarded([&] { return db2sim::setType(lOptions); });
}

DB2SIM_EXPORT int sqleBeginCtx(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* pSqlca) {
    return guarded([&] { return db2sim::begin(ppCtx, lOptions, reserved, pSqlca); });
}

DB2SIM_EXPORT int sqleAttachToCtx(void* pCtx, void* reserved, sqlca* pSqlca) {
    return guarded([&] { return db2sim::attach(pCtx, reserved, pSqlca); });
}

DB2SIM_EXPORT int sqleDetachFromCtx(void* pCtx, void* reserved, sqlca* pSqlca) {
    return guarded([&] { return db2sim::detach(pCtx, reserved, pSqlca); });
}

DB2SIM_EXPORT int sqleGetCurrentCtx(void** ppCtx, void* reserved, sqlca* pSqlca) {
    return guarded([&] { return db2sim::current(ppCtx, reserved, pSqlca); });
}

DB2SIM_EXPORT int sqleEndCtx(void** ppCtx, sqlint32 lOptions, void* reserved, sqlca* pSqlca) {
    return guarded([&] {
        // A call still running on the context finishes first; the lock comes before the
        // instance lock, as every call's does.
        std::unique_lock<std::mutex> calls;
        if (ppCtx != nullptr) {
            calls = db2sim::Instance::get().contexts().callLock(*ppCtx);
        }
        return db2sim::end(ppCtx, lOptions, reserved, pSqlca);
    });
}
