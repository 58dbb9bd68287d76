#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kelvor::platform {

// Reads a text file line by line by the program's line rule: a line ends at CR, an LF right
// after that CR belongs to the same line end, an LF alone stays in the line, and a byte 26
// ends the file. The file is read whole when it is opened.
class TextFileReader {
  public:
    TextFileReader() = default;
    explicit TextFileReader(std::string bytes);

    // Opens the file; false (and closed) when it cannot be read.
    bool open(const FileSystem& files, const std::string& path);
    bool isOpen() const { return open_; }
    void close();

    // True at the end of the file or at a byte 26 (also when closed).
    bool eof() const;
    // The next line without its line end; an empty text at the end of the file.
    std::string readLine();
    // Bytes not read yet.
    std::size_t remaining() const;

  private:
    std::string bytes_;
    std::size_t position_ = 0;
    bool open_ = false;
};

// The lines of a text by the same rule.
std::vector<std::string> SplitTextLines(const std::string& bytes);

}  // namespace kelvor::platform
