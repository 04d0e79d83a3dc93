// The column selection of import, load and export (sqldcol), owned with everything it points to:
// the name copies of method N and the location table of method L. The descriptor's address and
// its pointers stay valid until the next build or the owner's end.
//
// Built from one comma list:
//   locations  'L', "1 10, 12 20": dcolnum pairs through dcolname[0].dcolnptr (dcolnlen 0)
//   names      'N', "A,B": dcolnum entries, each a copy of the item as it stands
//   positions  'P', "3, 5": dcolnum entries whose dcolnlen is the position
//   default    'D': DB2's order, dcolnum 0
// dcolnum is a 16-bit field: a list of more than 32767 items is refused, as are numbers that are
// not numbers or do not fit 16 bits, with a message naming the list.
#pragma once

#include <memory>
#include <vector>

#include "db2api/db2structs.h"
#include "base/stdafx.h"

class ColumnDescriptor {
  public:
    ColumnDescriptor();
    ColumnDescriptor(const ColumnDescriptor&) = delete;
    ColumnDescriptor& operator=(const ColumnDescriptor&) = delete;

    bool buildLocations(const t_string& commaList, const char* what, t_string& why);
    bool buildNames(const t_string& commaList, const char* what, t_string& why);
    bool buildPositions(const t_string& commaList, const char* what, t_string& why);
    void buildDefault();
    // The first method asked for, in the order locations, names, positions; else 'D'.
    bool buildChosen(bool byLocations, const t_string& locationList, bool byNames,
                     const t_string& nameList, bool byPositions, const t_string& positionList,
                     t_string& why);

    // The descriptor to pass to DB2; never null ('D' until something else is built).
    sqldcol* get() { return reinterpret_cast<sqldcol*>(block.get()); }
    const sqldcol& view() const { return *reinterpret_cast<const sqldcol*>(block.get()); }
    // How many columns DB2 will read per record: dcolnum.
    std::size_t columns() const { return static_cast<std::size_t>(view().dcolnum); }

  private:
    // A zeroed descriptor of `count` entries with the method set; false when count is too big.
    bool allocate(sqlint16 method, std::size_t count, const char* what, t_string& why);

    std::unique_ptr<unsigned char[]> block;
    std::vector<std::vector<char>> names;
    std::vector<sqllocpair> locations;
};
