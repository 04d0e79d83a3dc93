#include "db2sim/dbopsdatabases.h"

#include "db2sim/apicall.h"
#include "db2sim/directoriesfields.h"
#include "db2sim/instance.h"
#include "db2sim/manager.h"

namespace db2sim {
namespace {

constexpr size_t kAliasLimit = 8;

}  // namespace

std::string aliasParameter(const char* alias) {
    return withoutTrailingBlanks(readParameter(alias, kAliasLimit));
}

bool callerConnected(ApiCall& call) {
    void* ctx = call.instance().contexts().current();
    return ctx != nullptr && Manager::get().connections().connectionOf(ctx) != nullptr;
}

std::string releaseOf(const std::string& product) {
    return product.size() >= 7 ? product.substr(3, 4) : product;
}

int warn(ApiCall& call, int sqlcode, const std::vector<std::string>& tokens) {
    return call.fail(sqlcode, tokens);
}

}  // namespace db2sim
