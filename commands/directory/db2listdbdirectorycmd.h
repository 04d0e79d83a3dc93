// LIST DB DIRECTORY: every entry of the system database directory as one row of seven columns.
// Runs on a context of its own; needs no attachment or connection.
#pragma once

#include <string>
#include <string_view>

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

struct sqledinfo;
class RowListing;

class CDB2ListDBDirectoryCmd : public CDB2CmdBase {
  public:
    CDB2ListDBDirectoryCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    // Fetches and writes the `count` entries announced at open; false when the scan ended early
    // or failed.
    bool listEntries(unsigned short handle, unsigned short count, RowListing& listing);
    // False once the listing has stopped.
    bool writeRow(const sqledinfo& entry, RowListing& listing);
    // The node name column: drive for an indirect entry, the instance for a home entry.
    std::string_view nodeColumn(const sqledinfo& entry);
    // The current instance (at most 8 characters), asked once per listing; "" when DB2 fails.
    const std::string& instanceName();

    PrivateAPIContext ctx;
    std::string instance;
    bool instanceKnown = false;
};
