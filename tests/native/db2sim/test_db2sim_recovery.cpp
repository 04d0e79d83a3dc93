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

TEST_F(Db2SimRecovery, TheHistoryFileIsReadWholeOrNotAtAll) {
    std::string deep = images_ + "/" + std::string(150, 'd') + "/" + std::string(150, 'e');
    fs::create_directories(deep);
    ASSERT_EQ(0, backup("SAMPLE", DB2BACKUP_OFFLINE, deep)) << "a location over 255 bytes";
    HistoryScan scan;
    ASSERT_EQ(0, scan.open("SAMPLE")) << "recorded cut to its field, read back";
    scan.close();
    std::string path = folder_.path() + "/history/SAMPLE";
    std::string text = readAll(path);
    writeAll(path, text.substr(0, text.size() - 40) + "\n");
    EXPECT_EQ(-2161, scan.open("SAMPLE"));
    EXPECT_EQ(0, db2sim_counter("scans"));
}

// SAMPLE with archive logging, as its configuration file holds it.
class Db2SimRecoverable : public Db2SimRecovery {
  protected:
    void SetUp() override {
        Db2SimRecovery::SetUp();
        fs::create_directories(folder_.path() + "/config/db");
        writeAll(folder_.path() + "/config/db/SAMPLE", "logretain\t1\t1\t0\t0\n");
        resetInstance();
    }

    int archiveLog(const char* alias) {
        db2ArchiveLogStruct a{
            const_cast<char*>(alias), nullptr, nullptr, SQLURF_ALL_NODES, 0, nullptr, 0};
        ca_ = zeroed();
        return db2ArchiveLog(db2Version810, &a, &ca_);
    }
};

TEST_F(Db2SimRecoverable, OnlineImagesAndLogsTakeTheirCourse) {
    ASSERT_EQ(0, archiveLog("SAMPLE")) << message(ca_);
    ASSERT_EQ(0, backup("SAMPLE", DB2BACKUP_ONLINE)) << message(ca_);
    EXPECT_EQ(-2537,
              restore("SAMPLE", "COPYDB", stamp(), DB2RESTORE_NOINTERRUPT, DB2RESTORE_NOROLLFWD))
        << "an online image needs its logs";
    ASSERT_EQ(0, restore("SAMPLE", "COPYDB", stamp()));
    sqlurf_info info;
    ASSERT_EQ(0, rollforward("COPYDB", DB2ROLLFORWARD_RFWD, info));
    EXPECT_EQ(SQLURFQ_DB_RFW_IN_PROGRESS, info.state);
    EXPECT_EQ("S0000002.LOG", std::string(reinterpret_cast<char*>(info.nextarclog)))
        << "one log archived, one closed by the online backup";

    HistoryScan scan;
    ASSERT_EQ(0, scan.open("SAMPLE"));
    std::string part;
    db2Uint32 eid = 0;
    char operations[2] = {};
    for (char& operation : operations) {
        ASSERT_EQ(0, scan.next(part, eid, operation));
    }
    EXPECT_EQ("XB", std::string(operations, 2)) << "archive log, backup";
    EXPECT_EQ(1014, scan.next(part, eid, operations[0]));
    scan.close();

    Connected app(nullptr);
    OnContext on(app.ctx());
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    db2PruneStruct prune{const_cast<char*>("0000001"), {0, 0}, DB2PRUNE_ACTION_LOG, 2};
    EXPECT_EQ(0, db2Prune(db2Version970, &prune, &ca_));
}

TEST_F(Db2SimRecoverable, TableUtilitiesNeedAConnectionAndATable) {
    char org[] = "ORG";
    char nosuch[] = "DB2INST1.NOSUCH";
    EXPECT_EQ(-1024, sqluvqdp(org, SQLU_QUIESCEMODE_SHARE, nullptr, &ca_));
    Connected app(nullptr);
    OnContext on(app.ctx());
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    EXPECT_EQ(-204, sqluvqdp(nosuch, SQLU_QUIESCEMODE_SHARE, nullptr, &ca_));
    EXPECT_EQ(-2032, sqluvqdp(org, 5, nullptr, &ca_));
    EXPECT_EQ(0, sqluvqdp(org, SQLU_QUIESCEMODE_EXCLUSIVE, nullptr, &ca_));
    EXPECT_NE(std::string::npos, readAll(folder_.path() + "/recovery/SAMPLE").find("DB2INST1.ORG"));
    EXPECT_EQ(0, sqluvqdp(org, SQLU_QUIESCEMODE_RESET, nullptr, &ca_));
    EXPECT_EQ(std::string::npos, readAll(folder_.path() + "/recovery/SAMPLE").find("DB2INST1.ORG"));

    std::string report = folder_.path() + "/reconcile.txt";
    EXPECT_EQ(-204, sqlurcon(org, nosuch, nullptr, nullptr, &ca_)) << "no exception table";
    EXPECT_EQ(0, sqlurcon(org, nullptr, &report[0], nullptr, &ca_));
    EXPECT_TRUE(fs::exists(report));
}

