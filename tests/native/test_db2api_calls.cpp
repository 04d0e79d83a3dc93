// How the wrappers reach the client: result narrowing, decorated names, fixed arguments.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db2api/db2api.h"

namespace {

TEST(ResultNarrowing, SixteenBitResultsAreSignExtended) {
    EXPECT_EQ(db2::NarrowResult16(0xFFFF), -1);
    EXPECT_EQ(db2::NarrowResult16(0x8000), -32768);
    EXPECT_EQ(db2::NarrowResult16(0x7FFF), 32767);
    EXPECT_EQ(db2::NarrowResult16(1), 1);
    EXPECT_EQ(db2::NarrowResult16(-1), -1);
    EXPECT_EQ(db2::NarrowResult16(0x10001), 1);  // upper bits of a sloppy 32-bit result ignored
}

// The stand-in's call journal, reached through the library the loader already opened.
class ClientJournal {
  public:
    ClientJournal() {
        db2::DB2API::Instance();  // the loader opens the client; we only borrow it
        m_lib = dlopen("libdb2.so", RTLD_NOW | RTLD_NOLOAD);
        if (m_lib != nullptr) {
            m_read = reinterpret_cast<ReadFn*>(dlsym(m_lib, "db2sim_journal"));
            m_clear = reinterpret_cast<ClearFn*>(dlsym(m_lib, "db2sim_clear_journal"));
        }
    }
    ~ClientJournal() {
        if (m_lib != nullptr) {
            dlclose(m_lib);
        }
    }
    ClientJournal(const ClientJournal&) = delete;
    ClientJournal& operator=(const ClientJournal&) = delete;

    bool Usable() const { return m_read != nullptr && m_clear != nullptr; }
    void Clear() const { m_clear(); }
    std::string Text() const {
        std::vector<char> buf(m_read(nullptr, 0) + 1);
        m_read(buf.data(), buf.size());
        return std::string(buf.data());
    }
    // The journal line of the first call of entry, or "" when there was none.
    std::string LineOf(const std::string& entry) const {
        const std::string text = Text();
        const std::size_t at = text.find(entry + "(");
        return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
    }

  private:
    using ReadFn = size_t(char*, size_t);
    using ClearFn = void();
    void* m_lib = nullptr;
    ReadFn* m_read = nullptr;
    ClearFn* m_clear = nullptr;
};

class ClientCalls : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_journal.Usable()) << "stand-in client with a journal not loaded";
        m_journal.Clear();
    }
    const db2::DB2API& api() const { return db2::DB2API::Instance(); }

    ClientJournal m_journal;
    sqlca m_ca{};
};

TEST_F(ClientCalls, DecoratedNamesFallBackAndFixedArgumentsReplaceWhatTheCallerGives) {
    api().MonitorSwitches(db2Version900, nullptr, &m_ca);
    api().GetSnapshotSize(db2Version900, nullptr, &m_ca);
    api().ResetMonitor(db2Version900, nullptr, &m_ca);
    api().ArchiveLogV7(db2Version810, nullptr, &m_ca);
    api().ListDRDAInDoubtTransactionV9(db2Version900, nullptr, &m_ca);
    for (const char* entry : {"db2MonitorSwitches", "db2GetSnapshotSize", "db2ResetMonitor",
                              "db2ArchiveLog", "db2SpmListIndTrans"}) {
        EXPECT_NE(m_journal.LineOf(entry), "") << entry;
    }
    char alias[] = "SAMPLE";
    char callerPath[] = "/caller/path";
    char comment[] = "note";
    char reserved[] = "caller-reserved";
    api().ChangeDBComment(alias, callerPath, comment, &m_ca);
    api().DropDatabase(alias, reserved, &m_ca);

    const std::string comment_call = m_journal.LineOf("sqledcgd_api");
    ASSERT_NE(comment_call, "");
    EXPECT_EQ(comment_call.find("/caller/path"), std::string::npos) << comment_call;
    EXPECT_NE(comment_call.find("\"\""), std::string::npos) << comment_call;

    const std::string drop_call = m_journal.LineOf("sqledrpd_api");
    ASSERT_NE(drop_call, "");
    EXPECT_EQ(drop_call.find("caller-reserved"), std::string::npos) << drop_call;
    EXPECT_NE(drop_call.find("null"), std::string::npos) << drop_call;
}

TEST_F(ClientCalls, MessageFormatterIsToldTheCatalogueAndBufferSize) {
    char buf[kMessageBufferSize] = {};
    m_ca.sqlcode = -1013;
    api().GetErrorMessage(buf, kMessageBufferSize, 0, &m_ca);
    const std::string call = m_journal.LineOf("sqlaintp_api");
    EXPECT_NE(call.find("db2sql.mo"), std::string::npos) << call;
    EXPECT_NE(call.find("256"), std::string::npos) << call;
}

TEST(ClientLibrary, LookupsAreGuardedAgainstANullModule) {
    // dlsym(nullptr, ...) would search the whole process.
    EXPECT_EQ(db2::DB2API::GetProcAddress(nullptr, "dlsym"), nullptr);
    EXPECT_EQ(db2::DB2API::LoadLibrary("libdoes-not-exist.so"), nullptr);
}

}  // namespace
