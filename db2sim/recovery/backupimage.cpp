#include "db2sim/recovery/backupimage.h"

#include <cstring>

namespace db2sim {
namespace {

enum Tag : std::uint32_t {
    kAlias = 1,
    kDatabase = 2,
    kInstance = 3,
    kTimestamp = 4,
    kRelease = 5,
    kOptions = 6,
    kTablespace = 7,
    kDatabaseLine = 8,
    kFilePrefix = 9,
    kFileSuffix = 10,
    kFileContent = 11,
    kSum = 0xFFFF,
};

constexpr size_t kMarkSize = 8;
constexpr size_t kHeaderSize = kMarkSize + 4;
constexpr size_t kSumRecordSize = 4 + 4 + 8;
constexpr size_t kMaxNameField = 255;

std::uint64_t fnv1a(const char* data, size_t size) {
    std::uint64_t sum = 14695981039346656037ULL;
    for (size_t i = 0; i < size; ++i) {
        sum ^= static_cast<unsigned char>(data[i]);
        sum *= 1099511628211ULL;
    }
    return sum;
}

void putNumber(std::string& out, std::uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::uint64_t getNumber(const std::string& in, size_t at, size_t bytes) {
    std::uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    }
    return value;
}

void putRecord(std::string& out, Tag tag, const std::string& bytes) {
    putNumber(out, tag, 4);
    putNumber(out, bytes.size(), 4);
    out += bytes;
}

// A path part kept in an image: no way out of the state folder, no NUL, no line break.
bool safePathPart(const std::string& part) {
    return part.size() <= kMaxNameField && part.find("..") == std::string::npos &&
           part.find('\0') == std::string::npos && part.find('\n') == std::string::npos &&
           (part.empty() || part[0] != '/');
}

bool safePrefix(const std::string& prefix) {
    return !prefix.empty() && prefix.back() == '/' && safePathPart(prefix);
}

bool safeSuffix(const std::string& suffix) {
    return suffix.empty() || (suffix[0] == '/' && suffix.size() > 1 &&
                              safePathPart(suffix.substr(1)) && suffix.back() != '/');
}

bool readOptions(const std::string& text, std::uint32_t& options) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    unsigned long long value = std::stoull(text);
    options = static_cast<std::uint32_t>(value);
    return value <= 0xFFFFFFFFULL;
}

// Applies one record to the image being read; false when it does not belong there.
class RecordReader {
  public:
    explicit RecordReader(BackupImage& image) : image_(image) {}

    bool apply(std::uint32_t tag, std::string value) {
        switch (tag) {
            case kAlias:
                return setOnce(image_.alias, std::move(value));
            case kDatabase:
                return setOnce(image_.database, std::move(value));
            case kInstance:
                return setOnce(image_.instance, std::move(value));
            case kTimestamp:
                return setOnce(image_.timestamp, std::move(value));
            case kRelease:
                return setOnce(image_.release, std::move(value));
            case kOptions:
                if (seenOptions_) {
                    return false;
                }
                seenOptions_ = true;
                return readOptions(value, image_.options);
            case kTablespace:
                image_.tablespaces.push_back(std::move(value));
                return !image_.tablespaces.back().empty() &&
                       image_.tablespaces.back().size() <= kMaxNameField;
            case kDatabaseLine:
                return setOnce(image_.databaseLine, std::move(value));
            default:
                return applyFile(tag, std::move(value));
        }
    }

    // Every file record came as prefix, suffix, content, and the names are there.
    bool complete() const {
        return expected_ == kFilePrefix && !image_.alias.empty() && !image_.database.empty() &&
               image_.timestamp.size() == 14 && seenOptions_ && !image_.databaseLine.empty();
    }

  private:
    bool setOnce(std::string& field, std::string value) {
        if (!field.empty() || value.empty() || value.size() > kMaxNameField * 4) {
            return false;
        }
        field = std::move(value);
        return true;
    }