TEST_F(Db2SimRecovery, ADroppedDatabaseTakesItsHistory) {
    ASSERT_EQ(0, backup("SAMPLE"));
    ASSERT_EQ(0, restore("SAMPLE", "COPYDB", stamp()));
    ASSERT_TRUE(fs::exists(folder_.path() + "/history/COPYDB"));
    ASSERT_EQ(0, sqledrpd_api(const_cast<char*>("COPYDB"), nullptr, &ca_));
    EXPECT_FALSE(fs::exists(folder_.path() + "/history/COPYDB"));
    EXPECT_FALSE(fs::exists(folder_.path() + "/recovery/COPYDB"));
}

TEST_F(Db2SimRecovery, StorageManagersKeepImagesOfTheirOwn) {
    struct Case {
        char type;
        const char* location;
        int backupRc;
    };
    std::string library = folder_.path() + "/libvendor.so";
    writeAll(library, "");
    const Case cases[] = {{'A', nullptr, 0},
                          {'X', nullptr, 0},
                          {'O', library.c_str(), 0},
                          {'O', "/no/such/library.so", -2071},
                          {'U', nullptr, -2032}};
    for (const Case& c : cases) {
        std::string location = c.location == nullptr ? "" : c.location;
        char* locations[] = {&location[0]};
        db2MediaListStruct media{c.location == nullptr ? nullptr : locations,
                                 c.location == nullptr ? 0u : 1u, c.type};
        db2TablespaceStruct tablespaces{nullptr, 0};
        db2BackupStruct b{};
        b.piDBAlias = const_cast<char*>("SAMPLE");
        b.piTablespaceList = &tablespaces;
        b.piMediaList = &media;
        ca_ = zeroed();
        ASSERT_EQ(c.backupRc, db2Backup(db2Version970, &b, &ca_)) << c.type;
        if (c.backupRc != 0) {
            continue;
        }
        db2RestoreStruct r{};
        db2StoragePathsStruct paths{nullptr, 0};
        r.piSourceDBAlias = const_cast<char*>("SAMPLE");
        r.piTargetDBAlias = const_cast<char*>("VIAMGR");
        r.piTimestamp = b.oTimestamp;
        r.piTablespaceList = &tablespaces;
        r.piMediaList = &media;
        r.piStoragePaths = &paths;
        r.iCallerAction = DB2RESTORE_NOINTERRUPT;
        r.iOptions = DB2RESTORE_NOROLLFWD;
        EXPECT_EQ(0, db2Restore(db2Version970, &r, &ca_)) << c.type << " " << message(ca_);
        EXPECT_EQ(0, sqledrpd_api(const_cast<char*>("VIAMGR"), nullptr, &ca_)) << c.type;
    }
}

TEST_F(Db2SimRecovery, TheJournalShowsTheStructuresDecoded) {
    ASSERT_EQ(0, backup("SAMPLE"));
    std::string line = lastJournalLine();
    EXPECT_NE(std::string::npos, line.find("piMediaList=\"L[" + images_ + "]\"")) << line;
    EXPECT_NE(std::string::npos, line.find("iOptions=\"0x0\"")) << line;
    EXPECT_NE(std::string::npos, line.find("oTimestamp=\"" + stamp() + "\"")) << line;
    restore("SAMPLE", "COPYDB", stamp(), DB2RESTORE_RESTORE, DB2RESTORE_NOROLLFWD);
    line = lastJournalLine();
    EXPECT_NE(std::string::npos, line.find("piTimestamp=\"" + stamp() + "\"")) << line;
    EXPECT_NE(std::string::npos, line.find("iOptions=\"0x200\"")) << line;
}

TEST_F(Db2SimRecovery, AnEndedContextLeavesNothingWaiting) {
    ASSERT_EQ(0, backup("SAMPLE"));
    {
        ThreadContext other;
        EXPECT_EQ(1277, restore("SAMPLE", "MOVED", stamp(), 100));
        HistoryScan scan;
        ASSERT_EQ(0, scan.open("SAMPLE"));
        EXPECT_EQ(1, db2sim_counter("scans"));
        ASSERT_TRUE(other.end());
    }
    EXPECT_EQ(0, db2sim_counter("scans"));
    EXPECT_EQ(-2008, restore("SAMPLE", "MOVED", stamp(), DB2RESTORE_CONTINUE));
    EXPECT_EQ(1u, listDatabases().entries.size());
}

