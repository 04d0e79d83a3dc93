// The monitor: snapshot streams (well formed, sizes that add up, buffer full, estimates, no
// data), switches and resets per attachment, force, table space and container queries and the
// in-doubt lists, with the memory they hand out.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

// One element of a monitor stream, its groups read recursively.
struct Element {
    uint16_t type = 0;
    uint16_t id = 0;
    std::string data;
    std::vector<Element> children;

    uint32_t u32() const {
        uint32_t value = 0;
        std::memcpy(&value, data.data(), std::min(data.size(), sizeof(value)));
        return value;
    }
    // Every element with that id below this one, depth first.
    void collect(uint16_t wanted, std::vector<const Element*>& found) const {
        for (const Element& child : children) {
            if (child.id == wanted) {
                found.push_back(&child);
            }
            child.collect(wanted, found);
        }
    }
    std::vector<const Element*> all(uint16_t wanted) const {
        std::vector<const Element*> found;
        collect(wanted, found);
        return found;
    }
};

// Reads `size` bytes of elements; a group's size must hold exactly its children.
bool parse(const unsigned char* at, size_t size, std::vector<Element>& out) {
    size_t offset = 0;
    while (offset < size) {
        if (size - offset < sizeof(sqlm_header_info)) {
            return false;
        }
        sqlm_header_info header;
        std::memcpy(&header, at + offset, sizeof(header));
        offset += sizeof(header);
        if (header.size > size - offset) {
            return false;
        }
        Element element{header.type, header.element, {}, {}};
        if (header.type == SQLM_TYPE_HEADER) {
            if (!parse(at + offset, header.size, element.children)) {
                return false;
            }
        } else {
            element.data.assign(reinterpret_cast<const char*>(at + offset), header.size);
        }
        out.push_back(std::move(element));
        offset += header.size;
    }
    return true;
}

class Db2SimMonitor : public Db2SimInstanceTest {
  protected:
    struct Snapshot {
        int rc = 0;
        std::vector<unsigned char> bytes;
        Element collected;
    };

    static sqlma request(sqluint32 type, const char* object = "", sqluint32 agent = 0) {
        sqlma ma{};
        ma.obj_num = 1;
        ma.obj_var[0].obj_type = type;
        ma.obj_var[0].agent_id = agent;
        std::strncpy(ma.obj_var[0].object, object, SQLM_OBJECT_SZ - 1);
        return ma;
    }

    Snapshot snapshot(sqluint32 type, const char* object = "", db2int32 size = 65536,
                      sqluint32 agent = 0) {
        sqlma ma = request(type, object, agent);
        Snapshot shot;
        shot.bytes.assign(static_cast<size_t>(size), 0xAB);
        sqlm_collected collected{};
        db2Uint32 format = 0;
        db2GetSnapshotData in{&ma, &collected,        shot.bytes.data(), SQLM_DBMON_VERSION8, size,
                              0,   SQLM_CURRENT_NODE, &format,           SQLM_CLASS_DEFAULT};
        sqlca ca = zeroed();
        shot.rc = db2GetSnapshot(db2Version810, &in, &ca);
        if (shot.rc == 0) {
            sqlm_header_info top;
            std::memcpy(&top, shot.bytes.data(), sizeof(top));
            std::vector<Element> elements;
            EXPECT_TRUE(parse(shot.bytes.data(), top.size + sizeof(top), elements));
            EXPECT_EQ(1u, elements.size()) << "one top-level element";
            if (!elements.empty()) {
                shot.collected = elements.front();
            }
            EXPECT_EQ(SQLM_STREAM_DYNAMIC_FORMAT, format);
        }
        return shot;
    }

    static sqluint32 estimate(sqluint32 type, const char* object = "") {
        sqlma ma = request(type, object);
        sqluint32 size = 0;
        db2GetSnapshotSizeData in{&ma, &size, SQLM_DBMON_VERSION8, SQLM_CURRENT_NODE,
                                  SQLM_CLASS_DEFAULT};
        sqlca ca = zeroed();
        EXPECT_EQ(0, db2GetSnapshotSize(db2Version810, &in, &ca));
        return size;
    }

    // Sets the switches of the calling context: one state per group.
    static int setSwitches(std::vector<sqluint32> states, sqlm_recording_group* out = nullptr) {
        sqlm_recording_group groups[SQLM_NUM_GROUPS] = {};
        for (size_t i = 0; i < SQLM_NUM_GROUPS; ++i) {
            groups[i].input_state = i < states.size() ? states[i] : SQLM_HOLD;
        }
        db2MonitorSwitchesData in{groups, nullptr, 0, 0, SQLM_DBMON_VERSION8, SQLM_CURRENT_NODE,
                                  nullptr};
        sqlca ca = zeroed();
        int rc = db2MonitorSwitches(db2Version810, &in, &ca);
        if (out != nullptr) {
            std::memcpy(out, groups, sizeof(groups));
        }
        return rc;
    }

