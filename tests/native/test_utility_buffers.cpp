// The owners of what the utilities hand DB2: media lists, counted strings, db2Char buffers and
// string arrays.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "commands/countedstring.h"
#include "commands/db2charlist.h"
#include "commands/medialist.h"
#include "commands/stringarray.h"

TEST(MediaList, LocalEntriesWithTheirReserveLength) {
    MediaList list;
    std::string why;
    ASSERT_TRUE(
        list.buildLocal("/lob1,/tmp/lob2", MediaList::Reserve::kItemLength, "LOB path", why));
    const sqlu_media_list* l = list.get();
    EXPECT_EQ(l->media_type, 'L');
    ASSERT_EQ(l->sessions, 2);
    EXPECT_STREQ(l->target.media[1].media_entry, "/tmp/lob2");
    EXPECT_EQ(l->target.media[1].reserve_len, 9u);
    ASSERT_TRUE(list.buildLocal("/x", MediaList::Reserve::kZero, "XML path", why));
    EXPECT_EQ(list.get()->target.media[0].reserve_len, 0u);
    ASSERT_TRUE(list.buildLocal("", MediaList::Reserve::kItemLength, "LOB path", why));
    EXPECT_EQ(list.get()->media_type, 'L');
    EXPECT_EQ(list.get()->sessions, 0);
}

TEST(MediaList, APathThatDoesNotFitIsRefusedNotCut) {
    MediaList list;
    std::string why;
    const std::string fits(215, 'a');
    ASSERT_TRUE(list.buildLocal({fits}, MediaList::Reserve::kItemLength, "LOB path", why));
    EXPECT_EQ(std::strlen(list.get()->target.media[0].media_entry), 215u);
    EXPECT_EQ(list.get()->target.media[0].reserve_len, 215u);
    EXPECT_FALSE(
        list.buildLocal("/a," + fits + "b", MediaList::Reserve::kItemLength, "LOB path", why));
    EXPECT_EQ(why, "LOB path longer than 215 characters: " + fits + "b");
    EXPECT_EQ(list.get()->sessions, 0);
    const std::string location(256, 'f');
    EXPECT_TRUE(list.buildLocations('S', location.substr(1), "source file", why));
    EXPECT_FALSE(list.buildLocations('C', location, "source file", why));
    EXPECT_EQ(why, "source file longer than 255 characters: " + location);
    EXPECT_FALSE(list.buildVendor(location, 2, "vendor library", why));
}

TEST(MediaList, LocationsStatementVendorAndSessionsOnly) {
    MediaList list;
    std::string why;
    ASSERT_TRUE(list.buildLocations('C', "a.del,b.del", "source file", why));
    EXPECT_EQ(list.get()->media_type, 'C');
    ASSERT_EQ(list.get()->sessions, 2);
    EXPECT_STREQ(list.get()->target.location[1].location_entry, "b.del");
    list.buildStatement("SELECT a, b FROM t");
    EXPECT_EQ(list.get()->media_type, 'Q');
    EXPECT_EQ(list.get()->sessions, 1);
    EXPECT_EQ(list.get()->target.pStatement->length, 18u);
    EXPECT_STREQ(list.get()->target.pStatement->pEntry, "SELECT a, b FROM t");
    ASSERT_TRUE(list.buildVendor("/opt/lib/libvendor.so", 3, "vendor library", why));
    EXPECT_EQ(list.get()->media_type, 'O');
    EXPECT_EQ(list.get()->sessions, 3);
    EXPECT_STREQ(list.get()->target.vendor->shr_lib, "/opt/lib/libvendor.so");
    list.buildSessionsOnly('A', 4);
    EXPECT_EQ(list.get()->sessions, 4);
    EXPECT_EQ(list.get()->target.media, nullptr);
}

TEST(CountedString, SqlcharUpTo32767BytesAndSqllob) {
    CountedString s;
    std::string why;
    EXPECT_EQ(s.asSqlchar(), nullptr);
    ASSERT_TRUE(s.assignSqlchar("INSERT INTO T", "action string", why));
    ASSERT_NE(s.asSqlchar(), nullptr);
    EXPECT_EQ(s.asSqlchar()->length, 13);
    EXPECT_STREQ(s.asSqlchar()->data, "INSERT INTO T");
    EXPECT_EQ(s.asSqllob(), nullptr);
    ASSERT_TRUE(s.assignSqlchar("", "modifiers", why));
    EXPECT_EQ(s.asSqlchar()->length, 0);
    ASSERT_TRUE(s.assignSqlchar(std::string(32767, 'x'), "modifiers", why));
    EXPECT_EQ(s.asSqlchar()->length, 32767);
    EXPECT_FALSE(s.assignSqlchar(std::string(32768, 'x'), "modifiers", why));
    EXPECT_EQ(why, "modifiers longer than 32767 characters: " + std::string(40, 'x') + "...");
    EXPECT_EQ(s.asSqlchar(), nullptr);
    ASSERT_TRUE(s.assignSqllob(std::string(40000, 'y'), "statement", why));
    EXPECT_EQ(s.asSqllob()->length, 40000u);
    EXPECT_EQ(s.asSqllob()->data[40000], '\0');
}

TEST(DB2CharList, AdjacentEntriesWithTheirLengths) {
    DB2CharList list;
    std::string why;
    EXPECT_EQ(list.data(), nullptr);
    std::vector<std::string> texts{"S1", "", "LONGER_SCHEMA"};
    for (int i = 0; i < 20; ++i) {
        texts.push_back("S" + std::to_string(i));  // enough to make the storage grow
    }
    ASSERT_TRUE(list.assign(texts, "ignore schemas", why));
    ASSERT_EQ(list.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(list.data()[i].iLength, texts[i].size());
        EXPECT_EQ(std::string(list.data()[i].pioData), texts[i]);
        EXPECT_EQ(list.data()[i].oLength, 0u);
    }
}

TEST(StringArray, CopiesStayAtTheirAddresses) {
    StringArray array;
    EXPECT_EQ(array.data(), nullptr);
    EXPECT_FALSE(array.present());
    std::vector<std::string> texts;
    for (int i = 0; i < 50; ++i) {
        texts.push_back(i % 2 == 0 ? "TS" + std::to_string(i) : std::string(40, 'a' + i % 26));
    }
    array.assign(texts);
    ASSERT_EQ(array.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(std::string(array.data()[i]), texts[i]);
    }
    array.assign({});
    EXPECT_TRUE(array.present());
    EXPECT_EQ(array.data(), nullptr);
    EXPECT_EQ(array.size(), 0u);
}