    bool applyFile(std::uint32_t tag, std::string value) {
        if (tag != expected_) {
            return false;
        }
        if (tag == kFilePrefix) {
            image_.files.push_back(ImageFile{std::move(value), "", ""});
            expected_ = kFileSuffix;
            return safePrefix(image_.files.back().prefix);
        }
        if (tag == kFileSuffix) {
            image_.files.back().suffix = std::move(value);
            expected_ = kFileContent;
            return safeSuffix(image_.files.back().suffix);
        }
        image_.files.back().content = std::move(value);
        expected_ = kFilePrefix;
        return true;
    }

    BackupImage& image_;
    bool seenOptions_ = false;
    std::uint32_t expected_ = kFilePrefix;
};

}  // namespace

constexpr char BackupImageCodec::kMark[9];

std::string BackupImageCodec::encode(const BackupImage& image) {
    std::string out(kMark, kMarkSize);
    putNumber(out, kVersion, 4);
    putRecord(out, kAlias, image.alias);
    putRecord(out, kDatabase, image.database);
    putRecord(out, kInstance, image.instance);
    putRecord(out, kTimestamp, image.timestamp);
    putRecord(out, kRelease, image.release);
    putRecord(out, kOptions, std::to_string(image.options));
    for (const std::string& name : image.tablespaces) {
        putRecord(out, kTablespace, name);
    }
    putRecord(out, kDatabaseLine, image.databaseLine);
    for (const ImageFile& file : image.files) {
        putRecord(out, kFilePrefix, file.prefix);
        putRecord(out, kFileSuffix, file.suffix);
        putRecord(out, kFileContent, file.content);
    }
    std::uint64_t sum = fnv1a(out.data(), out.size());
    putNumber(out, kSum, 4);
    putNumber(out, 8, 4);
    putNumber(out, sum, 8);
    return out;
}

ImageError BackupImageCodec::decode(const std::string& bytes, BackupImage& image) {
    image = BackupImage();
    if (bytes.size() < kMarkSize || std::memcmp(bytes.data(), kMark, kMarkSize) != 0) {
        return ImageError::kNotAnImage;
    }
    if (bytes.size() < kHeaderSize + kSumRecordSize) {
        return ImageError::kTruncated;
    }
    if (getNumber(bytes, kMarkSize, 4) != kVersion) {
        return ImageError::kVersion;
    }
    size_t sumAt = bytes.size() - kSumRecordSize;
    if (getNumber(bytes, sumAt, 4) != kSum || getNumber(bytes, sumAt + 4, 4) != 8) {
        return ImageError::kTruncated;
    }
    if (getNumber(bytes, sumAt + 8, 8) != fnv1a(bytes.data(), sumAt)) {
        return ImageError::kChecksum;
    }
    BackupImage read;
    RecordReader reader(read);
    for (size_t at = kHeaderSize; at < sumAt;) {
        if (sumAt - at < 8) {
            return ImageError::kTruncated;
        }
        std::uint32_t tag = static_cast<std::uint32_t>(getNumber(bytes, at, 4));
        std::uint64_t length = getNumber(bytes, at + 4, 4);
        at += 8;
        if (length > sumAt - at) {
            return ImageError::kTruncated;
        }
        if (!reader.apply(tag, bytes.substr(at, static_cast<size_t>(length)))) {
            return ImageError::kMalformed;
        }
        at += static_cast<size_t>(length);
    }
    if (!reader.complete()) {
        return ImageError::kMalformed;
    }
    image = std::move(read);
    return ImageError::kNone;
}

const char* BackupImageCodec::describe(ImageError error) {
    switch (error) {
        case ImageError::kNone:
            return "sound";
        case ImageError::kNotAnImage:
            return "not a backup image";
        case ImageError::kVersion:
            return "unknown image format version";
        case ImageError::kTruncated:
            return "truncated";
        case ImageError::kChecksum:
            return "checksum mismatch";
        case ImageError::kMalformed:
            return "malformed record";
    }
    return "unknown";
}

}  // namespace db2sim