    static int reset(const char* alias) {
        db2ResetMonitorData in{alias == nullptr ? 1u : 0u, const_cast<char*>(alias),
                               SQLM_DBMON_VERSION7, SQLM_CURRENT_NODE};
        sqlca ca = zeroed();
        return db2ResetMonitor(db2Version810, &in, &ca);
    }

    static int force(std::vector<sqluint32> ids, unsigned short mode = SQL_ASYNCH) {
        sqlca ca = zeroed();
        return ids.empty() ? sqlefrce_api(SQL_ALL_USERS, nullptr, mode, &ca)
                           : sqlefrce_api(static_cast<sqlint32>(ids.size()), ids.data(), mode, &ca);
    }

    static uint32_t value(const Element& group, uint16_t id) {
        std::vector<const Element*> found = group.all(id);
        return found.empty() ? UINT32_MAX : found.front()->u32();
    }
};

// Every request gives one COLLECTED element whose nested sizes add up (checked by parse) and
// holds the group the request asks for.
TEST_F(Db2SimMonitor, StreamsAreWellFormedForEveryRequest) {
    Connected app;
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    const std::map<sqluint32, uint16_t> kGroups = {
        {SQLMA_DB2, SQLM_ELM_DB2},
        {SQLMA_DBASE, SQLM_ELM_DBASE},
        {SQLMA_DBASE_ALL, SQLM_ELM_DBASE},
        {SQLMA_APPL_ALL, SQLM_ELM_APPL},
        {SQLMA_DBASE_APPLS, SQLM_ELM_APPL},
        {SQLMA_DBASE_LOCKS, SQLM_ELM_DB_LOCK_LIST},
        {SQLMA_DBASE_TABLESPACES, SQLM_ELM_TABLESPACE_LIST},
        {SQLMA_DBASE_BUFFERPOOLS, SQLM_ELM_BUFFERPOOL},
        {SQLMA_BUFFERPOOLS_ALL, SQLM_ELM_BUFFERPOOL},
    };
    for (const auto& [type, group] : kGroups) {
        Snapshot shot = snapshot(type, "sample");
        ASSERT_EQ(0, shot.rc) << std::hex << type;
        EXPECT_EQ(SQLM_ELM_COLLECTED, shot.collected.id);
        EXPECT_EQ(SQLM_TYPE_HEADER, shot.collected.type);
        EXPECT_EQ(1u, shot.collected.all(group).size()) << std::hex << type;
    }
    Snapshot tablespaces = snapshot(SQLMA_DBASE_TABLESPACES, "SAMPLE");
    EXPECT_EQ(3u, tablespaces.collected.all(SQLM_ELM_TABLESPACE).size());
    EXPECT_EQ(3u, tablespaces.collected.all(SQLM_ELM_TABLESPACE_CONTAINER).size());
}

TEST_F(Db2SimMonitor, RefusalsAndNoData) {
    EXPECT_EQ(1611, snapshot(SQLMA_DBASE, "SAMPLE").rc) << "not active";
    EXPECT_EQ(1611, snapshot(SQLMA_APPL_ALL).rc);
    EXPECT_EQ(-1013, snapshot(SQLMA_DBASE, "NOSUCH").rc);
    EXPECT_EQ(-1603, snapshot(SQLMA_DBASE, "").rc);
    EXPECT_EQ(-1602, snapshot(0x7777).rc);

    sqlma ma = request(SQLMA_DB2);
    std::memset(ma.obj_var[0].object, 'x', SQLM_OBJECT_SZ);
    ma.obj_var[0].obj_type = SQLMA_DBASE;
    char buffer[256];
    db2GetSnapshotData in{&ma, nullptr, buffer, SQLM_DBMON_VERSION8, sizeof(buffer), 0,
                          0,   nullptr, 0};
    sqlca ca = zeroed();
    EXPECT_EQ(-1604, db2GetSnapshot(db2Version810, &in, &ca)) << "object without its NUL";
    ma = request(SQLMA_DB2);
    for (db2Uint32 version : {4u, 10u}) {
        in.iVersion = version;
        EXPECT_EQ(-1610, db2GetSnapshot(db2Version810, &in, &ca)) << version;
    }
    in.iVersion = SQLM_DBMON_VERSION8;
    in.poBuffer = nullptr;
    EXPECT_EQ(-1601, db2GetSnapshot(db2Version810, &in, &ca));
}

