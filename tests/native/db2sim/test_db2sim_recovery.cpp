// Backup and recovery on the stand-in: an image written and restored into a new database,
// refusals, damaged images, redirected and replacing restores, rollforward, and the history's
// scans, updates and prunes.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class Db2SimRecovery : public Db2SimInstanceTest {
  protected:
    void SetUp() override {
        Db2SimInstanceTest::SetUp();
        images_ = folder_.path() + "/images";
        fs::create_directories(images_);
    }

    int backup(const char* alias, db2Uint32 options = DB2BACKUP_OFFLINE,
               const std::string& target = "") {
        std::string folder = target.empty() ? images_ : target;
        char* locations[] = {&folder[0]};
        db2MediaListStruct media{locations, 1, 'L'};
        db2TablespaceStruct tablespaces{nullptr, 0};
        backup_ = db2BackupStruct{};
        backup_.piDBAlias = const_cast<char*>(alias);
        backup_.piTablespaceList = &tablespaces;
        backup_.piMediaList = &media;
        backup_.iOptions = options;
        ca_ = zeroed();
        return db2Backup(db2Version970, &backup_, &ca_);
    }

    int restore(const char* source, const char* target, const std::string& timestamp,
                db2Uint32 action = DB2RESTORE_NOINTERRUPT, db2Uint32 options = 0) {
        char* locations[] = {&images_[0]};
        db2MediaListStruct media{locations, 1, 'L'};
        db2TablespaceStruct tablespaces{nullptr, 0};
        db2StoragePathsStruct paths{nullptr, 0};
        db2RestoreStruct r{};
        r.piSourceDBAlias = const_cast<char*>(source);
        r.piTargetDBAlias = const_cast<char*>(target);
        r.piTimestamp = const_cast<char*>(timestamp.c_str());
        r.piTablespaceList = &tablespaces;
        r.piMediaList = &media;
        r.piStoragePaths = &paths;
        r.iCallerAction = action;
        r.iOptions = options;
        ca_ = zeroed();
        return db2Restore(db2Version970, &r, &ca_);
    }

    int rollforward(const char* alias, db2Uint32 action, sqlurf_info& info) {
        char applicationId[128] = {};
        sqlint32 replies = -1;
        db2RfwdInputStruct in{};
        in.iVersion = SQLUM_RFWD_VERSION;
        in.piDbAlias = const_cast<char*>(alias);
        in.iCallerAction = action;
        in.piStopTime = const_cast<char*>(SQLUM_INFINITY_TIMESTAMP);
        in.iAllNodeFlag = SQLURF_CAT_NODE_ONLY;
        in.iNumNodeInfo = 1;
        std::memset(&info, 0x7F, sizeof(info));
        db2RfwdOutputStruct out{applicationId, &replies, &info, 0};
        db2RollforwardStruct r{&in, &out};
        ca_ = zeroed();
        int rc = db2Rollforward(db2Version970, &r, &ca_);
        EXPECT_EQ(rc == 0 ? 1 : -1, rc == 0 ? replies : -1);
        return rc;
    }

    std::string imagePath() const { return firstImage(images_); }
    static std::string firstImage(const std::string& folder) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            return entry.path().string();
        }
        return std::string();
    }
    std::string stamp() const { return std::string(backup_.oTimestamp); }

    std::string images_;
    db2BackupStruct backup_{};
    sqlca ca_{};
};

