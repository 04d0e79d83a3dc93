// One table space definition for CREATE DATABASE: an SQLETSDESC header followed by its
// containers, in a single zeroed block that this object owns.
#pragma once

#include <cstdlib>
#include <memory>

#include "bridge/javaobject.h"
#include "db2api/db2structs.h"

class TablespaceBlock {
  public:
    // More containers than sqlccnt can count are refused.
    static constexpr int kMaxContainers = 32767;

    enum class Outcome { Built, NoCollection, TooManyContainers };

    TablespaceBlock() = default;

    // Reads a DB2CommandCreateDatabase$TablespaceDefinition. `className` is the command's class
    // name; the nested classes are named from it. Anything but Built leaves no block, and so
    // does a Java failure (the exception stays pending for the caller).
    Outcome Read(const tarvinex::JavaObject& definition, const t_string& className);

    // The block, or null when there is none.
    SQLETSDESC* get() const { return block.get(); }
    void reset() { block.reset(); }

    // Bytes in a block of n containers.
    static std::size_t sizeFor(int n);

  private:
    struct FreeBlock {
        void operator()(SQLETSDESC* p) const { std::free(p); }
    };

    bool allocate(int n);
    void readHeader(const tarvinex::JavaObject& definition, const t_string& className, int n);
    void readContainers(const tarvinex::JavaObject& containers, const t_string& className, int n);
    void readContainer(const tarvinex::JavaObject& container, const t_string& className,
                       SQLETSCDESC& entry) const;
    SQLETSCDESC& entryAt(int i);

    std::unique_ptr<SQLETSDESC, FreeBlock> block;
};
