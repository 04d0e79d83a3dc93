// Text built by appending through a raw cursor, kept in a buffer inside the object (so on the
// caller's stack for a local) and moved to the heap only when it outgrows that buffer. Journal
// lines are built this way: most fit in the inline buffer, long quoted arguments spill.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace db2sim {

class LineBuilder {
  public:
    static constexpr size_t kInlineSize = 240;

    LineBuilder() = default;
    // The cursor points into the object itself, so it is neither copied nor moved.
    LineBuilder(const LineBuilder&) = delete;
    LineBuilder& operator=(const LineBuilder&) = delete;

    void append(std::string_view text) {
        std::copy_n(text.data(), text.size(), room(text.size()));
        cursor_ += text.size();
    }
    void append(char c) {
        *room(1) = c;
        ++cursor_;
    }

    // Room for at least `n` more bytes at the cursor. The caller writes there and hands the end
    // of what it wrote to commit().
    char* room(size_t n) { return n <= static_cast<size_t>(end_ - cursor_) ? cursor_ : grow(n); }
    void commit(char* end) { cursor_ = end; }

    size_t size() const { return static_cast<size_t>(cursor_ - begin_); }
    std::string_view view() const { return std::string_view(begin_, size()); }

  private:
    // Moves the text to the heap with room for `n` more bytes; returns the cursor.
    char* grow(size_t n);

    char inline_[kInlineSize];  // not cleared: only bytes before the cursor are ever read
    std::string heap_;
    char* begin_ = inline_;
    char* cursor_ = inline_;
    char* end_ = inline_ + kInlineSize;
};

}  // namespace db2sim
