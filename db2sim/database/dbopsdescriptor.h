// Reading sqlecrea's database descriptor and territory: checks each field as DB2 does before
// anything is created, and renders it for the journal so tests can see what the caller sent.
#pragma once

#include <string>
#include <vector>

#include "db2api/db2structs.h"

namespace db2sim {

struct ContainerRequest {
    char type = 0;
    int pages = 0;
    std::string name;
};

struct TablespaceRequest {
    std::string name;  // SYSCATSPACE, USERSPACE1, TEMPSPACE1
    char type = SQL_TBS_TYP_SMS;
    std::vector<ContainerRequest> containers;
};

// What a create will record once every check passed.
struct CreateRequest {
    std::string comment;
    std::string codeset = "UTF-8";
    std::string territory = "US";
    int codepage = 1208;
    std::vector<TablespaceRequest> tablespaces;
};

// Journal text of the descriptor and of one table space block ("null" for a null pointer).
std::string describeDescriptor(const sqledbdesc* desc);
std::string describeTablespace(const SQLETSDESC* block);
std::string describeTerritory(const sqledbterritoryinfo* info);

// The reason token of the first field DB2 would refuse (see dbopscodes.h), or null; fills
// `request` from a descriptor and territory that pass. Null pointers mean DB2's defaults.
const char* readCreateRequest(const sqledbdesc* desc, const sqledbterritoryinfo* info,
                              CreateRequest& request);

}  // namespace db2sim
