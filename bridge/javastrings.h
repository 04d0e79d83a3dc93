// New Java strings from native text. Every string the library hands to Java is made here, so all
// of them are valid modified UTF-8 (see native/javatext.h).
#pragma once

#include <jni.h>

#include "base/stdafx.h"

namespace tarvinex {

// A null text gives the empty string. Returns null only when the JVM is out of memory (an
// OutOfMemoryError is then pending). Must not be called with a Java exception pending.
jstring newJavaString(JNIEnv* env, const char* text);

// The whole text, embedded NULs included.
jstring newJavaString(JNIEnv* env, const t_string& text);

// Java's modified UTF-8 (GetStringUTFChars) as standard UTF-8: a surrogate pair becomes one
// four-byte sequence and C0 80 a NUL, so text read from Java goes back through newJavaString
// unchanged. A null pointer gives the empty text.
t_string fromModifiedUtf8(const char* chars);

}  // namespace tarvinex
