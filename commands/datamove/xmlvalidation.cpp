#include "commands/datamove/xmlvalidation.h"

#include "commands/delimitedtext.h"
#include "commands/schemapairs.h"

XmlValidation::XmlValidation() : validate{}, xds{}, schemaArgs{} {}

bool XmlValidation::build(bool usingXds, const t_string& schema, const t_string& ignoreList,
                          const t_string& mapList, t_string& why) {
    validate = db2DMUXmlValidate{};
    if (usingXds) {
        validate.iUsing = DB2DMU_XMLVAL_XDS;
        validate.piXdsArgs = &xds;
        return buildXds(schema, ignoreList, mapList, why);
    }
    if (schema.empty()) {
        validate.iUsing = DB2DMU_XMLVAL_SCHEMALOC_HINTS;
        return true;
    }
    validate.iUsing = DB2DMU_XMLVAL_SCHEMA;
    if (!schemaText.assign({schema}, "XML schema", why)) {
        return false;
    }
    schemaArgs.piSchema = &schemaText.at(0);
    validate.piSchemaArgs = &schemaArgs;
    return true;
}

bool XmlValidation::buildXds(const t_string& schema, const t_string& ignoreList,
                             const t_string& mapList, t_string& why) {
    xds = db2DMUXmlValidateXds{};
    std::vector<SchemaPair> pairs;
    if (!SchemaPairs::parse(mapList, "XML schema map list", pairs, why)) {
        return false;
    }
    std::vector<t_string> texts;
    for (const SchemaPair& pair : pairs) {
        texts.push_back(pair.from);
        texts.push_back(pair.to);
    }
    if (!mapTexts.assign(texts, "XML schema map list", why) ||
        !ignored.assign(DelimitedText::split(ignoreList), "XML ignore schema list", why)) {
        return false;
    }
    if (!schema.empty()) {
        if (!schemaText.assign({schema}, "XML default schema", why)) {
            return false;
        }
        xds.piDefaultSchema = &schemaText.at(0);
    }
    xds.iNumIgnoreSchemas = static_cast<db2Uint32>(ignored.size());
    xds.piIgnoreSchemas = ignored.data();
    maps.assign(pairs.size(), db2DMUXmlMapSchema{});
    for (std::size_t i = 0; i < maps.size(); ++i) {
        maps[i].iMapFromSchema = mapTexts.at(2 * i);
        maps[i].iMapToSchema = mapTexts.at(2 * i + 1);
    }
    xds.iNumMapSchemas = static_cast<db2Uint32>(maps.size());
    xds.piMapSchemas = maps.empty() ? nullptr : maps.data();
    return true;
}