// A short buffer answers +1606 and is left as it was; the estimate is never below what a
// snapshot writes, and a buffer of the estimate takes it.
TEST_F(Db2SimMonitor, ShortBufferAndEstimate) {
    Connected app;
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    ASSERT_EQ(0, db2sim_set_idle_applications(500));
    Snapshot whole = snapshot(SQLMA_APPL_ALL, "", 1 << 20);
    ASSERT_EQ(0, whole.rc);
    sqlm_header_info top;
    std::memcpy(&top, whole.bytes.data(), sizeof(top));
    size_t written = top.size + sizeof(top);
    EXPECT_EQ(501u, whole.collected.all(SQLM_ELM_APPL).size());

    Snapshot shortOne = snapshot(SQLMA_APPL_ALL, "", static_cast<db2int32>(written - 1));
    EXPECT_EQ(1606, shortOne.rc);
    EXPECT_EQ(std::vector<unsigned char>(written - 1, 0xAB), shortOne.bytes);

    sqluint32 size = estimate(SQLMA_APPL_ALL);
    EXPECT_GE(size, written);
    EXPECT_EQ(0, snapshot(SQLMA_APPL_ALL, "", static_cast<db2int32>(written)).rc);
}

// Each attachment has its own switches; a context without one is attached to the local
// instance, and that attachment ends with a detach.
TEST_F(Db2SimMonitor, SwitchesBelongToTheAttachment) {
    Connected app;
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    ThreadContext first;
    ASSERT_EQ(0, db2sim_counter("attachments"));
    sqlm_recording_group groups[SQLM_NUM_GROUPS];
    ASSERT_EQ(0, setSwitches({SQLM_ON, SQLM_HOLD, SQLM_OFF, SQLM_ON}, groups));
    EXPECT_EQ(1, db2sim_counter("attachments")) << "implicit attachment";
    EXPECT_EQ(SQLM_ON, groups[SQLM_UOW_SW].output_state);
    EXPECT_NE(0u, groups[SQLM_UOW_SW].start_time.seconds);
    EXPECT_EQ(SQLM_OFF, groups[SQLM_STATEMENT_SW].output_state);
    EXPECT_EQ(SQLM_ON, groups[SQLM_TIMESTAMP_SW].output_state) << "dft_mon_timestamp is on";
    Element db = snapshot(SQLMA_DBASE, "SAMPLE").collected;
    EXPECT_NE(UINT32_MAX, value(db, SQLM_ELM_POOL_DATA_L_READS)) << "buffer pool switch on";
    EXPECT_EQ(SQLM_ON, value(snapshot(SQLMA_DB2).collected.all(SQLM_ELM_UOW_SW)[0][0],
                             SQLM_ELM_OUTPUT_STATE));
    {
        ThreadContext second;
        Element other = snapshot(SQLMA_DBASE, "SAMPLE").collected;
        EXPECT_EQ(UINT32_MAX, value(other, SQLM_ELM_POOL_DATA_L_READS)) << "defaults: off";
    }
    sqlca ca = zeroed();
    EXPECT_EQ(0, sqledtin_api(&ca)) << "the implicit attachment is detached like any other";
    EXPECT_EQ(0, db2sim_counter("attachments"));
    EXPECT_EQ(UINT32_MAX,
              value(snapshot(SQLMA_DBASE, "SAMPLE").collected, SQLM_ELM_POOL_DATA_L_READS))
        << "the switches went with the attachment";
    EXPECT_EQ(-1610, setSwitches({3}));
}

TEST_F(Db2SimMonitor, ResetCountsFromNowForItsAttachmentOnly) {
    Connected one;
    Connected two;
    ASSERT_EQ(SQL_SUCCESS, one.connect("SAMPLE"));
    ASSERT_EQ(SQL_SUCCESS, two.connect("SAMPLE"));
    ThreadContext resetter;
    EXPECT_EQ(2u, value(snapshot(SQLMA_DBASE, "SAMPLE").collected, SQLM_ELM_TOTAL_CONS));
    ASSERT_EQ(0, reset("SAMPLE"));
    Element after = snapshot(SQLMA_DBASE, "SAMPLE").collected;
    EXPECT_EQ(0u, value(after, SQLM_ELM_TOTAL_CONS));
    EXPECT_EQ(2u, value(after, SQLM_ELM_APPLS_CUR_CONS));
    EXPECT_EQ(1u, after.all(SQLM_ELM_LAST_RESET).size());
    {
        ThreadContext other;
        EXPECT_EQ(2u, value(snapshot(SQLMA_DBASE, "SAMPLE").collected, SQLM_ELM_TOTAL_CONS));
    }
    EXPECT_EQ(0, reset(nullptr));
    EXPECT_EQ(-1013, reset("NOSUCH"));
}

