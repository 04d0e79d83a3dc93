// From a Java command object to a running command: the command-type table and the road of one
// call (guard, argument checks, type code, version gate, life cycle).
#pragma once

#include <cstddef>
#include <memory>

#include "bridge/javaobject.h"
#include "base/stdafx.h"

class CDB2CmdBase;

namespace tarvinex {

using CommandFactory = std::unique_ptr<CDB2CmdBase> (*)(const JavaObject& command,
                                                        const JavaObject& context,
                                                        const JavaObject& container);

// One row of a dispatch table. A row without a factory is a code the Java side knows but this
// library does not serve (yet): it answers "unknown command type!".
struct CommandType {
    int code;
    const char* name;
    bool needsVersion8;  // dispatched only when the client is 8.0 or later
    CommandFactory create;
};

struct CommandTable {
    const CommandType* rows;
    std::size_t size;
};

template <typename Command>
std::unique_ptr<CDB2CmdBase> makeCommand(const JavaObject& command, const JavaObject& context,
                                         const JavaObject& container) {
    return std::make_unique<Command>(command, context, container);
}

// The library's own table: every code of EnumDB2CommandType.
CommandTable LibraryCommandTable();

// The row for `code`, or null when the table has no such code.
const CommandType* FindCommandType(const CommandTable& table, int code);

// The row that serves `code` for a client at `clientVersion`: null when the code is unknown, not
// built, or needs 8.0 and the client is older.
const CommandType* SelectCommandType(const CommandTable& table, int code, double clientVersion);

// executeDB2Command's body, with the table as a parameter so tests can add their own commands.
// May throw std::bad_alloc; the exported functions catch it.
bool ExecuteCommand(JNIEnv* env, jobject command, jobject context, jobject resultset,
                    const CommandTable& table);

// getClientVersion's body: the five version digits of the client's product signature, cut at a
// NUL, never null.
jstring ClientVersion(JNIEnv* env);

// Runs `body` and turns any C++ exception into a pending SQLException, so none crosses JNI.
template <typename Result, typename Body>
Result guardNative(JNIEnv* env, Result failed, Body&& body) noexcept;

// Raises the SQLException for a C++ exception caught at the JNI boundary.
void reportNativeFailure(JNIEnv* env, const char* what) noexcept;

template <typename Result, typename Body>
Result guardNative(JNIEnv* env, Result failed, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        reportNativeFailure(env, "out of native memory");
    } catch (const std::exception& e) {
        reportNativeFailure(env, e.what());
    } catch (...) {
        reportNativeFailure(env, "unexpected native failure");
    }
    return failed;
}

}  // namespace tarvinex
