#include "db2sim/recovery/recoverystate.h"

#include <cstdio>
#include <sstream>

#include "db2sim/directory/directoriesfields.h"

namespace db2sim {
namespace {

constexpr std::uint32_t kMaxLog = 9999999;

std::uint32_t logNumber(const std::string& text) {
    if (text.empty() || text.size() > 7 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::stoul(text));
}

}  // namespace

RecoveryState RecoveryState::load(StateHome& home, const std::string& database) {
    RecoveryState state;
    std::string text;
    if (!home.readFile(fileName(database), text)) {
        return state;
    }
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f = splitRecord(line);
        if (f.size() == 2 && f[0] == "log") {
            state.currentLog = logNumber(f[1]);
        } else if (f.size() == 2 && f[0] == "firstlog") {
            state.firstLog = logNumber(f[1]);
        } else if (f.size() == 3 && f[0] == "image") {
            state.imageTime = f[1];
            state.imageLog = logNumber(f[2]);
        } else if (f.size() == 2 && f[0] == "inprogress") {
            state.inProgress = f[1] == "1";
        } else if (f.size() == 2 && f[0] == "lastcommit") {
            state.lastCommit = f[1];
        } else if (f.size() == 3 && f[0] == "quiesce") {
            state.quiesces[f[1]] = f[2];
        }
    }
    if (state.firstLog > state.currentLog) {
        state.firstLog = state.currentLog;
    }
    return state;
}

bool RecoveryState::save(StateHome& home, const std::string& database) const {
    std::string text = joinRecord({"log", std::to_string(currentLog)}) + "\n" +
                       joinRecord({"firstlog", std::to_string(firstLog)}) + "\n";
    if (!imageTime.empty()) {
        text += joinRecord({"image", imageTime, std::to_string(imageLog)}) + "\n";
    }
    text += joinRecord({"inprogress", inProgress ? "1" : "0"}) + "\n";
    if (!lastCommit.empty()) {
        text += joinRecord({"lastcommit", lastCommit}) + "\n";
    }
    for (const auto& [table, how] : quiesces) {
        text += joinRecord({"quiesce", table, how}) + "\n";
    }
    return home.writeFile(fileName(database), text);
}

std::string RecoveryState::logName(std::uint32_t number) {
    char name[16];
    std::snprintf(name, sizeof(name), "S%07u.LOG", number > kMaxLog ? kMaxLog : number);
    return name;
}

}  // namespace db2sim
