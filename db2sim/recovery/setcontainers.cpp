// sqlbstsc: sets the containers of one table space of the database a redirected restore of the
// calling context is putting back, between the restore's start and its continue. The new
// containers replace the table space's in the image's table space file before it is written.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/pendingrestores.h"
#include "db2sim/recovery/recoverycodes.h"
#include "db2sim/recovery/recoveryjournal.h"

DB2SIM_CHECK_TYPE(sqlbstsc);

namespace db2sim {
namespace {

constexpr sqluint32 kMaxContainers = 256;
const char* const kDefaultTablespaces[] = {"SYSCATSPACE", "TEMPSPACE1", "USERSPACE1"};

struct Container {
    char type;  // 'P' path, 'D' device, 'F' file
    sqluint32 pages;
    std::string name;
};

std::string describe(const SQLB_TBSCONTQRY_DATA* data, sqluint32 count) {
    if (data == nullptr) {
        return "null";
    }
    std::string text = "[";
    for (sqluint32 i = 0; i < count && i < RecoveryJournal::kShown; ++i) {
        const SQLB_TBSCONTQRY_DATA& c = data[i];
        text += (i > 0 ? "," : "") + std::to_string(c.contType) + ":" +
                std::to_string(c.totalPages) + ":" +
                std::string(c.name, strnlen(c.name, sizeof(c.name)));
    }
    return text + (count > RecoveryJournal::kShown ? ",...]" : "]");
}

// The new containers, checked; false names the argument at fault.
bool readContainers(const SQLB_TBSCONTQRY_DATA* data, sqluint32 count, std::vector<Container>& out,
                    const char*& fault) {
    fault = data == nullptr ? "pContainerData" : "NumContainers";
    if (data == nullptr || count == 0 || count > kMaxContainers) {
        return false;
    }
    fault = "pContainerData";
    for (sqluint32 i = 0; i < count; ++i) {
        std::string name;
        const SQLB_TBSCONTQRY_DATA& c = data[i];
        if (!readTerminated(c.name, sizeof(c.name), name) || name.empty() || c.contType > 2 ||
            (c.contType != SQLB_CONT_PATH && c.totalPages == 0)) {
            return false;
        }
        const char types[] = {'P', 'D', 'F'};
        out.push_back(Container{types[c.contType], c.totalPages, name});
    }
    return true;
}

// The table space file of the image, made from DB2's three table spaces when it had none.
ImageFile& tablespaceFile(BackupImage& image) {
    for (ImageFile& file : image.files) {
        if (file.prefix == "tablespaces/" && file.suffix.empty()) {
            return file;
        }
    }
    ImageFile made{"tablespaces/", "", ""};
    for (const char* name : kDefaultTablespaces) {
        made.content += joinRecord({name, "S", "", "", ""}) + "\n";
    }
    image.files.push_back(std::move(made));
    return image.files.back();
}

// Rewrites the file with the containers of the table space of id `id` (its place in the file);
// false when there is none.
bool replaceContainers(ImageFile& file, sqluint32 id, const std::vector<Container>& containers) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> order;
    std::istringstream in(file.content);
    for (std::string line; std::getline(in, line);) {
        rows.push_back(splitRecord(line));
        if (rows.back().size() >= 5 &&
            std::find(order.begin(), order.end(), rows.back()[0]) == order.end()) {
            order.push_back(rows.back()[0]);
        }
    }
    if (id >= order.size()) {
        return false;
    }
    const std::string& target = order[id];
    std::string text;
    bool written = false;
    for (const std::vector<std::string>& row : rows) {
        if (row.size() < 5 || row[0] != target) {
            text += joinRecord(row) + "\n";
            continue;
        }
        if (written) {
            continue;
        }
        written = true;
        char type = containers.front().type == 'P' ? 'S' : 'D';
        text += joinRecord({target, std::string(1, type), "", "", ""}) + "\n";
        for (const Container& c : containers) {
            text += joinRecord({target, std::string(1, type), std::string(1, c.type),
                                std::to_string(c.pages), c.name}) +
                    "\n";
        }
    }
    file.content = text;
    return true;
}

int setContainers(sqlca* ca, sqluint32 options, sqluint32 id, sqluint32 count,
                  SQLB_TBSCONTQRY_DATA* data) {
    ApiCall call("sqlbstsc", ca);
    call.num("SetContainerOptions", options).num("TablespaceId", id);
    call.num("NumContainers", count).ptr("pContainerData", data);
    call.text("containers", describe(data, count).c_str());
    if (!call.proceed()) {
        return call.rc();
    }
    if (options != SQLB_SET_CONT_INIT_STATE && options != SQLB_SET_CONT_FINAL_STATE) {
        return call.fail(code::kInvalidParameter, {"SetContainerOptions"});
    }
    std::vector<Container> containers;
    const char* fault = nullptr;
    if (!readContainers(data, count, containers, fault)) {
        return call.fail(code::kInvalidParameter, {fault});
    }
    PendingRestore* restore =
        PendingRestores::get().redirected(call.instance().contexts().current());
    if (restore == nullptr) {
        return call.fail(code::kCallOutOfSequence);
    }
    if (!replaceContainers(tablespaceFile(restore->image), id, containers)) {
        return call.fail(code::kInvalidParameter, {"TablespaceId"});
    }
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

DB2SIM_EXPORT int sqlbstsc(sqlca* pSqlca, sqluint32 SetContainerOptions, sqluint32 TablespaceId,
                           sqluint32 NumContainers, void* pContainerData) {
    return db2sim::guarded([&] {
        return db2sim::setContainers(pSqlca, SetContainerOptions, TablespaceId, NumContainers,
                                     static_cast<SQLB_TBSCONTQRY_DATA*>(pContainerData));
    });
}