// Force ends connections by agent id or all of them; ids that name nothing are passed over.
TEST_F(Db2SimMonitor, ForceEndsConnections) {
    Connected one;
    Connected two;
    ASSERT_EQ(SQL_SUCCESS, one.connect("SAMPLE"));
    ASSERT_EQ(SQL_SUCCESS, two.connect("SAMPLE"));
    Snapshot before = snapshot(SQLMA_APPL_ALL);
    std::vector<const Element*> apps = before.collected.all(SQLM_ELM_AGENT_ID);
    ASSERT_EQ(2u, apps.size());
    sqluint32 first = apps[0]->u32();
    EXPECT_EQ(0, force({first, 999999}));
    EXPECT_EQ(1, db2sim_counter("connections"));
    EXPECT_EQ(apps[1]->u32(), value(snapshot(SQLMA_APPL_ALL).collected, SQLM_ELM_AGENT_ID));
    EXPECT_EQ(0, force({first}));
    EXPECT_EQ(1, db2sim_counter("connections")) << "already gone: nothing more";
    EXPECT_EQ(-2032, force({}, 1)) << "only the asynchronous mode";
    EXPECT_EQ(0, force({}));
    EXPECT_EQ(0, db2sim_counter("connections"));
    EXPECT_EQ(SQL_SUCCESS_WITH_INFO, one.disconnect()) << "a forced connection is released";
    EXPECT_EQ(SQL_ERROR, one.disconnect()) << "and then no longer connected";
}

TEST_F(Db2SimMonitor, TablespaceAndContainerListsAreHandedOutMemory) {
    Connected app;
    ThreadContext thread;
    OnContext on(app.ctx());
    sqlca ca = zeroed();
    sqluint32 count = 0;
    SQLB_TBSPQRY_DATA** list = nullptr;
    void*** out = reinterpret_cast<void***>(&list);
    EXPECT_EQ(-1024, sqlbmtsq(&ca, &count, out, SQLB_RESERVED1, SQLB_RESERVED2));
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    ASSERT_EQ(0, sqlbmtsq(&ca, &count, out, SQLB_RESERVED1, SQLB_RESERVED2));
    ASSERT_EQ(3u, count);
    EXPECT_EQ(1, db2sim_counter("memory")) << "one block for the list";
    std::vector<std::string> names;
    for (sqluint32 i = 0; i < count; ++i) {
        EXPECT_EQ("TBSQ0030", std::string(list[i]->tbspqver, SQLB_SVERSION_SIZE));
        EXPECT_EQ(i, list[i]->id);
        names.emplace_back(list[i]->name, list[i]->nameLen);
    }
    EXPECT_EQ((std::vector<std::string>{"SYSCATSPACE", "TEMPSPACE1", "USERSPACE1"}), names);
    EXPECT_EQ(SQLB_TBS_SMS | SQLB_TBS_SYSTMP, list[1]->flags);
    EXPECT_EQ(0, sqlefmem_api(&ca, list));
    EXPECT_EQ(0, db2sim_counter("memory"));

    SQLB_TBS_STATS stats{};
    EXPECT_EQ(0, sqlbgtss(&ca, 2, &stats));
    EXPECT_EQ(stats.totalPages, stats.usedPages);
    SQLB_TBSCONTQRY_DATA* containers = nullptr;
    void** data = reinterpret_cast<void**>(&containers);
    ASSERT_EQ(0, sqlbtcq(&ca, 0, &count, data));
    ASSERT_EQ(1u, count);
    EXPECT_EQ(SQLB_CONT_PATH, containers[0].contType);
    EXPECT_EQ(strnlen(containers[0].name, sizeof(containers[0].name)), containers[0].nameLen);
    EXPECT_EQ(0, sqlefmem_api(&ca, containers));
    EXPECT_EQ(-204, sqlbtcq(&ca, 77, &count, data));
    EXPECT_EQ(-204, sqlbgtss(&ca, 77, &stats));
    EXPECT_EQ(0, db2sim_counter("memory"));
}

