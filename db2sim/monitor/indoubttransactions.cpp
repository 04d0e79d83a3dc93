#include "db2sim/monitor/indoubttransactions.h"

#include <algorithm>
#include <cstring>

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"

namespace db2sim {
namespace {

constexpr size_t kMaxGtrid = 64;
constexpr int32_t kFormatId = 0x44534D42;  // the stand-in's own XID format: "DSMB"
constexpr const char* kPartner = "SIMNET.PARTNER";

// Copies `text` into a fixed field, cut at its width and blank-padded, no terminator.
template <size_t N>
void putBlanked(char (&field)[N], const std::string& text) {
    std::memset(field, ' ', N);
    std::memcpy(field, text.data(), std::min(text.size(), N));
}

// Copies `text` into a field that DB2 terminates: at most N - 1 bytes, NUL-padded.
template <size_t N>
void putTerminated(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

void fillXid(SQLXA_XID& xid, const IndoubtTransaction& t) {
    std::memset(&xid, 0, sizeof(xid));
    xid.formatID = kFormatId;
    xid.gtrid_length = static_cast<sqlint32>(t.gtrid.size());
    xid.bqual_length = 0;
    std::memcpy(xid.data, t.gtrid.data(), std::min(t.gtrid.size(), sizeof(xid.data)));
}

std::string luwid(const IndoubtTransaction& t) {
    return "SIMNET.DB2SIM." + std::to_string(100000 + t.number);
}

std::string correlationToken(const IndoubtTransaction& t) {
    return "CT" + std::to_string(t.timestamp) + "." + std::to_string(t.number);
}

template <class Entry>
void fillDrda(Entry& entry, const IndoubtTransaction& t) {
    std::memset(&entry, 0, sizeof(entry));
    fillXid(entry.xid, t);
    putTerminated(entry.luwid, luwid(t));
    putTerminated(entry.corrtok, correlationToken(t));
    putTerminated(entry.partner, kPartner);
    putTerminated(entry.dbname, t.database);
    putTerminated(entry.dbalias, t.alias);
    entry.role = SQLCSPQY_AS;
    entry.uow_status = SQLCSPQY_STATUS_IDB;
    entry.partner_status = SQLCSPQY_STATUS_IDB;
}

}  // namespace

IndoubtTransactions& IndoubtTransactions::get() {
    static NoDestructor<IndoubtTransactions> transactions;
    return transactions.get();
}

IndoubtTransactions::IndoubtTransactions() {
    Instance& instance = Instance::get();
    instance.addResetHook([this] { clear(); });
    instance.contexts().onFree([this](void* ctx) {
        std::lock_guard<std::mutex> guard(lock_);
        kept_.erase(ctx);
    });
}

void IndoubtTransactions::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    xa_.clear();
    drda_.clear();
    kept_.clear();
}

bool IndoubtTransactions::add(bool drda, IndoubtTransaction transaction) {
    if (transaction.gtrid.empty() || transaction.gtrid.size() > kMaxGtrid) {
        return false;
    }
    std::lock_guard<std::mutex> guard(lock_);
    transaction.number = ++last_;
    (drda ? drda_ : xa_).push_back(std::move(transaction));
    return true;
}

std::vector<IndoubtTransaction> IndoubtTransactions::xa(const std::string& database) const {
    std::vector<IndoubtTransaction> found;
    std::lock_guard<std::mutex> guard(lock_);
    std::copy_if(xa_.begin(), xa_.end(), std::back_inserter(found),
                 [&](const IndoubtTransaction& t) { return t.database == database; });
    return found;
}

std::vector<IndoubtTransaction> IndoubtTransactions::drda() const {
    std::lock_guard<std::mutex> guard(lock_);
    return drda_;
}

SQLCSPQY_INDOUBT* IndoubtTransactions::keepForContext(const void* ctx,
                                                      std::vector<SQLCSPQY_INDOUBT> entries) {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<SQLCSPQY_INDOUBT>& kept = kept_[ctx];
    kept = std::move(entries);
    return kept.empty() ? nullptr : kept.data();
}

void IndoubtTransactions::fill(SQLXA_RECOVER& entry, const IndoubtTransaction& t,
                               const std::string& instance) {
    std::memset(&entry, 0, sizeof(entry));
    entry.timestamp = static_cast<sqluint32>(t.timestamp);
    fillXid(entry.xid, t);
    putBlanked(entry.dbalias, t.alias);
    std::string number = std::to_string(t.number);
    putBlanked(entry.applid, "*LOCAL." + instance + ".XA" + number);
    putBlanked(entry.sequence_no, "0001");
    putBlanked(entry.auth_id, t.authid);
    entry.log_full = 'n';
    entry.connected = 'n';
    entry.indoubt_status = SQLXA_TS_PREP;
    entry.originator = SQLXA_ORIG_FXA;
}

void IndoubtTransactions::fill(SQLCSPQY_INDOUBT& entry, const IndoubtTransaction& t) {
    fillDrda(entry, t);
}

void IndoubtTransactions::fill(db2SpmRecoverStruct& entry, const IndoubtTransaction& t) {
    fillDrda(entry, t);
}

}  // namespace db2sim
