#include "db2sim/connection/attachments.h"

#include <algorithm>

namespace db2sim {

const Attachment* Attachments::find(const void* ctx) const {
    auto it = contexts_.find(ctx);
    return it == contexts_.end() || !it->second.attachment ? nullptr : &*it->second.attachment;
}

void Attachments::attach(const void* ctx, Attachment attachment) {
    contexts_[ctx].attachment = std::move(attachment);
}

bool Attachments::detach(const void* ctx) {
    auto it = contexts_.find(ctx);
    if (it == contexts_.end() || !it->second.attachment) {
        return false;
    }
    it->second.attachment.reset();
    return true;
}

int Attachments::partition(const void* ctx) const {
    auto it = contexts_.find(ctx);
    return it == contexts_.end() ? 0 : it->second.partition;
}

void Attachments::setPartition(const void* ctx, int partition) {
    contexts_[ctx].partition = partition;
}

long Attachments::count() const {
    return static_cast<long>(
        std::count_if(contexts_.begin(), contexts_.end(),
                      [](const auto& entry) { return entry.second.attachment.has_value(); }));
}

}  // namespace db2sim
