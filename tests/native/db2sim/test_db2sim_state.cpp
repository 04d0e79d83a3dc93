// What the instance keeps in its state folder: users and databases.
#include <fstream>
#include <iterator>

#include "instancefixture.h"

namespace {

using Db2SimState = Db2SimInstanceTest;

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

int attachAs(const char* user, const char* password) {
    sqlca ca{};
    return sqleatin_api(const_cast<char*>(""), const_cast<char*>(user), const_cast<char*>(password),
                        &ca);
}

TEST_F(Db2SimState, AFreshFolderHoldsTheOwnerAndSample) {
    EXPECT_EQ("DB2INST1:db2sim\n", readFile(folder_.path() + "/users"));
    EXPECT_EQ("name=SAMPLE\talias=SAMPLE\n", readFile(folder_.path() + "/databases"));
}

TEST_F(Db2SimState, UsersOutliveAReset) {
    ASSERT_EQ(0, db2sim_add_user("alice", "pw1"));
    ASSERT_EQ(0, db2sim_add_user("ALICE", "pw2")) << "same user, new password";
    EXPECT_EQ(-1, db2sim_add_user("toolongname", "pw"));
    EXPECT_EQ(-1, db2sim_add_user("a:b", "pw")) << "would break the file";
    EXPECT_EQ(-1, db2sim_add_user("bob", "a\nb"));
    db2sim_reset();
    ThreadContext ctx;
    EXPECT_EQ(0, attachAs("Alice", "pw2"));
    EXPECT_EQ(-30082, attachAs("alice", "pw1"));
    EXPECT_EQ(0, attachAs("db2inst1", "db2sim"));
}

TEST_F(Db2SimState, TheOwnerIsAddedToAnExistingList) {
    writeFile(folder_.path() + "/users", "CAROL:c\n");
    ScopedEnv renamed("DB2INSTANCE", "inst2");
    db2sim_reset();
    ThreadContext ctx;
    EXPECT_EQ(0, attachAs("carol", "c"));
    EXPECT_EQ(0, attachAs("inst2", "db2sim"));
    EXPECT_EQ(-30082, attachAs("db2inst1", "db2sim"));
}

TEST_F(Db2SimState, DatabasesAreReadBackWithFieldsOfOtherAreas) {
    std::string databases = folder_.path() + "/databases";
    writeFile(databases, "name=SALES\talias=SALESDB\tpath=/data\n");
    resetInstance();
    Connected app;
    EXPECT_EQ(SQL_ERROR, app.connect("SAMPLE")) << "the folder's list replaces the default";
    EXPECT_EQ(SQL_ERROR, app.connect("SALES")) << "found by alias, not by name";
    EXPECT_EQ(SQL_SUCCESS, app.connect("salesdb"));
}

}  // namespace
