#include "commands/datamove/columndescriptor.h"

#include <cstddef>
#include <limits>

#include "commands/delimitedtext.h"
#include "commands/digittext.h"
#include "commands/locationpairs.h"

namespace {

std::size_t blockSize(std::size_t count) {
    const std::size_t entries = offsetof(sqldcol, dcolname) + count * sizeof(sqldcoln);
    return entries < sizeof(sqldcol) ? sizeof(sqldcol) : entries;
}

}  // namespace

ColumnDescriptor::ColumnDescriptor() {
    buildDefault();
}

void ColumnDescriptor::buildDefault() {
    t_string unused;
    allocate(SQL_METH_D, 0, "", unused);
}

bool ColumnDescriptor::allocate(sqlint16 method, std::size_t count, const char* what,
                                t_string& why) {
    names.clear();
    locations.clear();
    const bool fits = count <= static_cast<std::size_t>(std::numeric_limits<sqlint16>::max());
    if (!fits) {
        why = t_string(what) + " has " + std::to_string(count) + " columns, more than 32767";
        method = SQL_METH_D;
        count = 0;
    }
    block = std::make_unique<unsigned char[]>(blockSize(count));
    get()->dcolmeth = method;
    get()->dcolnum = static_cast<sqlint16>(count);
    return fits;
}

bool ColumnDescriptor::buildLocations(const t_string& commaList, const char* what, t_string& why) {
    std::vector<LocationPair> pairs;
    if (!LocationPairs::parse(commaList, what, pairs, why) ||
        !allocate(SQL_METH_L, pairs.size(), what, why)) {
        buildDefault();
        return false;
    }
    for (const LocationPair& pair : pairs) {
        locations.push_back(sqllocpair{pair.begin, pair.end});
    }
    get()->dcolname[0].dcolnptr =
        locations.empty() ? nullptr : reinterpret_cast<char*>(locations.data());
    return true;
}

bool ColumnDescriptor::buildNames(const t_string& commaList, const char* what, t_string& why) {
    const std::vector<t_string> items = DelimitedText::split(commaList);
    if (!allocate(SQL_METH_N, items.size(), what, why)) {
        buildDefault();
        return false;
    }
    for (const t_string& item : items) {
        if (item.size() > static_cast<std::size_t>(std::numeric_limits<sqlint16>::max())) {
            why = t_string(what) + " holds a name longer than 32767 characters";
            buildDefault();
            return false;
        }
        names.emplace_back(item.begin(), item.end());
        names.back().push_back('\0');
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        get()->dcolname[i].dcolnlen = static_cast<sqlint16>(names[i].size() - 1);
        get()->dcolname[i].dcolnptr = names[i].data();
    }
    return true;
}

bool ColumnDescriptor::buildPositions(const t_string& commaList, const char* what, t_string& why) {
    std::vector<sqlint16> positions;
    if (!DigitText::parseList(commaList, what, positions, why) ||
        !allocate(SQL_METH_P, positions.size(), what, why)) {
        buildDefault();
        return false;
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        get()->dcolname[i].dcolnlen = positions[i];
    }
    return true;
}

bool ColumnDescriptor::buildChosen(bool byLocations, const t_string& locationList, bool byNames,
                                   const t_string& nameList, bool byPositions,
                                   const t_string& positionList, t_string& why) {
    if (byLocations) {
        return buildLocations(locationList, "column location list", why);
    }
    if (byNames) {
        return buildNames(nameList, "column name list", why);
    }
    if (byPositions) {
        return buildPositions(positionList, "column position list", why);
    }
    buildDefault();
    return true;
}
