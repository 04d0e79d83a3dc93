#include "db2sim/recovery/pendingrestores.h"

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"

namespace db2sim {

PendingRestores& PendingRestores::get() {
    static NoDestructor<PendingRestores> restores;
    return restores.get();
}

PendingRestores::PendingRestores() {
    Instance& instance = Instance::get();
    instance.addResetHook([this] {
        std::lock_guard<std::mutex> guard(lock_);
        restores_.clear();
    });
    instance.contexts().onFree([this](void* ctx) {
        std::lock_guard<std::mutex> guard(lock_);
        restores_.erase(ctx);
    });
}

void PendingRestores::put(void* ctx, PendingRestore restore) {
    std::lock_guard<std::mutex> guard(lock_);
    restores_[ctx] = std::move(restore);
}

std::optional<PendingRestore> PendingRestores::take(void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = restores_.find(ctx);
    if (found == restores_.end()) {
        return std::nullopt;
    }
    PendingRestore restore = std::move(found->second);
    restores_.erase(found);
    return restore;
}

PendingRestore* PendingRestores::redirected(void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = restores_.find(ctx);
    return found == restores_.end() || !found->second.redirect ? nullptr : &found->second;
}

long PendingRestores::count() {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<long>(restores_.size());
}

}  // namespace db2sim
