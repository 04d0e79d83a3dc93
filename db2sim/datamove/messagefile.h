// The message file a utility writes on the client: one DB2-shaped message per line,
// "SQL3109N  The utility is beginning to read data from file "staff.del".", then a blank line,
// with texts from the stand-in's message catalogue. Lines collect in memory and are written
// when the utility ends, whatever its outcome.
#pragma once

#include <string>
#include <vector>

namespace db2sim {

class MessageFile {
  public:
    // `path` empty: nothing is written.
    explicit MessageFile(std::string path) : path_(std::move(path)) {}

    // A message of the catalogue's `sqlcode` with its tokens. `letter` is the message's
    // severity as DB2 shows it ('N', 'W', 'C', 'I'): message file lines carry informational
    // messages under positive codes too.
    void add(int sqlcode, char letter, const std::vector<std::string>& tokens = {});
    // A warning ('W') that counts towards the utility's warnings.
    void warn(int sqlcode, const std::vector<std::string>& tokens = {});
    // A line of its own ("Number of rows read = 35").
    void addText(const std::string& text);
    bool hasWarnings() const { return warnings_ > 0; }
    unsigned warnings() const { return warnings_; }

    // Writes the file; false when it cannot be written.
    bool write() const;
    // Whether the file can be written, tried before the utility starts.
    bool writable() const;
    const std::string& path() const { return path_; }
    const std::string& text() const { return text_; }

  private:
    std::string path_;
    std::string text_;
    unsigned warnings_ = 0;
};

}  // namespace db2sim
