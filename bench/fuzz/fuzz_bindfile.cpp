// The stand-in's bind file reader: an accepted file is exactly what writing its contents back
// gives, with names DB2 would take; anything else is refused without touching the result.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "db2sim/maintenance/bindfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    db2sim::BindFile file;
    file.package = "UNTOUCHED";
    if (!db2sim::BindFile::parse(text, file)) {
        if (file.package != "UNTOUCHED") {
            std::abort();
        }
        return 0;
    }
    if (!db2sim::BindFile::validPackageName(file.package) ||
        (!file.schema.empty() && !db2sim::BindFile::validSchemaName(file.schema)) ||
        file.statements.size() > db2sim::BindFile::kMaxStatements || file.serialize() != text) {
        std::abort();
    }
    return 0;
}