TEST_F(Db2SimRecovery, AnImageRestoresIntoANewDatabasePendingRollforward) {
    ASSERT_EQ(0, backup("sample")) << message(ca_);
    std::string name = fs::path(imagePath()).filename().string();
    EXPECT_EQ("SAMPLE.0.db2inst1.NODE0000.CATN0000." + stamp() + ".001", name);
    EXPECT_EQ(14u, stamp().size());
    EXPECT_EQ(0u, std::string(backup_.oApplicationId).find("*LOCAL.db2inst1."));
    EXPECT_EQ(1u, backup_.oBackupSize);

    ASSERT_EQ(0, restore("SAMPLE", "COPYDB", stamp(), DB2RESTORE_RESTORE)) << message(ca_);
    DbListing listing = listDatabases();
    ASSERT_EQ(2u, listing.entries.size());
    EXPECT_EQ("COPYDB  ", field(listing.entries[1].alias, 8));
    EXPECT_TRUE(fs::exists(folder_.path() + "/tables/COPYDB/catalog"));
    EXPECT_TRUE(fs::exists(folder_.path() + "/config/db/COPYDB") ||
                !fs::exists(folder_.path() + "/config/db/SAMPLE"));

    Connected app;
    EXPECT_EQ(SQL_ERROR, app.connect("COPYDB")) << "pending a rollforward";
    sqlurf_info info;
    ASSERT_EQ(0, rollforward("copydb", DB2ROLLFORWARD_QUERY, info));
    EXPECT_EQ(SQLURFQ_DB_RFW_PENDING, info.state);
    ASSERT_EQ(0, rollforward("copydb", DB2ROLLFORWARD_RFWD_STOP, info));
    EXPECT_EQ(SQLURFQ_NOT_RFW_PENDING, info.state);
    EXPECT_EQ("S0000000.LOG", std::string(reinterpret_cast<char*>(info.nextarclog)));
    EXPECT_EQ(-1261, rollforward("copydb", DB2ROLLFORWARD_STOP, info));
    EXPECT_EQ(SQL_SUCCESS, app.connect("COPYDB"));
}

TEST_F(Db2SimRecovery, UtilitiesRefuseWithDb2Codes) {
    EXPECT_EQ(-2036, backup("SAMPLE", 0, folder_.path() + "/missing"));
    EXPECT_EQ(-1013, backup("NOSUCH"));
    EXPECT_EQ(-2040, backup(""));
    EXPECT_EQ(-2413, backup("SAMPLE", DB2BACKUP_ONLINE)) << "circular logging";
    EXPECT_EQ(-2542, restore("SAMPLE", "COPYDB", ""));
    {
        Connected app;
        ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
        EXPECT_EQ(-1035, backup("SAMPLE")) << "offline while connected";
    }
    ASSERT_EQ(0, backup("SAMPLE"));
    ASSERT_EQ(0, backup("SAMPLE"));
    EXPECT_EQ(-2522, restore("SAMPLE", "COPYDB", "")) << "two images match";
    EXPECT_EQ(-2508, restore("SAMPLE", "COPYDB", "2026x"));
    sqlurf_info info;
    EXPECT_EQ(-1261, rollforward("SAMPLE", DB2ROLLFORWARD_RFWD, info));
    EXPECT_EQ(-2008, restore("SAMPLE", "COPYDB", stamp(), DB2RESTORE_CONTINUE));
}

// The FNV-1a sum the image ends with, over every byte before its last record.
void resum(std::string& image) {
    std::uint64_t sum = 14695981039346656037ULL;
    for (size_t i = 0; i + 16 < image.size(); ++i) {
        sum = (sum ^ static_cast<unsigned char>(image[i])) * 1099511628211ULL;
    }
    for (size_t i = 0; i < 8; ++i) {
        image[image.size() - 8 + i] = static_cast<char>((sum >> (8 * i)) & 0xFF);
    }
}

struct Damage {
    const char* what;
    int sqlcode;
    std::function<void(std::string&)> apply;
};

TEST_F(Db2SimRecovery, DamagedImagesAreRefusedWhole) {
    ASSERT_EQ(0, backup("SAMPLE"));
    const std::string good = readAll(imagePath());
    const size_t firstLength = 12 + 4;  // mark, version, then the first record's tag
    const Damage damages[] = {
        {"a flipped byte", -2530, [](std::string& b) { b[b.size() / 2] ^= 0x20; }},
        {"cut in half", -2538, [](std::string& b) { b.resize(b.size() / 2); }},
        {"empty", -2530, [](std::string& b) { b.clear(); }},
        {"a length past the end, summed again", -2538,
         [&](std::string& b) {
             b[firstLength + 3] = '\x7F';
             resum(b);
         }},
        {"a path leaving the state folder, summed again", -2530,
         [](std::string& b) {
             size_t at = b.find("tablespaces/");
             if (at == std::string::npos) {
                 at = b.find("tables/");
             }
             b.replace(at, 3, "../");
             resum(b);
         }},
        {"another format version, summed again", -2530,
         [](std::string& b) {
             b[8] = 2;
             resum(b);
         }},
    };
    for (const Damage& damage : damages) {
        std::string bytes = good;
        damage.apply(bytes);
        writeAll(imagePath(), bytes);
        EXPECT_EQ(damage.sqlcode, restore("SAMPLE", "COPYDB", stamp())) << damage.what;
        EXPECT_EQ(1u, listDatabases().entries.size()) << damage.what;
    }
    EXPECT_FALSE(fs::exists(folder_.path() + "/../COPYDB"));
    writeAll(imagePath(), good);
    EXPECT_EQ(0, restore("SAMPLE", "COPYDB", stamp()));
}

