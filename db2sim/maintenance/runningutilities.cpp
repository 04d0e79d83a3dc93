#include "db2sim/maintenance/runningutilities.h"

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"

namespace db2sim {

RunningUtilities& RunningUtilities::get() {
    static NoDestructor<RunningUtilities> utilities;
    return utilities.get();
}

RunningUtilities::RunningUtilities() {
    Instance::get().addResetHook([this] { clear(); });
}

std::uint32_t RunningUtilities::start(const std::string& database, const std::string& description,
                                      const std::string& object, std::uint32_t priority) {
    std::lock_guard<std::mutex> guard(lock_);
    RunningUtility utility{next_++, database, description, object, priority, false};
    running_[utility.id] = utility;
    return utility.id;
}

bool RunningUtilities::stop(std::uint32_t id) {
    std::lock_guard<std::mutex> guard(lock_);
    return running_.erase(id) != 0;
}

bool RunningUtilities::setPriority(std::uint32_t id, std::uint32_t priority) {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = running_.find(id);
    if (found == running_.end()) {
        return false;
    }
    found->second.priority = priority;
    return true;
}

bool RunningUtilities::setPaused(std::uint32_t id, bool paused) {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = running_.find(id);
    if (found == running_.end()) {
        return false;
    }
    found->second.paused = paused;
    return true;
}

std::optional<RunningUtility> RunningUtilities::find(std::uint32_t id) const {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = running_.find(id);
    return found == running_.end() ? std::nullopt : std::optional<RunningUtility>(found->second);
}

std::optional<RunningUtility> RunningUtilities::findByObject(const std::string& database,
                                                             const std::string& object) const {
    std::lock_guard<std::mutex> guard(lock_);
    for (const auto& entry : running_) {
        if (entry.second.database == database && entry.second.object == object) {
            return entry.second;
        }
    }
    return std::nullopt;
}

std::vector<RunningUtility> RunningUtilities::list() const {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<RunningUtility> out;
    for (const auto& entry : running_) {
        out.push_back(entry.second);
    }
    return out;
}

void RunningUtilities::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    running_.clear();
}

}  // namespace db2sim
