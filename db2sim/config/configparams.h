// The configuration parameters the stand-in knows: token, name, type, width, default, range,
// whether it is read-only, whether it may be AUTOMATIC, and whether it belongs to the database
// manager or to a database. Tokens of the two scopes overlap (6 is numdb and maxappls), so a
// parameter is found by scope and token. An obsolete token and its successor share the name,
// and so the stored value; each writes the value at its own width.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace db2sim {

enum class CfgScope { kManager, kDatabase };

enum class CfgType { kString, kUint16, kSint16, kUint32, kSint32, kUint64 };

struct ConfigParam {
    CfgScope scope;
    unsigned token;
    const char* name;
    CfgType type;
    unsigned length;  // strings only: characters, without the terminating NUL
    const char* defaultValue;
    long long min;  // numbers only; inclusive
    long long max;
    bool readOnly;
    bool canBeAutomatic;
    bool automaticByDefault;
};

class ConfigParams {
  public:
    // The parameter of that scope and token, or null.
    static const ConfigParam* find(CfgScope scope, unsigned token);
    // The first parameter of that scope and name (the current token's entry comes first).
    static const ConfigParam* findByName(CfgScope scope, const std::string& name);
    static const std::vector<ConfigParam>& all();

    // Bytes DB2 writes for the parameter: a string's length plus its NUL, else the type's size.
    static size_t width(const ConfigParam& param);
};

}  // namespace db2sim
