#include "commands/database/tablespaceblock.h"

#include <algorithm>
#include <cstddef>

#include "commands/fixedfield.h"

namespace {

// Java codes of $EnumTablespaceType and $EnumContainerType.
constexpr int kSystemManaged = 0;
constexpr int kDatabaseManaged = 1;
constexpr int kFileContainer = 0;
constexpr int kDeviceContainer = 1;

char tablespaceTypeOf(int code) {
    if (code == kSystemManaged) {
        return SQL_TBS_TYP_SMS;
    }
    return code == kDatabaseManaged ? SQL_TBS_TYP_DMS : SQL_TBS_TYP_AUTO;
}

char containerTypeOf(int code) {
    if (code == kFileContainer) {
        return SQL_TBSC_TYP_FILE;
    }
    return code == kDeviceContainer ? SQL_TBSC_TYP_DEV : SQL_TBSC_TYP_PATH;
}

bool pending(const tarvinex::JavaObject& object) {
    return object.getEnv() != nullptr && object.getEnv()->ExceptionCheck() == JNI_TRUE;
}

}  // namespace

std::size_t TablespaceBlock::sizeFor(int n) {
    return offsetof(SQLETSDESC, containr) + static_cast<std::size_t>(n) * sizeof(SQLETSCDESC);
}

TablespaceBlock::Outcome TablespaceBlock::Read(const tarvinex::JavaObject& definition,
                                               const t_string& className) {
    block.reset();
    const tarvinex::JavaObject containers = definition.callCollectionMethod("getContainers");
    if (pending(definition)) {
        return Outcome::Built;  // the caller sees the exception
    }
    if (containers.isNull()) {
        return Outcome::NoCollection;
    }
    const int n = containers.callintMethod("size");
    if (pending(definition)) {
        return Outcome::Built;
    }
    if (n < 0 || n > kMaxContainers) {
        return Outcome::TooManyContainers;
    }
    if (!allocate(n)) {
        return Outcome::TooManyContainers;
    }
    readHeader(definition, className, n);
    readContainers(containers, className, n);
    if (pending(definition)) {
        block.reset();
    }
    return Outcome::Built;
}

bool TablespaceBlock::allocate(int n) {
    // calloc: zeroed, and aligned for the header's doubles.
    block.reset(static_cast<SQLETSDESC*>(std::calloc(1, sizeFor(n))));
    return block != nullptr;
}

void TablespaceBlock::readHeader(const tarvinex::JavaObject& definition, const t_string& className,
                                 int n) {
    SQLETSDESC& header = *block;
    copyEyeCatcher(header.sqltsdid, SQLE_DBTSDESC_1);
    header.sqlextnt = definition.callIntegerMethod("getExtentSize", 0);
    header.sqlprftc = definition.callIntegerMethod("getPrefetchSize", 0);
    header.sqlpovhd = definition.callDoubleMethod("getIoOverhead", 0.0);
    header.sqltrfrt = definition.callDoubleMethod("getTransferRate", 0.0);
    const t_string enumClass = className + "$EnumTablespaceType";
    header.sqltstyp =
        tablespaceTypeOf(definition.getEnumValue("getTablespaceType", enumClass.c_str(), 0));
    header.sqlccnt = static_cast<sqlint16>(n);
}

void TablespaceBlock::readContainers(const tarvinex::JavaObject& containers,
                                     const t_string& className, int n) {
    const tarvinex::JavaObject iterator = containers.getCollectionIterator();
    const t_string containerClass = className + "$ContainerDefinition";
    for (int i = 0; i < n; ++i) {
        if (pending(containers) || iterator.callboolMethod("hasNext") != JNI_TRUE) {
            return;
        }
        const tarvinex::JavaObject element = iterator.getChildObject("next", "java/lang/Object");
        const tarvinex::JavaObject container(element, containerClass.c_str());
        readContainer(container, className, entryAt(i));
    }
}

void TablespaceBlock::readContainer(const tarvinex::JavaObject& container,
                                    const t_string& className, SQLETSCDESC& entry) const {
    if (block->sqltstyp == SQL_TBS_TYP_DMS) {
        entry.sqlcsize = container.callIntegerMethod("getSize", 0);
        const t_string enumClass = className + "$EnumContainerType";
        entry.sqlctype =
            containerTypeOf(container.getEnumValue("getContainerType", enumClass.c_str(), 0));
    } else {
        entry.sqlctype = SQL_TBSC_TYP_PATH;
    }
    const t_string name = container.callStringMethod("getName");
    copyToField(entry.sqlcontr, name);
    entry.sqlclen = static_cast<sqlint16>(std::min(name.size(), SQLB_MAX_CONTAIN_NAME_SZ - 1));
}

SQLETSCDESC& TablespaceBlock::entryAt(int i) {
    // Entries run past the one the declaration shows; address them within the block itself.
    unsigned char* base = reinterpret_cast<unsigned char*>(block.get());
    return *reinterpret_cast<SQLETSCDESC*>(base + sizeFor(i));
}
