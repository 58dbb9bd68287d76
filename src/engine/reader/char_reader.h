#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvor::engine {

// An include comment <!--#command name=value ...-->: the text to read in its place.
using IncludeHandler =
    std::function<std::string(const std::string& command, const std::vector<std::string>& params)>;

// The character reader: one character at a time from the document buffer (or from an included
// text), line ends folded into one CR each, TAB as a blank, and comments skipped. The current
// character is 0 at the end of the input. A comment that is still open at the end of the input
// ends the reading there: what came before it is read as usual.
class CharReader {
  public:
    // Included texts are bounded, so that a handler that includes itself ends.
    static constexpr int kMaxIncludes = 10000;
    static constexpr std::size_t kMaxIncludedBytes = 16 * 1024 * 1024;

    // Reads `buffer` (which must outlive the reading) from its start. Source positions count
    // from `positionBase` + 1 for the first byte.
    void reset(std::string& buffer, int positionBase);
    void setIncludeHandler(const IncludeHandler* handler) { include_ = handler; }
    void setProgress(const std::function<void(int)>* progress) { progress_ = progress; }

    int ch() const { return ch_; }
    // Source position of the current character (characters of an included text keep the
    // position of the document character before them).
    int position() const { return position_; }
    // The next character; at a "<" comments are skipped unless `raw` is set.
    void advance();

    // Without comment skipping (the script flag): SCRIPT, STYLE, TEXTAREA and plain text.
    bool raw = false;

    // The raw byte `offset` places after the current character in the text being read; 0
    // beyond its end.
    int peek(std::size_t offset) const;
    // Do the raw bytes after the current character start with `upper` (compared in upper case)?
    bool followedBy(std::string_view upper) const;
    // Replaces the rest of the document buffer (after the current character) by its conversion.
    void convertRest(const std::function<std::string(std::string_view)>& convert);
    // Did the input end inside a comment?
    bool endedInComment() const { return endedInComment_; }

  private:
    void readChar();
    bool skipComment();
    // Skips to the end of a "<!--" comment: the current character becomes its ">".
    void skipCommentBody();
    // The same from the current character on; false when the input ends first.
    bool scanToCommentEnd();
    void includeComment();

    std::string* buffer_ = nullptr;
    std::size_t next_ = 0;  // index of the next byte of the buffer
    int positionBase_ = -1;
    std::string included_;
    std::size_t includedNext_ = 0;
    bool inInclude_ = false;
    int includes_ = 0;
    std::size_t includedBytes_ = 0;
    int ch_ = 0;
    int position_ = -1;
    bool afterCr_ = false;
    bool afterLf_ = false;
    bool inComment_ = false;
    bool endedInComment_ = false;
    const IncludeHandler* include_ = nullptr;
    const std::function<void(int)>* progress_ = nullptr;
};

}  // namespace kelvor::engine
