#include "commands/maintenance/optionreader.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "base/javaexception.h"
#include "base/lexicalcast.h"

namespace {

// Stands for a null result where every real value is possible.
constexpr int kNullEnum = std::numeric_limits<int>::min();
constexpr jboolean kNullBoolean = 2;

sqluintptr numberValue(int value) {
    // Sign-extended, as a negative number reads back from the pointer-sized field.
    return static_cast<sqluintptr>(static_cast<std::intptr_t>(value));
}

}  // namespace

OptionReader::OptionReader(const tarvinex::JavaObject& command, t_string commandClass,
                           OptionBlock& block)
    : command(command), commandClass(std::move(commandClass)), block(block) {}

bool OptionReader::pending() const {
    JNIEnv* env = command.getEnv();
    return env == nullptr || env->ExceptionCheck() == JNI_TRUE;
}

void OptionReader::enumType(const char* getter, const char* suffix, sqluint32 type) {
    enumTypeOf(getter, enumClass(suffix).c_str(), type);
}

void OptionReader::enumTypeOf(const char* getter, const char* fullClass, sqluint32 type) {
    const int value = command.getEnumValue(getter, fullClass, kNullEnum);
    if (value != kNullEnum && !pending()) {
        block.addNumber(type, numberValue(value));
    }
}

void OptionReader::boxedInteger(const char* getter, sqluint32 type) {
    const int value = command.callIntegerMethod(getter, kNullEnum);
    if (value != kNullEnum && !pending()) {
        block.addNumber(type, numberValue(value));
    }
}

void OptionReader::boxedBoolean(const char* getter, sqluint32 type) {
    const jboolean value = command.callBooleanMethod(getter, kNullBoolean);
    if (value != kNullBoolean && !pending()) {
        block.addNumber(type, value == JNI_TRUE ? 1 : 0);
    }
}

void OptionReader::enumValue(const char* getter, const char* suffix, sqluint32 type, int fallback) {
    const int value = command.getEnumIntValue(getter, enumClass(suffix).c_str(), fallback);
    if (value != -1 && !pending()) {
        block.addNumber(type, numberValue(value));
    }
}

void OptionReader::integerUnlessUnset(const char* getter, sqluint32 type) {
    const int value = command.callIntegerMethod(getter, -1);
    if (value != -1 && !pending()) {
        block.addNumber(type, numberValue(value));
    }
}

void OptionReader::booleanAlways(const char* getter, sqluint32 type) {
    const jboolean value = command.callBooleanMethod(getter, JNI_FALSE);
    if (!pending()) {
        block.addNumber(type, value == JNI_TRUE ? 1 : 0);
    }
}

void OptionReader::primitiveBoolean(const char* getter, sqluint32 type, bool inverted) {
    const bool value = command.callboolMethod(getter) == JNI_TRUE;
    if (!pending()) {
        block.addNumber(type, value != inverted ? 1 : 0);
    }
}

void OptionReader::text(const char* getter, sqluint32 type, const t_string& fallback) {
    const t_string value = command.callStringMethod(getter);
    addText(getter, type, value.empty() ? fallback : value);
}

void OptionReader::enumText(const char* getter, const char* suffix, sqluint32 type) {
    const tarvinex::JavaObject value = command.getChildObject(getter, enumClass(suffix).c_str());
    addText(getter, type, value.isNull() ? t_string() : value.callStringMethod("toString"));
}

void OptionReader::addText(const char* getter, sqluint32 type, const t_string& value) {
    if (value.empty() || pending()) {
        return;
    }
    if (!block.addText(type, value)) {
        const t_string message =
            t_string(getter) + "() gave a text of " + lexical_cast<t_string>(value.size()) +
            " bytes; an option holds at most " + lexical_cast<t_string>(OptionBlock::kMaxText);
        ThrowJavaException(command.getEnv(), message.c_str());
    }
}
