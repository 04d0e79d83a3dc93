#include "db2sim/database/dbopsdatabases.h"

#include "db2sim/core/apicall.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"

namespace db2sim {
namespace {

constexpr size_t kAliasLimit = 8;

}  // namespace

std::string aliasParameter(const char* alias) {
    return withoutTrailingBlanks(readParameter(alias, kAliasLimit));
}

bool callerConnected(ApiCall& call) {
    void* ctx = call.instance().contexts().current();
    return ctx != nullptr && Manager::get().connections().connectionOf(ctx).has_value();
}

std::string releaseOf(const std::string& product) {
    return product.size() >= 7 ? product.substr(3, 4) : product;
}

int warn(ApiCall& call, int sqlcode, const std::vector<std::string>& tokens) {
    return call.fail(sqlcode, tokens);
}

}  // namespace db2sim
