// getSnapshotInByteBuffer's body: one database-monitor snapshot, its stream copied once into a
// new direct ByteBuffer of exactly the stream's length.
//
// The snapshot runs on the instance attachment the run-time context holds, or on a context of
// its own that is ended afterwards; the thread's own context is back when the call returns.
// A snapshot DB2 could not take gives null with no message. A context DB2 will not make current
// gives DB2's text, as for every command. An object name DB2 would read differently (longer
// than its field, or holding U+0000) or a missing run-time context gives null with an
// SQLException, before any DB2 call; a buffer Java cannot allocate gives null with
// "Not enough memory!".
#pragma once

#include <jni.h>

namespace tarvinex {

// May throw std::bad_alloc; the exported function catches it.
jobject SnapshotInByteBuffer(JNIEnv* env, jint nodeid, jint snapshotType, jstring objectName,
                             jint agentid, jobject context, jint writeToFile);

}  // namespace tarvinex
