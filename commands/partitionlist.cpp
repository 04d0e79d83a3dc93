#include "commands/partitionlist.h"

#include <string>

#include "bridge/javacollection.h"
#include "commands/fieldnumber.h"
#include "commands/partitionrangetext.h"
#include "base/javaexception.h"

PartitionList::PartitionList() : nodeList{} {}

void PartitionList::clear() {
    values.clear();
    nodeList = db2LoadNodeList{};
    isPresent = false;
}

bool PartitionList::assign(const std::vector<long long>& numbers, const char* what, t_string& why) {
    clear();
    if (numbers.size() > kMaxCount) {
        why = t_string(what != nullptr ? what : "") + " holds more than " +
              std::to_string(kMaxCount) + " partitions";
        return false;
    }
    for (const long long number : numbers) {
        if (number < 0 || number > SQL_PDB_MAX_NODE_NUMBER) {
            why = FieldNumber::refusal(what, number, 0, SQL_PDB_MAX_NODE_NUMBER);
            values.clear();
            return false;
        }
        values.push_back(static_cast<SQL_PDB_NODE_TYPE>(number));
    }
    isPresent = true;
    return true;
}

bool PartitionList::parse(const t_string& text, const char* what, t_string& why) {
    clear();
    if (!PartitionRangeText::parse(text, what, kMaxCount, values, why)) {
        values.clear();
        return false;
    }
    isPresent = true;
    return true;
}

bool PartitionList::read(const tarvinex::JavaObject& collection, const char* what) {
    clear();
    const tarvinex::JavaCollection elements(collection);
    if (elements.isNull()) {
        return true;
    }
    std::vector<int> got;
    t_string why;
    switch (elements.readInts(got, kMaxCount)) {
        case tarvinex::JavaCollection::Walk::kJavaFailed:
            return false;
        case tarvinex::JavaCollection::Walk::kNullElement:
            why = t_string(what != nullptr ? what : "") + ": element " +
                  std::to_string(got.size() + 1) + " is null";
            break;
        case tarvinex::JavaCollection::Walk::kTooMany:
            why = t_string(what != nullptr ? what : "") + " holds more than " +
                  std::to_string(kMaxCount) + " partitions";
            break;
        case tarvinex::JavaCollection::Walk::kDone:
            if (assign(std::vector<long long>(got.begin(), got.end()), what, why)) {
                return true;
            }
            break;
    }
    ThrowJavaException(collection.getEnv(), why.c_str());
    return false;
}

SQL_PDB_NODE_TYPE* PartitionList::numbers() {
    return isPresent && !values.empty() ? values.data() : nullptr;
}

db2LoadNodeList* PartitionList::loadNodeList() {
    if (!isPresent) {
        return nullptr;
    }
    nodeList.piNodeList = numbers();
    nodeList.iNumNodes = static_cast<db2Uint16>(values.size());
    return &nodeList;
}
