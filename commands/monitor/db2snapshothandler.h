// One database-monitor snapshot into a buffer that grows until DB2's stream fits.
//
// The buffer starts at 409600 bytes. When DB2 answers +1606 (buffer full), the handler asks for
// DB2's size estimate and grows the buffer by 1.1 times it, then asks again with a fresh, zeroed
// buffer; at most a few times, and never beyond what DB2's signed 32-bit size field can name.
// Warnings other than 1606 and errors end the snapshot. The stream DB2 wrote is then offered in
// place (Stream()), checked against the buffer it was written into.
#pragma once

#include <cstdlib>
#include <memory>
#include <string_view>

#include "db2api/db2types.h"
#include "base/stdafx.h"

struct sqlma;

class CDB2SnapshotHandler {
  public:
    static constexpr db2Uint32 kInitialBufferSize = 409600;
    // Growths before the handler gives up: DB2 keeps answering 1606 only when its estimate is
    // wrong, and then no buffer would do.
    static constexpr int kMaxGrowths = 10;
    static constexpr db2Uint32 kSnapshotApiVersion = 7010000;
    static constexpr db2Uint32 kSnapshotClass = 2;

    CDB2SnapshotHandler(double serverVersion, double clientVersion);
    virtual ~CDB2SnapshotHandler();
    CDB2SnapshotHandler(const CDB2SnapshotHandler&) = delete;
    CDB2SnapshotHandler& operator=(const CDB2SnapshotHandler&) = delete;

    // Fills the one-object request. False when the name does not fit the object field with its
    // terminator: DB2 would read it cut.
    static bool BuildRequest(sqluint32 objectType, const t_string& objectName, sqluint32 agentId,
                             sqlma& request);

    // Takes the snapshot of `request` into the buffer, growing it as DB2 asks. True when DB2
    // answered 0 and wrote a stream that fits the buffer.
    bool GetSnapShot(db2int32 node, db2Uint32 writeToFile, sqlma& request);

    // The stream of the last successful snapshot: its header and the `size` bytes the header
    // announces. Empty before one.
    std::string_view Stream() const;

    db2Uint32 BufferSize() const { return m_nBufferSize; }
    db2Uint32 SnapshotDataVersion() const { return m_nSnapshotDataVersion; }

    // The buffer size once DB2 asked for `enlarged` more bytes (its estimate times 1.1): their
    // sum, at most the largest db2int32; 0 (give up) when there is nothing to add or `current`
    // is that largest size already.
    static db2Uint32 GrownSize(db2Uint32 current, sqluint32 enlarged);
    // The length of the stream that starts `buffer` (its header's size word plus the header),
    // or 0 when that exceeds `capacity` or the buffer cannot hold a header.
    static std::size_t StreamLength(const char* buffer, std::size_t capacity);

  private:
    struct FreeBuffer {
        void operator()(char* p) const { std::free(p); }
    };

    // DB2's estimate of the stream's size times 1.1; 0 when DB2 gave none.
    sqluint32 GetSnapShotBufferSize(db2int32 node, sqlma& request);
    // A new zeroed buffer of m_nBufferSize bytes in place of the old; false when there is no
    // memory for it.
    bool AllocateOutputBuffer();

    db2Uint32 m_nBufferSize = kInitialBufferSize;
    std::unique_ptr<char, FreeBuffer> m_pOutputBuffer;
    db2Uint32 m_nSnapshotDataVersion;
    std::size_t m_nStreamLength = 0;
};
