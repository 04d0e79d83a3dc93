#include "commands/datamove/partitionedload.h"

#include "commands/database/nullabletext.h"
#include "commands/digittext.h"
#include "commands/fieldnumber.h"
#include "base/javaexception.h"

namespace {

// An Integer getter into a 16-bit field; a value the field cannot hold is refused.
template <typename Field>
void readNumber(const tarvinex::JavaObject& load, const char* getter, Field& out) {
    const int value = load.callIntegerMethod(getter, 0);
    if (load.getEnv()->ExceptionCheck() == JNI_FALSE) {
        FieldNumber::narrow(load.getEnv(), getter, value, out);
    }
}

db2Uint16 flag(jboolean value) {
    return value ? 1 : 0;
}

}  // namespace

PartitionedLoad::PartitionedLoad() : options{}, portRange{} {}

bool PartitionedLoad::read(const tarvinex::JavaObject& load) {
    present = false;
    JNIEnv* env = load.getEnv();
    partFileLocation = load.callStringMethod("getPartFileLocation");
    if (!outputNodes.read(load.callCollectionMethod("getOutputDBPartNums"),
                          "output partition list") ||
        !partitioningNodes.read(load.callCollectionMethod("getPartitioningDBPartNums"),
                                "partitioning partition list")) {
        return false;
    }
    readNumbers(load);
    const t_string ports = load.callStringMethod("getPortRange");
    checkTruncation = flag(load.callboolMethod("isCheckTruncation"));
    mapFileInput = load.callStringMethod("getMapFileInput");
    mapFileOutput = load.callStringMethod("getMapFileOutput");
    readNumber(load, "getTrace", trace);
    newline = flag(load.callboolMethod("isNewLine"));
    distfile = load.callStringMethod("getDistFile");
    omitHeader = flag(load.callboolMethod("isOmitHeader"));
    readNumber(load, "getRunStatDBPartNum", runStatDBPartNum);
    if (env->ExceptionCheck() == JNI_TRUE) {
        return false;
    }
    t_string why;
    if (!parsePortRange(ports, portRange, why)) {
        ThrowJavaException(env, why.c_str());
        return false;
    }
    fill();
    return true;
}

void PartitionedLoad::readNumbers(const tarvinex::JavaObject& load) {
    readNumber(load, "getMode", mode);
    readNumber(load, "getMaxNumPartAgents", maxNumPartAgents);
    readNumber(load, "getIsolatePartErrs", isolatePartErrs);
    readNumber(load, "getStatusInterval", statusInterval);
}

void PartitionedLoad::fill() {
    options = db2PartLoadIn{};
    options.piHostname = nullptr;
    options.piFileTransferCmd = nullptr;
    options.piPartFileLocation = textOrNull(partFileLocation);
    options.piOutputNodes = outputNodes.loadNodeList();
    options.piPartitioningNodes = partitioningNodes.loadNodeList();
    options.piMode = &mode;
    options.piMaxNumPartAgents = &maxNumPartAgents;
    options.piIsolatePartErrs = &isolatePartErrs;
    options.piStatusInterval = &statusInterval;
    options.piPortRange = &portRange;
    options.piCheckTruncation = &checkTruncation;
    options.piMapFileInput = textOrNull(mapFileInput);
    options.piMapFileOutput = textOrNull(mapFileOutput);
    options.piTrace = &trace;
    options.piNewline = &newline;
    options.piDistfile = textOrNull(distfile);
    options.piOmitHeader = &omitHeader;
    options.piRunStatDBPartNum = &runStatDBPartNum;
    present = true;
}

bool PartitionedLoad::parsePortRange(const t_string& text, db2LoadPortRange& out, t_string& why) {
    const std::size_t colon = text.find(':');
    const t_string low = text.substr(0, colon);
    const t_string high = colon == t_string::npos ? low : text.substr(colon + 1);
    db2LoadPortRange range{};
    if (!DigitText::parse(low, "port range", range.iPortMin, why) ||
        !DigitText::parse(high, "port range", range.iPortMax, why)) {
        return false;
    }
    out = range;
    return true;
}
