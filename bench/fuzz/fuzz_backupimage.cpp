// The stand-in's backup image reader: any bytes are read or refused whole, never past their
// end. The input is tried as it is and again as the records of an image with a sound mark,
// version and sum, so the fuzzer reaches the record reader past the checksum. What is read
// keeps its paths inside the state folder and reads back the same after it is written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "db2sim/recovery/backupimage.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void putNumber(std::string& out, std::uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::string sealed(const std::string& records) {
    std::string image(db2sim::BackupImageCodec::kMark, 8);
    putNumber(image, db2sim::BackupImageCodec::kVersion, 4);
    image += records;
    std::uint64_t sum = 14695981039346656037ULL;
    for (char c : image) {
        sum = (sum ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    putNumber(image, 0xFFFF, 4);
    putNumber(image, 8, 4);
    putNumber(image, sum, 8);
    return image;
}

void tryImage(const std::string& bytes) {
    using namespace db2sim;
    BackupImage image;
    if (BackupImageCodec::decode(bytes, image) != ImageError::kNone) {
        check(image.files.empty() && image.alias.empty());
        return;
    }
    for (const ImageFile& file : image.files) {
        std::string path = file.pathFor(image.database);
        check(path.find("..") == std::string::npos && path[0] != '/');
    }
    BackupImage again;
    check(BackupImageCodec::decode(BackupImageCodec::encode(image), again) == ImageError::kNone);
    check(again.files.size() == image.files.size() && again.options == image.options &&
          again.tablespaces == image.tablespaces && again.databaseLine == image.databaseLine);
    for (size_t i = 0; i < again.files.size(); ++i) {
        check(again.files[i].prefix == image.files[i].prefix &&
              again.files[i].suffix == image.files[i].suffix &&
              again.files[i].content == image.files[i].content);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    tryImage(bytes);
    tryImage(sealed(bytes));
    return 0;
}