TEST_F(Db2SimMonitor, IndoubtTransactionsOfTheThreeLists) {
    ASSERT_EQ(0, db2sim_add_indoubt(0, "sample", "GTRID-1", "alice"));
    ASSERT_EQ(0, db2sim_add_indoubt(1, "SAMPLE", "GTRID-2", nullptr));
    EXPECT_EQ(-1, db2sim_add_indoubt(0, "NOSUCH", "G", nullptr));
    EXPECT_EQ(-1, db2sim_add_indoubt(0, "SAMPLE", "", nullptr));
    Connected app;
    ThreadContext thread;
    OnContext on(app.ctx());
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));

    sqlca ca = zeroed();
    SQLXA_RECOVER* xa = nullptr;
    sqlint32 count = 0;
    ASSERT_EQ(0, sqlxphqr(SQLXA_EXE_THIS_NODE, reinterpret_cast<void**>(&xa), &count, &ca));
    ASSERT_EQ(1, count);
    EXPECT_EQ("GTRID-1", std::string(xa->xid.data, xa->xid.gtrid_length));
    EXPECT_EQ("ALICE   ", std::string(xa->auth_id, sizeof(xa->auth_id)));
    EXPECT_EQ(SQLXA_TS_PREP, xa->indoubt_status);
    EXPECT_EQ(1, db2sim_counter("memory"));
    EXPECT_EQ(0, sqlefmem_api(&ca, xa));

    SQLCSPQY_INDOUBT* drda = nullptr;
    ASSERT_EQ(0, sqlcspqy(reinterpret_cast<void**>(&drda), &count, &ca));
    ASSERT_EQ(1, count);
    EXPECT_STREQ("SAMPLE", drda->dbname);
    EXPECT_EQ(0, db2sim_counter("memory")) << "sqlcspqy's list stays the stand-in's";

    db2SpmListIndTransStruct spm{nullptr, 0, 0, 0, 0};
    ASSERT_EQ(0, db2SpmListIndTrans(9000000, &spm, &ca));
    EXPECT_EQ(1u, spm.oNumIndoubtsTotal);
    EXPECT_EQ(0u, spm.oNumIndoubtsReturned);
    ASSERT_EQ(sizeof(db2SpmRecoverStruct), spm.oReqBufferLen);
    std::vector<db2SpmRecoverStruct> entries(1);
    spm = db2SpmListIndTransStruct{entries.data(), spm.oReqBufferLen, 0, 0, 0};
    ASSERT_EQ(0, db2SpmListIndTrans(9000000, &spm, &ca));
    EXPECT_EQ(1u, spm.oNumIndoubtsReturned);
    EXPECT_EQ("GTRID-2", std::string(entries[0].xid.data, entries[0].xid.gtrid_length));
    EXPECT_EQ(-2032, db2SpmListIndTrans(8010000, &spm, &ca));
}

// A database's own table space file: DMS containers give the pages (an extent per container
// kept back), automatic storage one file the database manages, other names ids from 3.
TEST_F(Db2SimMonitor, DmsAndAutomaticTablespacesFromTheStateFile) {
    std::filesystem::create_directories(folder_.path() + "/tablespaces");
    std::ofstream(folder_.path() + "/tablespaces/SAMPLE")
        << "SYSCATSPACE\tS\t\t\t\n"
        << "DATA\tD\tF\t1000\t/data/c0\nDATA\tD\tD\t500\t/dev/raw1\n"
        << "AUTO\tA\t\t\t\n";
    Connected app;
    ThreadContext thread;
    OnContext on(app.ctx());
    ASSERT_EQ(SQL_SUCCESS, app.connect("SAMPLE"));
    sqlca ca = zeroed();
    SQLB_TBS_STATS data{};
    ASSERT_EQ(0, sqlbgtss(&ca, 3, &data));
    EXPECT_EQ(1500u, data.totalPages);
    EXPECT_EQ(960u + 448u, data.useablePages) << "1000 and 500 pages less a part and an extent";
    EXPECT_EQ(96u, data.usedPages);
    EXPECT_EQ(data.useablePages - data.usedPages, data.freePages);
    SQLB_TBSCONTQRY_DATA* containers = nullptr;
    sqluint32 count = 0;
    ASSERT_EQ(0, sqlbtcq(&ca, 3, &count, reinterpret_cast<void**>(&containers)));
    ASSERT_EQ(2u, count);
    EXPECT_EQ(SQLB_CONT_FILE, containers[0].contType);
    EXPECT_EQ(SQLB_CONT_DISK, containers[1].contType);
    EXPECT_STREQ("/dev/raw1", containers[1].name);
    EXPECT_EQ(0, sqlefmem_api(&ca, containers));
    SQLB_TBS_STATS automatic{};
    ASSERT_EQ(0, sqlbgtss(&ca, 4, &automatic));
    EXPECT_EQ(8192u, automatic.totalPages);
    EXPECT_EQ(-204, sqlbgtss(&ca, 1, &automatic)) << "no TEMPSPACE1 in this file";
}

}  // namespace
