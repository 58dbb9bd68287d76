#include "engine/forms/edit_control.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/document/utf8_text.h"
#include "engine/forms/doc_form.h"
#include "engine/forms/text_values.h"

namespace kelvor::engine {

namespace {

constexpr int kDefaultSize = 15;
constexpr int kUnreadableSize = 20;
constexpr int kMaxSize = 500;
// Room for the frame and the space inside it, on both sides.
constexpr int kFrame = 8;

}  // namespace

int EditSizeCharacters(bool given, std::string_view text, int numericValue) {
    if (!given)
        return kDefaultSize;
    const std::size_t separator = text.find_first_of(", ");
    int size = numericValue;
    if (separator != std::string_view::npos) {
        std::string_view first = text.substr(0, separator);
        if (!first.empty() && first.front() == '+')
            first.remove_prefix(1);
        const auto result = std::from_chars(first.data(), first.data() + first.size(), size);
        if (first.empty() || result.ec != std::errc() || result.ptr != first.data() + first.size())
            size = kUnreadableSize;
    } else if (text.empty() ||
               !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '+' ||
                 text.front() == '-' || text.front() == '.')) {
        size = kUnreadableSize;
    }
    // An edit shows at least one character, and no page makes it wider than a screen's worth.
    return std::clamp(size, 1, kMaxSize);
}

TEditFormControlObj::TEditFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                                         const TProperties& properties, bool password,
                                         int sizeCharacters, int maxLength)
    : TFormFieldObj(form, attributes, properties), password_(password) {
    createControl(password ? PlatformControlKind::password : PlatformControlKind::edit);
    setSize(sizeCharacters * charWidth() + kFrame, lineHeight() + kFrame);
    platformControl()->setMaxLength(std::max(0, maxLength));
    platformControl()->key = [this](FormKey key) {
        if (key != FormKey::enter)
            return false;
        // Enter sends the form as it is, with no button's line.
        this->form().submit();
        return true;
    };
    setInitialText(Utf16FromUtf8(attributes.value));
}

std::u16string TEditFormControlObj::text() const {
    return platformControl()->text();
}

void TEditFormControlObj::setText(const std::u16string& text) {
    platformControl()->setText(text);
}

void TEditFormControlObj::setInitialText(const std::u16string& text) {
    initial_ = text;
    setText(text);
}

void TEditFormControlObj::reset() {
    setText(initial_);
}

bool TEditFormControlObj::submitLine(int n, std::string& line) const {
    if (n != 0)
        return false;
    line = SubmissionLine(name(), Utf8FromUtf16(text()));
    return true;
}

std::string TEditFormControlObj::data() const {
    return Utf8FromUtf16(text());
}

void TEditFormControlObj::setData(const std::string& data) {
    setText(Utf16FromUtf8(data));
}

}  // namespace kelvor::engine

namespace kelvor::engine {

PrintedLook TEditFormControlObj::printedLook() const {
    PrintedLook look;
    const std::u16string shown = text();
    look.lines.push_back(password_ ? std::u16string(shown.size(), u'*') : shown);
    return look;
}

}  // namespace kelvor::engine
