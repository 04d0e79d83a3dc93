// The stand-in's readers of program files, bind files and option blocks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db2sim/maintenance/bindfile.h"
#include "db2sim/maintenance/bindoptions.h"
#include "db2sim/maintenance/programfile.h"

using db2sim::BindFile;
using db2sim::BindOptions;
using db2sim::ProgramFile;
using db2sim::ProgramScan;

namespace {

std::vector<std::string> texts(const ProgramScan& scan) {
    std::vector<std::string> out;
    for (const auto& statement : scan.statements) {
        out.push_back(std::to_string(statement.line) + ":" + statement.text);
    }
    return out;
}

}  // namespace

TEST(ProgramFileTest, KeepsEmbeddedStatementsOutsideCommentsAndLiterals) {
    const ProgramScan scan = ProgramFile::scan(
        "#include <stdio.h>\n"
        "EXEC SQL INCLUDE SQLCA;\n"
        "EXEC SQL BEGIN DECLARE SECTION; short id; EXEC SQL END DECLARE SECTION;\n"
        "/* EXEC SQL DROP TABLE X; */ const char* s = \"EXEC SQL DELETE;\";\n"
        "int main() { // EXEC SQL nonsense;\n"
        "  exec sql SELECT NAME\n"
        "     INTO :name -- the name; nothing more\n"
        "     FROM STAFF WHERE NAME = 'a;b  c';\n"
        "  EXEC SQL COMMIT;\n"
        "}\n");
    EXPECT_EQ(0, scan.sqlcode);
    EXPECT_EQ((std::vector<std::string>{"6:SELECT NAME INTO :name FROM STAFF WHERE NAME = 'a;b  c'",
                                        "9:COMMIT"}),
              texts(scan));
}

struct Refusal {
    const char* source;
    int sqlcode;
    std::vector<std::string> tokens;
    int line;
};

class ProgramFileRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(ProgramFileRefusalTest, NamesTheFaultAndWhere) {
    const ProgramScan scan = ProgramFile::scan(GetParam().source);
    EXPECT_EQ(GetParam().sqlcode, scan.sqlcode);
    EXPECT_EQ(GetParam().tokens, scan.tokens);
    EXPECT_EQ(GetParam().line, scan.line);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ProgramFileRefusalTest,
    ::testing::Values(
        Refusal{"x;\n\nEXEC SQL SELEKT 1;", -104, {"SELEKT", "EXEC SQL", "SELECT"}, 3},
        Refusal{"EXEC SQL ;", -104, {";", "EXEC SQL", "SELECT"}, 1},
        Refusal{"EXEC SQL COMMIT", -104, {"END-OF-FILE", "EXEC SQL", ";"}, 1},
        Refusal{"EXEC\nSQL SELECT 'abc;\n", -10, {"'abc;\n"}, 2},
        // A word after EXEC that is not SQL leaves the line count where it was.
        Refusal{"EXEC\n\nSEXQL\nEXEC SQL BAD;", -104, {"BAD", "EXEC SQL", "SELECT"}, 4}));

TEST(BindFileTest, ReadsBackWhatItWritesAndNothingElse) {
    BindFile file;
    file.program = "/tmp/prog.sqc";
    file.package = "PROG";
    file.version = "V1";
    file.statements = {"SELECT 1 FROM T WHERE C = 'x\ny'", "COMMIT"};
    const std::string text = file.serialize();
    BindFile back;
    ASSERT_TRUE(BindFile::parse(text, back));
    EXPECT_EQ(text, back.serialize());
    EXPECT_EQ("", back.schema);
    EXPECT_EQ(file.statements, back.statements);

    const std::string broken[] = {
        text.substr(0, text.size() - 1),  // no line end after END
        text + "x",                       // something after END
        std::string(text).replace(text.find("STATEMENTS 2"), 12, "STATEMENTS 3"),
        std::string(text).replace(text.find("STATEMENTS 2"), 12, "STATEMENTS 02"),
        std::string(text).replace(text.find(".PROG"), 5, ".PROGRAM12"),  // nine characters
        std::string(text).replace(text.find("6:COMMIT"), 8, "9:COMMIT"),
        "",
        "DB2SIM BIND 2\n",
    };
    for (const std::string& bad : broken) {
        BindFile untouched;
        untouched.package = "KEPT";
        EXPECT_FALSE(BindFile::parse(bad, untouched)) << bad;
        EXPECT_EQ("KEPT", untouched.package);
    }
}

// An option block as the library lays it out, with texts it owns.
class OptionBlockImage {
  public:
    void add(sqluint32 type, sqluintptr value) { pairs.push_back({type, value}); }
    void addText(sqluint32 type, const std::string& text) {
        auto buffer = std::make_unique<std::vector<char>>(2 + text.size() + 1, '\0');
        const auto length = static_cast<sqluint16>(text.size());
        std::memcpy(buffer->data(), &length, 2);
        std::memcpy(buffer->data() + 2, text.data(), text.size());
        add(type, reinterpret_cast<sqluintptr>(buffer->data()));
        texts.push_back(std::move(buffer));
    }
    sqlopt* block(sqluint32 allocated, sqluint32 used) {
        storage.assign(offsetof(sqlopt, option) + (pairs.size() + 1) * sizeof(sqloptions), 0);
        auto* opt = reinterpret_cast<sqlopt*>(storage.data());
        opt->header = {allocated, used};
        std::memcpy(storage.data() + offsetof(sqlopt, option), pairs.data(),
                    pairs.size() * sizeof(sqloptions));
        return opt;
    }

  private:
    std::vector<sqloptions> pairs;
    std::vector<std::unique_ptr<std::vector<char>>> texts;
    std::vector<unsigned char> storage;
};

TEST(BindOptionsTest, ReadsNumbersAndTextsWithinTheUsedCount) {
    OptionBlockImage image;
    image.addText(SQL_PKG_OPT, "PROG");
    image.add(SQL_ISO_OPT, 2);
    image.add(SQL_DEGREE_OPT, static_cast<sqluintptr>(-1));
    image.add(SQL_ACTION_OPT, 1);  // beyond `used`: never read
    const sqlopt* block = image.block(45, 3);
    BindOptions options;
    std::string why;
    ASSERT_TRUE(BindOptions::read(block, options, why));
    EXPECT_EQ("PROG", options.text(SQL_PKG_OPT));
    EXPECT_EQ(2, options.number(SQL_ISO_OPT, 0));
    EXPECT_EQ(-1, options.number(SQL_DEGREE_OPT, 0));
    EXPECT_FALSE(options.has(SQL_ACTION_OPT));
    EXPECT_EQ("allocated=45 used=3 [(23,\"PROG\") (4,2) (47,-1)]", BindOptions::describe(block));

    EXPECT_FALSE(BindOptions::read(image.block(2, 3), options, why)) << "used over allocated";
    OptionBlockImage nullText;
    nullText.add(SQL_BIND_OPT, 0);
    EXPECT_FALSE(BindOptions::read(nullText.block(1, 1), options, why));
    EXPECT_TRUE(BindOptions::read(nullptr, options, why));
    EXPECT_FALSE(options.has(SQL_PKG_OPT));
}
