// How failures reach Java: a pending java.sql.SQLException carrying the message.
// Kept apart from the entry points so the bridge can raise through it too.
#pragma once

#include <jni.h>

// Writes " <message>: " to standard error (unless diagnostics are off: base/diagnostics.h), clears
// any pending Java exception, then raises a java.sql.SQLException with the message. The last
// message raised in a call is the one Java sees.
void ThrowJavaException(JNIEnv* env, const char* message);

// Does nothing when env is null; otherwise clears any pending exception, finds the class and
// raises a new exception of it with the message. A class that cannot be found raises nothing
// itself: only the failed lookup's own error stays pending.
void JNU_ThrowByName(JNIEnv* env, const char* className, const char* message);