TEST_F(Db2SimRecovery, ARestoreOverADatabaseWaitsForContinue) {
    ASSERT_EQ(0, backup("SAMPLE"));
    EXPECT_EQ(2539, restore("SAMPLE", "", stamp(), DB2RESTORE_RESTORE));
    EXPECT_EQ(0, restore("SAMPLE", "", stamp(), DB2RESTORE_TERMINATE));
    EXPECT_EQ(2539, restore("SAMPLE", "SAMPLE", stamp(), DB2RESTORE_RESTORE));
    EXPECT_EQ(0, restore("SAMPLE", "", stamp(), DB2RESTORE_CONTINUE));
    sqlurf_info info;
    ASSERT_EQ(0, rollforward("SAMPLE", DB2ROLLFORWARD_QUERY, info));
    EXPECT_EQ(SQLURFQ_DB_RFW_PENDING, info.state);
    EXPECT_EQ(-2406, backup("SAMPLE")) << "pending a rollforward";
}

TEST_F(Db2SimRecovery, ARedirectedRestoreTakesNewContainers) {
    ASSERT_EQ(0, backup("SAMPLE"));
    SQLB_TBSCONTQRY_DATA container{};
    std::strcpy(container.name, "/data/user1");
    container.contType = SQLB_CONT_FILE;
    container.totalPages = 500;
    EXPECT_EQ(-2008, sqlbstsc(&ca_, 0, 2, 1, &container)) << "no restore waits";
    EXPECT_EQ(1277, restore("SAMPLE", "MOVED", stamp(), 100, DB2RESTORE_NOROLLFWD));
    EXPECT_EQ(-2032, sqlbstsc(&ca_, 0, 7, 1, &container)) << "no table space 7";
    container.totalPages = 0;
    EXPECT_EQ(-2032, sqlbstsc(&ca_, 0, 2, 1, &container)) << "a file of no pages";
    container.totalPages = 500;
    EXPECT_EQ(0, sqlbstsc(&ca_, 0, 2, 1, &container));
    ASSERT_EQ(0, restore("SAMPLE", "MOVED", stamp(), DB2RESTORE_CONTINUE));
    EXPECT_NE(
        std::string::npos,
        readAll(folder_.path() + "/tablespaces/MOVED").find("USERSPACE1\tD\tF\t500\t/data/user1"));
    Connected app;
    EXPECT_EQ(SQL_SUCCESS, app.connect("MOVED")) << "no rollforward asked for";
}

// One whole scan of a database's history: the object parts, with small buffers checked.
class HistoryScan {
  public:
    int open(const char* alias, db2Uint16 kind = DB2HISTORY_LIST_HISTORY) {
        db2HistoryOpenStruct o{};
        o.piDatabaseAlias = const_cast<char*>(alias);
        o.iCallerAction = kind;
        ca_ = sqlca{};
        int rc = db2HistoryOpenScan(db2Version970, &o, &ca_);
        handle_ = o.oHandle;
        rows_ = o.oNumRows;
        return rc;
    }
    // The next entry, with a 10-byte object part buffer that must not be overrun.
    int next(std::string& objectPart, db2Uint32& eid, char& operation) {
        char buffer[12];
        std::memset(buffer, '#', sizeof(buffer));
        db2HistoryData data{};
        std::memcpy(data.ioHistDataID, "SQLUHINF", 8);
        data.oObjectPart = db2Char{buffer, 10, 0};
        char names[3][DB2HISTORY_TBSPACE_SZ] = {};
        db2Char tablespaces[3] = {{names[0], DB2HISTORY_TBSPACE_SZ, 0},
                                  {names[1], DB2HISTORY_TBSPACE_SZ, 0},
                                  {names[2], DB2HISTORY_TBSPACE_SZ, 0}};
        data.poTablespace = tablespaces;
        data.iNumTablespaces = 3;
        db2HistoryGetEntryStruct get{&data, handle_, DB2HISTORY_GET_ALL};
        int rc = db2HistoryGetEntry(db2Version970, &get, &ca_);
        EXPECT_EQ("##", std::string(buffer + 10, 2)) << "written past the buffer";
        objectPart.assign(buffer, data.oObjectPart.oLength);
        eid = data.oEID.ioHID;
        operation = data.oOperation;
        return rc;
    }
    int close() { return db2HistoryCloseScan(db2Version970, &handle_, &ca_); }
    db2Uint32 rows() const { return rows_; }

