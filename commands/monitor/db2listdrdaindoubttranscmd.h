// LIST DRDA INDOUBT TRANSACTIONS: the DRDA transactions the sync point manager holds in doubt,
// one row each. A client before 9.0 asks sqlcspqy (and an empty list gives no columns either);
// from 9.0 db2SpmListIndTrans fills a buffer this command sizes from DB2's own answer. Needs a
// database connection.
#pragma once

#include "commands/db2cmdbase.h"

class RowListing;

class CDB2ListDRDAIndoubtTransCmd : public CDB2CmdBase {
  public:
    // Entries asked of db2SpmListIndTrans at most: far more than a sync point manager holds.
    static constexpr std::size_t kMaxEntries = 100000;

    CDB2ListDRDAIndoubtTransCmd(const tarvinex::JavaObject& command,
                                const tarvinex::JavaObject& context,
                                const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    bool listBefore9();
    bool listFrom9();
    // Entries `from9` must make room for after DB2 answered the sizing call.
    static std::size_t entriesToAskFor(db2Uint32 total, db2Uint32 requiredBytes);

    bool version9 = true;  // the client is 9.0 or later
};
