#include "platform/text_file_reader.h"

#include <string_view>
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
    std::string().swap(bytes_);  // give the memory back, not only the length
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
    const std::size_t stop = std::string_view(bytes_).find_first_of("\r\x1a", position_);
    if (stop == std::string::npos) {
        line.assign(bytes_, position_, std::string::npos);
        position_ = bytes_.size();
        return line;
    }
    line.assign(bytes_, position_, stop - position_);
    position_ = stop;
    if (bytes_[stop] == kEndOfFile) {
        return line;  // the end-of-file byte is left in place so eof() stays true
    }
    ++position_;
    if (position_ < bytes_.size() && bytes_[position_] == '\n') {
        ++position_;
    }
    return line;
}

std::size_t TextFileReader::remaining() const {
    return open_ ? bytes_.size() - position_ : 0;
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
