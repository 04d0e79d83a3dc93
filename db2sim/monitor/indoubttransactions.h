// Transactions left in doubt by two-phase commit: XA transactions of a database (listed by
// sqlxphqr) and DRDA transactions of the sync point manager (listed by sqlcspqy and
// db2SpmListIndTrans). Nothing in the stand-in leaves a transaction in doubt, so tests make them
// through the control interface; they live in memory and a reset forgets them.
//
// sqlcspqy hands out entries the caller never frees, so the stand-in keeps each context's last
// list until its next call or the end of the context.
//
// The lists have a lock of their own (an area lock).
#pragma once

#include <ctime>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "db2api/db2structs.h"

namespace db2sim {

struct IndoubtTransaction {
    std::string database;  // name, upper case
    std::string alias;     // upper case
    std::string gtrid;     // global transaction id, 1-64 bytes
    std::string authid;    // upper case
    std::time_t timestamp = 0;
    long number = 0;  // in order of creation, from 1
};

class IndoubtTransactions {
  public:
    static IndoubtTransactions& get();

    // Adds one; false for a gtrid outside 1-64 bytes.
    bool add(bool drda, IndoubtTransaction transaction);
    // XA transactions of one database (name, upper case).
    std::vector<IndoubtTransaction> xa(const std::string& database) const;
    std::vector<IndoubtTransaction> drda() const;

    // Keeps `entries` for the context until its next list or its end; returns them.
    SQLCSPQY_INDOUBT* keepForContext(const void* ctx, std::vector<SQLCSPQY_INDOUBT> entries);

    static void fill(SQLXA_RECOVER& entry, const IndoubtTransaction& t,
                     const std::string& instance);
    static void fill(SQLCSPQY_INDOUBT& entry, const IndoubtTransaction& t);
    static void fill(db2SpmRecoverStruct& entry, const IndoubtTransaction& t);

  private:
    IndoubtTransactions();
    void clear();

    mutable std::mutex lock_;
    std::vector<IndoubtTransaction> xa_;
    std::vector<IndoubtTransaction> drda_;
    long last_ = 0;
    std::map<const void*, std::vector<SQLCSPQY_INDOUBT>> kept_;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