  private:
    sqlca ca_{};
    db2Uint16 handle_ = 0;
    db2Uint32 rows_ = 0;
};

TEST_F(Db2SimRecovery, TheHistoryIsScannedUpdatedAndPruned) {
    ASSERT_EQ(0, backup("SAMPLE"));
    std::string first = stamp();
    ASSERT_EQ(0, backup("SAMPLE"));
    HistoryScan scan;
    ASSERT_EQ(0, scan.open("SAMPLE", DB2HISTORY_LIST_BACKUP));
    EXPECT_EQ(2u, scan.rows());
    EXPECT_EQ(1, db2sim_counter("scans"));
    std::string part;
    db2Uint32 eid = 0;
    char operation = 0;
    ASSERT_EQ(0, scan.next(part, eid, operation));
    EXPECT_EQ(first.substr(0, 10), part) << "cut at the buffer's length";
    EXPECT_EQ(1u, eid);
    EXPECT_EQ('B', operation);
    ASSERT_EQ(0, scan.next(part, eid, operation));
    EXPECT_EQ(1014, scan.next(part, eid, operation));
    EXPECT_EQ(0, scan.close());
    EXPECT_EQ(0, db2sim_counter("scans"));
    ASSERT_EQ(0, scan.open("SAMPLE"));
    db2sim_reset();
    EXPECT_EQ(0, db2sim_counter("scans")) << "a reset closes scans";
    beginOwnContext();

    Connected app(nullptr);
    OnContext on(app.ctx());
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    db2HistoryUpdateStruct update{};
    update.piNewComment = const_cast<char*>("kept offsite");
    update.iEID.ioHID = 99;
    EXPECT_EQ(-2171, db2HistoryUpdate(db2Version970, &update, &ca_)) << "no entry 99";
    update.iEID.ioHID = 1;
    update.piNewStatus = const_cast<char*>("Q");
    EXPECT_EQ(-2032, db2HistoryUpdate(db2Version970, &update, &ca_)) << "no status Q";
    update.piNewStatus = nullptr;
    EXPECT_EQ(0, db2HistoryUpdate(db2Version970, &update, &ca_));
    EXPECT_NE(std::string::npos, readAll(folder_.path() + "/history/SAMPLE").find("kept offsite"));

    db2PruneStruct prune{const_cast<char*>("99991231"), {0, 0}, DB2PRUNE_ACTION_HISTORY, 0};
    EXPECT_EQ(0, db2Prune(db2Version970, &prune, &ca_));
    ASSERT_EQ(0, scan.open("SAMPLE"));
    EXPECT_EQ(1u, scan.rows()) << "the latest full backup stays without force";
    scan.close();
    prune.iOptions = DB2PRUNE_OPTION_FORCE;
    EXPECT_EQ(0, db2Prune(db2Version970, &prune, &ca_));
    ASSERT_EQ(0, scan.open("SAMPLE"));
    EXPECT_EQ(0u, scan.rows());
    scan.close();
    prune = db2PruneStruct{const_cast<char*>("0000012"), {0, 0}, DB2PRUNE_ACTION_LOG, 2};
    EXPECT_EQ(-1206, db2Prune(db2Version970, &prune, &ca_)) << "circular logging";
}

TEST_F(Db2SimRecovery, ADamagedHistoryFileIsRefused) {
    ASSERT_EQ(0, backup("SAMPLE"));
    std::string path = folder_.path() + "/history/SAMPLE";
    std::string text = readAll(path);
    writeAll(path, text.substr(0, text.size() - 40) + "\n");
    HistoryScan scan;
    EXPECT_EQ(-2161, scan.open("SAMPLE"));
    EXPECT_EQ(0, db2sim_counter("scans"));
}

}  // namespace
