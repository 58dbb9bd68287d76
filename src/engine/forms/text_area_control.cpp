#include "engine/forms/text_area_control.h"

#include <algorithm>

#include "engine/document/utf8_text.h"
#include "engine/forms/doc_form.h"
#include "engine/forms/text_values.h"

namespace kelvor::engine {

namespace {

constexpr int kDefaultCols = 20;
constexpr int kDefaultRows = 2;
constexpr int kMaxCols = 500;
constexpr int kMaxRows = 200;
// The frame and the vertical scroll bar beside the text.
constexpr int kExtraWidth = 24;
constexpr int kFrame = 8;

// The hard lines of a text ("\n" between them).
std::vector<std::u16string_view> HardLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(u'\n', start);
        if (end == std::u16string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// A hard line as the area shows it: broken after the last space that keeps a piece within
// `cols` characters, or at `cols` when a word is longer.
void WrapLine(std::u16string_view line, std::size_t cols, std::vector<std::u16string>& out) {
    while (line.size() > cols) {
        std::size_t cut = line.substr(0, cols + 1).rfind(u' ');
        std::size_t next = cut + 1;
        if (cut == std::u16string_view::npos || cut == 0) {
            cut = cols;
            next = cols;
        }
        out.emplace_back(line.substr(0, cut));
        line.remove_prefix(next);
    }
    out.emplace_back(line);
}

}  // namespace

TextAreaWrap TextAreaWrapFrom(bool given, std::string_view text) {
    if (!given)
        return TextAreaWrap::soft;
    const std::string value = ControlType(text);
    if (value == "off")
        return TextAreaWrap::off;
    if (value == "hard" || value == "physical")
        return TextAreaWrap::lineWise;
    return TextAreaWrap::soft;
}

TTextAreaFormControlObj::TTextAreaFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                                                 const TProperties& properties,
                                                 std::vector<std::u16string> lines, int cols,
                                                 int rows, TextAreaWrap wrap)
    : TFormFieldObj(form, attributes, properties),
      cols_(cols > 0 ? std::min(cols, kMaxCols) : kDefaultCols),
      wrap_(wrap) {
    const int shownRows = rows > 0 ? std::min(rows, kMaxRows) : kDefaultRows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            initial_ += u'\n';
        initial_ += lines[i];
    }
    createControl(PlatformControlKind::memo);
    platformControl()->setWordWrap(wrap_ != TextAreaWrap::off);
    setSize(cols_ * charWidth() + kExtraWidth, shownRows * lineHeight() + kFrame);
    reset();
}

std::u16string TTextAreaFormControlObj::text() const {
    return platformControl()->text();
}

void TTextAreaFormControlObj::reset() {
    platformControl()->setText(initial_);
}

bool TTextAreaFormControlObj::submitLine(int n, std::string& line) const {
    if (n != 0)
        return false;
    const std::u16string content = text();
    std::vector<std::u16string> shown;
    for (std::u16string_view hard : HardLines(content)) {
        if (wrap_ == TextAreaWrap::lineWise)
            WrapLine(hard, static_cast<std::size_t>(cols_), shown);
        else
            shown.emplace_back(hard);
    }
    std::u16string joined;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (i > 0)
            joined += u"\r\n";
        joined += shown[i];
    }
    line = SubmissionLine(name(), Utf8FromUtf16(joined));
    return true;
}

std::string TTextAreaFormControlObj::data() const {
    return Utf8FromUtf16(text());
}

void TTextAreaFormControlObj::setData(const std::string& data) {
    platformControl()->setText(Utf16FromUtf8(data));
}

PrintedLook TTextAreaFormControlObj::printedLook() const {
    PrintedLook look;
    const std::u16string content = text();
    for (std::u16string_view line : HardLines(content))
        look.lines.emplace_back(line);
    return look;
}

}  // namespace kelvor::engine
