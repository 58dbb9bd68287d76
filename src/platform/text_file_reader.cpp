#include "platform/text_file_reader.h"

#include <utility>

namespace kelvor::platform {

namespace {
constexpr char kEndOfFile = 26;
}

TextFileReader::TextFileReader(std::string bytes) : bytes_(std::move(bytes)), open_(true) {}

bool TextFileReader::open(const FileSystem& files, const std::string& path) {
    auto content = files.readAll(path);
    position_ = 0;
    if (!content) {
        bytes_.clear();
        open_ = false;
        return false;
    }
    bytes_ = std::move(*content);
    open_ = true;
    return true;
}

void TextFileReader::close() {
    open_ = false;
    bytes_.clear();
    position_ = 0;
}

bool TextFileReader::eof() const {
    return !open_ || position_ >= bytes_.size() || bytes_[position_] == kEndOfFile;
}

std::string TextFileReader::readLine() {
    std::string line;
    if (eof()) {
        return line;
    }
    while (position_ < bytes_.size()) {
        const char c = bytes_[position_];
        if (c == kEndOfFile) {
            return line;  // the end-of-file byte is left in place so eof() stays true
        }
        ++position_;
        if (c == '\r') {
            if (position_ < bytes_.size() && bytes_[position_] == '\n') {
                ++position_;
            }
            return line;
        }
        line.push_back(c);
    }
    return line;
}

std::vector<std::string> SplitTextLines(const std::string& bytes) {
    std::vector<std::string> lines;
    TextFileReader reader(bytes);
    while (!reader.eof()) {
        lines.push_back(reader.readLine());
    }
    return lines;
}

}  // namespace kelvor::platform
