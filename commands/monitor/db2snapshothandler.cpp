#include "commands/monitor/db2snapshothandler.h"

#include <cstdint>
#include <cstring>
#include <limits>

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

namespace {

constexpr db2Uint32 kLargestBuffer = static_cast<db2Uint32>(std::numeric_limits<db2int32>::max());

}  // namespace

CDB2SnapshotHandler::CDB2SnapshotHandler(double serverVersion, double clientVersion)
    : m_nSnapshotDataVersion(serverVersion >= 8.0 && clientVersion >= 8.0 ? SQLM_DBMON_VERSION8
                                                                          : SQLM_DBMON_VERSION7) {
    AllocateOutputBuffer();
}

CDB2SnapshotHandler::~CDB2SnapshotHandler() = default;

bool CDB2SnapshotHandler::BuildRequest(sqluint32 objectType, const t_string& objectName,
                                       sqluint32 agentId, sqlma& request) {
    request = sqlma{};
    if (objectName.size() >= SQLM_OBJECT_SZ) {
        return false;
    }
    request.obj_num = 1;
    request.obj_var[0].agent_id = agentId;
    request.obj_var[0].obj_type = objectType;
    std::memcpy(request.obj_var[0].object, objectName.data(), objectName.size());
    return true;
}

bool CDB2SnapshotHandler::AllocateOutputBuffer() {
    m_pOutputBuffer.reset();
    m_nStreamLength = 0;
    if (m_nBufferSize == 0) {
        return false;
    }
    // Zeroed, so that bytes DB2 did not write are never heap contents; calloc gets large blocks
    // from fresh pages without clearing them again.
    m_pOutputBuffer.reset(static_cast<char*>(std::calloc(m_nBufferSize, 1)));
    if (!m_pOutputBuffer) {
        m_nBufferSize = 0;
        return false;
    }
    return true;
}

bool CDB2SnapshotHandler::GetSnapShot(db2int32 node, db2Uint32 writeToFile, sqlma& request) {
    m_nStreamLength = 0;
    for (int growths = 0; m_pOutputBuffer; ++growths) {
        sqlm_collected collected{};
        db2Uint32 outputFormat = 0;
        db2GetSnapshotData data{};
        data.piSqlmaData = &request;
        data.poCollectedData = &collected;
        data.poBuffer = m_pOutputBuffer.get();
        data.iVersion = m_nSnapshotDataVersion;
        data.iBufferSize = static_cast<db2int32>(m_nBufferSize);
        data.iStoreResult = writeToFile;
        data.iNodeNumber = node;
        data.poOutputFormat = &outputFormat;
        data.iSnapshotClass = kSnapshotClass;
        sqlca ca = zeroedSqlca();
        const int rc = db2::DB2API::Instance().GetSnapshotData(kSnapshotApiVersion, &data, &ca);
        // DB2 answers with its sqlcode; anything else (a missing entry point's -1) is a failure.
        if (rc != 0 && rc != ca.sqlcode) {
            return false;
        }
        if (ca.sqlcode == 0) {
            m_nStreamLength = StreamLength(m_pOutputBuffer.get(), m_nBufferSize);
            return m_nStreamLength != 0;
        }
        if (ca.sqlcode != SQLM_RC_BUFFER_FULL || growths == kMaxGrowths) {
            return false;
        }
        const db2Uint32 grown = GrownSize(m_nBufferSize, GetSnapShotBufferSize(node, request));
        if (grown == 0) {
            return false;
        }
        m_nBufferSize = grown;
        AllocateOutputBuffer();
    }
    return false;
}

sqluint32 CDB2SnapshotHandler::GetSnapShotBufferSize(db2int32 node, sqlma& request) {
    sqluint32 estimate = 0;
    db2GetSnapshotSizeData data{};
    data.piSqlmaData = &request;
    data.poBufferSize = &estimate;
    data.iVersion = m_nSnapshotDataVersion;
    data.iNodeNumber = node;
    data.iSnapshotClass = kSnapshotClass;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().GetSnapshotSize(kSnapshotApiVersion, &data, &ca);
    if (rc != 0 || ca.sqlcode != 0) {
        return 0;
    }
    // 1.1 times, truncated: estimate + estimate / 10, in 64 bits.
    const std::uint64_t enlarged = std::uint64_t{estimate} + estimate / 10;
    return enlarged > std::numeric_limits<sqluint32>::max() ? std::numeric_limits<sqluint32>::max()
                                                            : static_cast<sqluint32>(enlarged);
}

db2Uint32 CDB2SnapshotHandler::GrownSize(db2Uint32 current, sqluint32 enlarged) {
    if (enlarged == 0 || current >= kLargestBuffer) {
        return 0;
    }
    const std::uint64_t grown = std::uint64_t{current} + enlarged;
    return grown > kLargestBuffer ? kLargestBuffer : static_cast<db2Uint32>(grown);
}

std::size_t CDB2SnapshotHandler::StreamLength(const char* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity < sizeof(sqlm_header_info)) {
        return 0;
    }
    sqluint32 size = 0;
    std::memcpy(&size, buffer, sizeof(size));
    const std::uint64_t length = std::uint64_t{size} + sizeof(sqlm_header_info);
    return length > capacity ? 0 : static_cast<std::size_t>(length);
}

std::string_view CDB2SnapshotHandler::Stream() const {
    return std::string_view(m_pOutputBuffer.get(), m_nStreamLength);
}
