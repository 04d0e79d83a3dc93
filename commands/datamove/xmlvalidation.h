// Import's XMLVALIDATE clause (version 9 and later), owned with everything it points to:
//   USING XDS (1)                  the default schema (when given), the schemas to ignore and
//                                  the schema mappings "(a,b),(c,d)"
//   USING SCHEMA (2)               the one schema, when no XDS is asked and a schema is given
//   USING SCHEMALOCATION HINTS (3) neither
// A malformed mapping text is refused with a message naming the list (SchemaPairs).
#pragma once

#include <vector>

#include "commands/db2charlist.h"
#include "db2api/db2structs.h"
#include "base/stdafx.h"

class XmlValidation {
  public:
    XmlValidation();
    XmlValidation(const XmlValidation&) = delete;
    XmlValidation& operator=(const XmlValidation&) = delete;

    bool build(bool usingXds, const t_string& schema, const t_string& ignoreList,
               const t_string& mapList, t_string& why);

    db2DMUXmlValidate* get() { return &validate; }

  private:
    bool buildXds(const t_string& schema, const t_string& ignoreList, const t_string& mapList,
                  t_string& why);

    db2DMUXmlValidate validate;
    db2DMUXmlValidateXds xds;
    db2DMUXmlValidateSchema schemaArgs;
    DB2CharList schemaText;
    DB2CharList ignored;
    DB2CharList mapTexts;  // from, to, from, to, ...
    std::vector<db2DMUXmlMapSchema> maps;
};
