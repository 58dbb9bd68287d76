#include "engine/reader/char_reader.h"

#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

constexpr int kCr = '\r';
constexpr int kLf = '\n';
constexpr std::size_t kProgressStep = 4096;

bool IsNameChar(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

void CharReader::reset(std::string& buffer, int positionBase) {
    buffer_ = &buffer;
    next_ = 0;
    positionBase_ = positionBase;
    included_.clear();
    includedNext_ = 0;
    inInclude_ = false;
    includes_ = 0;
    includedBytes_ = 0;
    ch_ = 0;
    position_ = positionBase;
    afterCr_ = afterLf_ = false;
    inComment_ = false;
    endedInComment_ = false;
    raw = false;
}

void CharReader::readChar() {
    while (true) {
        int c = 0;
        if (inInclude_) {
            if (includedNext_ >= included_.size()) {
                inInclude_ = false;
                included_.clear();
                includedNext_ = 0;
                continue;
            }
            c = static_cast<unsigned char>(included_[includedNext_++]);
        } else if (next_ < buffer_->size()) {
            c = static_cast<unsigned char>((*buffer_)[next_]);
            position_ = positionBase_ + 1 + static_cast<int>(next_);
            ++next_;
            if (progress_ != nullptr && *progress_ && next_ % kProgressStep == 0) {
                (*progress_)(static_cast<int>(next_ * 100 / buffer_->size()));
            }
        } else {
            c = 0;
            position_ = positionBase_ + 1 + static_cast<int>(buffer_->size());
        }
        if (c == kLf) {
            if (afterCr_) {
                afterCr_ = false;
                continue;
            }
            afterLf_ = true;
            c = kCr;
        } else if (c == kCr) {
            if (afterLf_) {
                afterLf_ = false;
                continue;
            }
            afterCr_ = true;
        } else {
            afterCr_ = afterLf_ = false;
        }
        if (c == '\t')
            c = ' ';
        ch_ = c;
        break;
    }
    if (ch_ == 0 && inComment_) {
        inComment_ = false;
        endedInComment_ = true;
    }
}

void CharReader::advance() {
    readChar();
    while (ch_ == '<' && !raw && skipComment()) {
    }
}

int CharReader::peek(std::size_t offset) const {
    if (inInclude_) {
        const std::size_t at = includedNext_ + offset - 1;
        return at < included_.size() ? static_cast<unsigned char>(included_[at]) : 0;
    }
    const std::size_t at = next_ + offset - 1;
    return at < buffer_->size() ? static_cast<unsigned char>((*buffer_)[at]) : 0;
}

bool CharReader::followedBy(std::string_view upper) const {
    for (std::size_t i = 0; i < upper.size(); ++i) {
        if (ascii::ToUpper(static_cast<char>(peek(i + 1))) != upper[i])
            return false;
    }
    return true;
}

void CharReader::convertRest(const std::function<std::string(std::string_view)>& convert) {
    const std::string rest = convert(std::string_view(*buffer_).substr(next_));
    buffer_->resize(next_);
    buffer_->append(rest);
}

// At a "<": skips a comment that starts here and makes the character after it current.
bool CharReader::skipComment() {
    if (peek(1) == '!' && peek(2) == '-' && peek(3) == '-') {
        inComment_ = true;
        readChar();  // "!"
        readChar();  // "-"
        readChar();  // "-"
        if (include_ != nullptr && *include_ && peek(1) == '#' && includes_ < kMaxIncludes &&
            includedBytes_ < kMaxIncludedBytes) {
            includeComment();
            return true;
        }
        skipCommentBody();
        inComment_ = false;
        readChar();
        return true;
    }
    if (peek(1) == '!') {
        while (ch_ != '>' && ch_ != 0)
            readChar();
        if (ch_ == '>')
            readChar();
        return true;
    }
    if (peek(1) == '%') {
        readChar();  // "%"
        int previous = 0;
        while (true) {
            readChar();
            if (ch_ == 0)
                return true;
            if (previous == '%' && ch_ == '>')
                break;
            previous = ch_;
        }
        readChar();
        return true;
    }
    return false;
}

// A comment ends at a run of two or more "-", optional blanks and line ends, an optional "!"
// and ">".
void CharReader::skipCommentBody() {
    readChar();
    scanToCommentEnd();
}

bool CharReader::scanToCommentEnd() {
    int dashes = 0;
    while (true) {
        if (ch_ == 0)
            return false;
        if (ch_ == '-') {
            ++dashes;
            readChar();
            continue;
        }
        if (dashes >= 2) {
            while (ch_ == ' ' || ch_ == kCr)
                readChar();
            if (ch_ == '!')
                readChar();
            if (ch_ == '>')
                return true;
            dashes = 0;
            continue;  // the character may start a new run
        }
        dashes = 0;
        readChar();
    }
}

// <!--#command name=value ...-->: the current character is the last "-" of "<!--".
void CharReader::includeComment() {
    readChar();  // "#"
    readChar();
    std::string command;
    while (IsNameChar(ch_)) {
        command += static_cast<char>(ch_);
        readChar();
    }
    std::vector<std::string> params;
    while (true) {
        while (ch_ == ' ' || ch_ == kCr)
            readChar();
        if (!IsNameChar(ch_))
            break;
        std::string line;
        while (IsNameChar(ch_)) {
            line += static_cast<char>(ch_);
            readChar();
        }
        while (ch_ == ' ' || ch_ == kCr)
            readChar();
        line += '=';
        if (ch_ == '=') {
            readChar();
            while (ch_ == ' ' || ch_ == kCr)
                readChar();
            if (ch_ == '"' || ch_ == '\'') {
                const int quote = ch_;
                readChar();
                while (ch_ != quote && ch_ != 0) {
                    line += static_cast<char>(ch_);
                    readChar();
                }
                if (ch_ == quote)
                    readChar();
            } else {
                while (ch_ != ' ' && ch_ != kCr && ch_ != '-' && ch_ != '>' && ch_ != 0) {
                    line += static_cast<char>(ch_);
                    readChar();
                }
            }
        }
        params.push_back(std::move(line));
    }
    if (!scanToCommentEnd())
        return;  // the input ended inside it
    inComment_ = false;
    std::string text = (*include_)(command, params);
    ++includes_;
    if (!text.empty()) {
        includedBytes_ += text.size();
        // An included text has no NUL: the reader takes NUL for the end of the input.
        for (char& c : text) {
            if (c == '\0')
                c = ' ';
        }
        if (inInclude_)
            text.append(included_, includedNext_, std::string::npos);
        included_ = std::move(text);
        includedNext_ = 0;
        inInclude_ = true;
    }
    readChar();
}

}  // namespace kelvor::engine
