// Shared helpers of the stand-in's tests: a fresh instance per test, zeroed sqlca, journal lines.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "db2sim/core/control.h"
#include "db2sim/core/entrypoints.h"

class Db2SimTest : public ::testing::Test {
  protected:
    void SetUp() override { db2sim_reset(); }
    void TearDown() override { db2sim_reset(); }

    static sqlca zeroed() {
        sqlca ca;
        std::memset(&ca, 0, sizeof(ca));
        return ca;
    }

    static std::vector<std::string> journal() {
        std::string text(db2sim_journal(nullptr, 0) + 1, '\0');
        text.resize(db2sim_journal(&text[0], text.size()));
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    static std::string lastJournalLine() {
        std::vector<std::string> lines = journal();
        return lines.empty() ? std::string() : lines.back();
    }

    // The formatter's text for an sqlca, as the library asks for it.
    static std::string message(sqlca& ca) {
        char buffer[256];
        int rc = sqlaintp_api(buffer, sizeof(buffer), 0, "db2sql.mo", &ca);
        return rc > 0 ? std::string(buffer) : "rc " + std::to_string(rc);
    }

    static std::string field(const char* data, size_t size) { return std::string(data, size); }
};
