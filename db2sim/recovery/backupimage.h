// A backup image: what a backup took of one database, and the bytes of the image file.
//
// The file is self-describing and versioned: an 8-byte mark, a format version, then records of
// {tag, length, bytes} (little-endian 32-bit numbers), and last a record holding the FNV-1a
// 64-bit sum of every byte before it. Reading checks the mark, the version and the sum before it
// looks at a record, and every length against what is left, so a damaged, cut or foreign file
// is refused as a whole and never read past its end.
//
// State files are kept with the database's name cut out of their path (prefix + NAME + suffix),
// so a restore into another database writes them under the new name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace db2sim {

struct ImageFile {
    std::string prefix;  // "tablespaces/", "config/db/", "tables/"
    std::string suffix;  // "", or "/ORG" for a file under the database's folder
    std::string content;

    std::string pathFor(const std::string& database) const { return prefix + database + suffix; }
};

struct BackupImage {
    std::string alias;     // the alias backed up, upper case
    std::string database;  // the database's name
    std::string instance;
    std::string timestamp;                 // yyyymmddhhmmss
    std::string release;                   // product signature of the instance that took it
    std::uint32_t options = 0;             // db2Backup's iOptions
    std::vector<std::string> tablespaces;  // a table space backup's names
    std::string databaseLine;              // the database's fields in the list of databases
    std::vector<ImageFile> files;

    static constexpr std::uint32_t kOnline = 0x100;
    static constexpr std::uint32_t kTablespaceLevel = 0x3;
    static constexpr std::uint32_t kIncremental = 0x10;
    static constexpr std::uint32_t kDelta = 0x30;

    bool online() const { return (options & kOnline) != 0; }
    bool tablespaceLevel() const { return (options & kTablespaceLevel) == kTablespaceLevel; }
    bool incremental() const { return (options & kIncremental) != 0; }
};

enum class ImageError {
    kNone,
    kNotAnImage,  // no mark: not a backup image at all
    kVersion,     // a format this stand-in does not read
    kTruncated,   // ends before its sum or inside a record
    kChecksum,    // the sum does not match
    kMalformed,   // a record out of place, a bad field, a path that leaves the state folder
};

class BackupImageCodec {
  public:
    static constexpr char kMark[9] = "DB2SIMBK";
    static constexpr std::uint32_t kVersion = 1;
    // Larger files are refused before they are read.
    static constexpr std::uint64_t kMaxImageBytes = 1ULL << 30;

    static std::string encode(const BackupImage& image);
    static ImageError decode(const std::string& bytes, BackupImage& image);
    static const char* describe(ImageError error);
};

}  // namespace db2sim
