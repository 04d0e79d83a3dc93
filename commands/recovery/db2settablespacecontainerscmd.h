// SET TABLESPACE CONTAINERS: redefines the containers of a table space during a redirected
// restore. The containers, their page counts and file flags are comma lists read in step; a
// page or file list shorter than the container list is refused, never read past.
#pragma once

#include <vector>

#include "commands/db2cmdbase.h"
#include "db2api/db2structs.h"

class CDB2SetTablespaceContainersCmd : public CDB2CmdBase {
  public:
    CDB2SetTablespaceContainersCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // The container entries of the three texts; false with the refusal in `why`. Without page
    // counts every container is a path; with them each needs its page count and file flag
    // ("true" in any case: a file, else a device).
    static bool containerData(const t_string& names, const t_string& pages, const t_string& files,
                              std::vector<SQLB_TBSCONTQRY_DATA>& out, t_string& why);

  private:
    bool ignore = false;
    sqluint32 tablespaceId = 0;
    std::vector<SQLB_TBSCONTQRY_DATA> containers;
};
