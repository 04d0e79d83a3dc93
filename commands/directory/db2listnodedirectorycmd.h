// LIST_NODE_DIRECTORY: one row per node directory entry, six columns, nine with showDetail.
// Runs on a private context; the scan is closed on every path once it was opened.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/db2structs.h"

class RowListing;

class CDB2ListNodeDirectoryCmd : public CDB2CmdBase {
  public:
    CDB2ListNodeDirectoryCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // The names the listing prints for a protocol byte and an operating system code.
    static const char* protocolName(unsigned char protocol);
    static const char* osTypeName(unsigned short osType);

  private:
    int columnCount() const;
    // Reads `count` entries; false at an early end (no exception) or a failure (exception).
    bool listEntries(unsigned short handle, unsigned short count, RowListing& listing);
    // False once the listing has stopped.
    bool addRow(const sqleninfo& entry, RowListing& listing);

    PrivateAPIContext ctx;
    bool admin = false;
    bool showDetail = false;
};
