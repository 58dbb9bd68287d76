// Rule 20: a plain text shown as preformatted lines.

#include <exception>

#include "engine/reader/reading.h"
#include "engine/reader/text_conversion.h"

namespace kelvor::engine {

namespace {

// A long line goes to its section in pieces of this many bytes (a piece ends where a character
// starts, so that a multi-byte character is never cut; at twice the length it ends anyway).
constexpr std::size_t kPieceLength = 200;

}  // namespace

HtmlReadResult HtmlReading::readText(std::string_view text) {
    prepare(text);
    chars_.reset(input_.text, input_.byteOrderMark ? 2 : -1);
    chars_.setProgress(hooks_.progress ? &hooks_.progress : nullptr);
    // "<" and "&" are ordinary characters here.
    chars_.raw = true;
    try {
        chars_.advance();
        readPlainText();
    } catch (const std::exception&) {
        // What was built stays.
    }
    return finish();
}

void HtmlReading::readPlainText() {
    section_.reset();
    StackElement pre;
    pre.tag = "pre";
    stack_.push(std::move(pre));
    cell_ = &addBlock(std::make_unique<TBlock>(document_, top()))->cell();
    textMode_ = TextMode::preformatted;
    openSection();
    std::string bytes;
    std::vector<int> positions;
    std::u16string converted;
    std::vector<int> convertedPositions;
    const auto flush = [&] {
        if (bytes.empty())
            return;
        converted.clear();
        convertedPositions.clear();
        AppendConverted(bytes, positions, top().codePage(), converted, convertedPositions);
        section_->addText(converted, convertedPositions, top(), false);
        bytes.clear();
        positions.clear();
    };
    while (chars_.ch() != 0) {
        int c = chars_.ch();
        if (c == '\r') {
            flush();
            openSection();
            chars_.advance();
            continue;
        }
        if (bytes.size() >= 2 * kPieceLength || (bytes.size() >= kPieceLength && c < 0x80))
            flush();
        // Control characters 1 to 8 would read as the marks of breaks and objects.
        if (c < 9)
            c = '?';
        bytes += static_cast<char>(c);
        positions.push_back(chars_.position());
        chars_.advance();
    }
    flush();
    // The line end that ends the text leaves no line of its own.
    closeSectionDroppingEmpty();
    textMode_ = TextMode::collapse;
    stack_.popByName("pre");
}

}  // namespace kelvor::engine
