#include "db2sim/connection/attachments.h"

#include <algorithm>

namespace db2sim {

std::optional<Attachment> Attachments::find(const void* ctx) const {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = contexts_.find(ctx);
    return it == contexts_.end() ? std::nullopt : it->second.attachment;
}

void Attachments::forget(const void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    contexts_.erase(ctx);
}

void Attachments::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    contexts_.clear();
}

void Attachments::attach(const void* ctx, Attachment attachment) {
    std::lock_guard<std::mutex> guard(lock_);
    contexts_[ctx].attachment = std::move(attachment);
}

bool Attachments::detach(const void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = contexts_.find(ctx);
    if (it == contexts_.end() || !it->second.attachment) {
        return false;
    }
    it->second.attachment.reset();
    return true;
}

int Attachments::partition(const void* ctx) const {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = contexts_.find(ctx);
    return it == contexts_.end() ? 0 : it->second.partition;
}

void Attachments::setPartition(const void* ctx, int partition) {
    std::lock_guard<std::mutex> guard(lock_);
    contexts_[ctx].partition = partition;
}

long Attachments::count() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<long>(
        std::count_if(contexts_.begin(), contexts_.end(),
                      [](const auto& entry) { return entry.second.attachment.has_value(); }));
}

}  // namespace db2sim
