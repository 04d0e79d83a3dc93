// The DB2 structures the library exchanges with the client library, declared from the published
// API reference, one header per area under structs/. Each structure's size and offsets are
// pinned beside it for LP64 and ILP32. Including this header includes every area.
#pragma once

#include "db2api/structs/autoconfig.h"
#include "db2api/structs/config.h"
#include "db2api/structs/createstart.h"
#include "db2api/structs/databasestate.h"
#include "db2api/structs/datamove.h"
#include "db2api/structs/directory.h"
#include "db2api/structs/fieldwidths.h"
#include "db2api/structs/maintenance.h"
#include "db2api/structs/media.h"
#include "db2api/structs/monitor.h"
#include "db2api/structs/recovery.h"
