// Instance attachments, one per application context at most, and the partition each context asked
// for with sqlesetc_api. A context's entry goes when the context ends. Attach and detach run at
// once in many threads, so the table has a lock of its own (an area lock).
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace db2sim {

struct Attachment {
    std::string authid;  // upper case
    int partition = 0;
    long agentId = 0;
};

class Attachments {
  public:
    // The context's attachment, if any.
    std::optional<Attachment> find(const void* ctx) const;
    // Attaches the context, replacing an attachment it had.
    void attach(const void* ctx, Attachment attachment);
    // False when the context had no attachment.
    bool detach(const void* ctx);

    // The partition for the context's next attachment: the last one set, else 0.
    int partition(const void* ctx) const;
    void setPartition(const void* ctx, int partition);

    // The context ended: its attachment and settings go.
    void forget(const void* ctx);
    void clear();

    long count() const;

  private:
    struct PerContext {
        std::optional<Attachment> attachment;
        int partition = 0;
    };

    mutable std::mutex lock_;
    std::map<const void*, PerContext> contexts_;
};

}  // namespace db2sim