TEST_F(Db2SimRecovery, ScansFilterAndEntriesStayInTheirBuffers) {
    ASSERT_EQ(0, backup("SAMPLE"));
    ASSERT_EQ(0, backup("SAMPLE"));
    HistoryScan scan;
    ASSERT_EQ(0, scan.open("SAMPLE", DB2HISTORY_LIST_REORG));
    EXPECT_EQ(0u, scan.rows());
    EXPECT_EQ(0, scan.close());
    db2HistoryOpenStruct open{};
    open.piDatabaseAlias = const_cast<char*>("SAMPLE");
    open.piTimestamp = backup_.oTimestamp;
    open.piObjectName = const_cast<char*>("userspace1");
    ASSERT_EQ(0, db2HistoryOpenScan(db2Version970, &open, &ca_));
    EXPECT_EQ(1u, open.oNumRows) << "only the second backup is as new";
    EXPECT_EQ(3u, open.oMaxTbspaces);

    char command[8];
    std::memset(command, '#', sizeof(command));
    char name[4] = {'#', '#', '#', '#'};
    db2Char tablespace{name, 3, 0};
    sqlca event{};
    event.sqlcode = 77;
    db2HistoryData data{};
    std::memcpy(data.ioHistDataID, "SQLUHINF", 8);
    data.oCommandText = db2Char{command, 6, 0};
    data.poTablespace = &tablespace;
    data.iNumTablespaces = 1;
    data.poEventSQLCA = &event;
    db2HistoryGetEntryStruct get{&data, open.oHandle, DB2HISTORY_GET_ALL};
    EXPECT_EQ(2165, db2HistoryGetEntry(db2Version970, &get, &ca_)) << "3 table spaces, room for 1";
    EXPECT_EQ("BACKUP##", std::string(command, 8)) << "no terminator past iLength";
    EXPECT_EQ(6u, data.oCommandText.oLength);
    EXPECT_EQ("SYS#", std::string(name, 4));
    EXPECT_EQ(3u, data.oNumTablespaces);
    EXPECT_EQ(0, event.sqlcode);
    std::memcpy(data.ioHistDataID, "SQLUHINX", 8);
    EXPECT_EQ(-2032, db2HistoryGetEntry(db2Version970, &get, &ca_)) << "no eye-catcher";
    EXPECT_EQ(0, db2HistoryCloseScan(db2Version970, &open.oHandle, &ca_));
    EXPECT_EQ(-2032, db2HistoryCloseScan(db2Version970, &open.oHandle, &ca_)) << "closed";
}

TEST_F(Db2SimRecovery, RollforwardChecksTimeAndPartitions) {
    ASSERT_EQ(0, backup("SAMPLE"));
    ASSERT_EQ(0, restore("SAMPLE", "COPYDB", stamp()));
    char applicationId[128] = {};
    sqlint32 replies = -1;
    sqlurf_info info{};
    SQL_PDB_NODE_TYPE zero = 0;
    db2RfwdInputStruct in{};
    in.iVersion = SQLUM_RFWD_VERSION;
    in.piDbAlias = const_cast<char*>("COPYDB");
    in.iCallerAction = DB2ROLLFORWARD_RFWD_STOP;
    in.piStopTime = const_cast<char*>("2001-01-01-00.00.00.000000");
    in.iAllNodeFlag = SQLURF_ALL_EXCEPT;
    in.iNumNodes = 1;
    in.piNodeList = &zero;
    in.iNumNodeInfo = 1;
    db2RfwdOutputStruct out{applicationId, &replies, &info, 0};
    db2RollforwardStruct r{&in, &out};
    EXPECT_EQ(-1275, db2Rollforward(db2Version970, &r, &ca_)) << "before the image";
    in.piStopTime = const_cast<char*>("2026-02-30-00.00.00");
    EXPECT_EQ(-1275, db2Rollforward(db2Version970, &r, &ca_)) << "no such day";
    in.piStopTime = const_cast<char*>(SQLUM_INFINITY_TIMESTAMP);
    in.iCallerAction = 6;
    EXPECT_EQ(-2032, db2Rollforward(db2Version970, &r, &ca_)) << "no action 6";
    in.iCallerAction = DB2ROLLFORWARD_RFWD_STOP;
    EXPECT_EQ(0, db2Rollforward(db2Version970, &r, &ca_));
    EXPECT_EQ(0, replies) << "partition 0 excepted";
    EXPECT_EQ(0u, std::string(applicationId).find("*LOCAL."));
}

}  // namespace
