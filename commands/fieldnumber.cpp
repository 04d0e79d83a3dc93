#include "commands/fieldnumber.h"

#include <string>

#include "base/javaexception.h"

t_string FieldNumber::refusal(const char* source, long long value, long long lowest,
                              long long highest) {
    return t_string(source != nullptr ? source : "") + " gave " + std::to_string(value) +
           ", outside " + std::to_string(lowest) + " to " + std::to_string(highest);
}

void FieldNumber::refuse(JNIEnv* env, const char* source, long long value, long long lowest,
                         long long highest) {
    ThrowJavaException(env, refusal(source, value, lowest, highest).c_str());
}
