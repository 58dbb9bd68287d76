// INPUT, SELECT and TEXTAREA: read here, built by the viewer's form-control hook.

#include "engine/document/form_control.h"
#include "engine/reader/reading.h"
#include "engine/reader/text_conversion.h"
#include "engine/text/charsets.h"

namespace kelvor::engine {

namespace {

constexpr std::size_t kMaxOptions = 10000;

std::u16string Trimmed(const std::u16string& text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\r' || c == u'\n'; };
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && blank(text[start]))
        ++start;
    while (end > start && blank(text[end - 1]))
        --end;
    return text.substr(start, end - start);
}

}  // namespace

void HtmlReading::placeControl(FormControlRequest& request) {
    if (hooks_.formControls) {
        FormControlBuild build = hooks_.formControls(request);
        if (build.controls.empty() && !build.image)
            return;
        ensureSection();
        for (std::unique_ptr<TFormControlObj>& control : build.controls)
            section_->addFormControl(std::move(control), request.sourcePosition, noBreak_);
        if (build.image)
            section_->addObject(std::move(build.image), noBreak_);
        return;
    }
    if (!hooks_.formControl)
        return;
    std::unique_ptr<TFormControlObj> control = hooks_.formControl(request);
    if (!control)
        return;
    ensureSection();
    section_->addFormControl(std::move(control), request.sourcePosition, noBreak_);
}

void HtmlReading::readInput() {
    ensureSection();
    pushElement(Tag::Input);
    FormControlRequest request{
        FormControlRequest::Kind::input, attributes(), top(), token_.position, form_, {}, {}};
    placeControl(request);
    stack_.popTop();
    next();
}

void HtmlReading::readSelect() {
    ensureSection();
    pushElement(Tag::Select);
    const TAttributeList selectAttributes = attributes();
    const TProperties properties = top();
    stack_.popTop();
    const int position = token_.position;
    const bool noBreak = noBreak_;
    noBreak_ = false;
    next();

    std::vector<FormControlRequest::Option> options;
    std::optional<FormControlRequest::Option> option;
    const auto complete = [&] {
        if (option && options.size() < kMaxOptions) {
            option->text = Trimmed(option->text);
            options.push_back(std::move(*option));
        }
        option.reset();
    };
    while (true) {
        if (is(Tag::Option) || isEnd(Tag::Option)) {
            complete();
            if (is(Tag::Option)) {
                option.emplace();
                option->selected = attributes().has(Attr::Selected);
                option->hasValue = attributes().has(Attr::Value);
                option->value = std::string(attributes().text(Attr::Value));
            }
        } else if (token_.tag == Tag::Text) {
            if (option)
                option->text += token_.text;
        } else if (token_.tag != Tag::LineEnd) {
            break;
        }
        next();
    }
    complete();
    // The list's end tag belongs to it (otherwise it would end an enclosing paragraph).
    if (isEnd(Tag::Select))
        next();
    noBreak_ = noBreak;
    FormControlRequest request{FormControlRequest::Kind::select,
                               selectAttributes,
                               properties,
                               position,
                               form_,
                               std::move(options),
                               {}};
    placeControl(request);
}

void HtmlReading::readTextArea() {
    ensureSection();
    pushElement(Tag::Textarea);
    const TAttributeList textAttributes = attributes();
    const TProperties properties = top();
    stack_.popTop();
    const int position = token_.position;
    const int codePage = top().codePage();
    const int entityCodePage = hooks_.entitiesInCodePage ? codePage : kCodePageSystemDefault;

    // The content is raw text up to "</textarea": entities decoded, tags kept as text.
    chars_.raw = true;
    std::vector<std::u16string> lines(1);
    std::string bytes;
    std::vector<int> positions;
    std::vector<int> unused;
    const auto flush = [&] {
        AppendConverted(bytes, positions, codePage, lines.back(), unused);
        bytes.clear();
        positions.clear();
        unused.clear();
    };
    while (chars_.ch() != 0 && !(chars_.ch() == '<' && chars_.followedBy("/TEXTAREA"))) {
        const int c = chars_.ch();
        if (c == '\r') {
            flush();
            lines.emplace_back();
            chars_.advance();
        } else if (c == '&') {
            const Lexer::Entity entity = lexer_.readEntity(false);
            if (!entity.found) {
                bytes += entity.text;
                positions.resize(bytes.size(), chars_.position());
            } else if (entity.fromNumber && entity.value >= 127 && entity.value <= 159) {
                flush();
                const std::string byte(1, static_cast<char>(entity.value));
                std::vector<int> one(1, chars_.position());
                AppendConverted(byte, one, entityCodePage, lines.back(), unused);
                unused.clear();
            } else {
                flush();
                char32_t value = entity.value;
                if (value == '\t')
                    value = ' ';
                else if (value < 32 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
                    value = '?';
                AppendUtf16(value, lines.back());
            }
        } else {
            bytes += static_cast<char>(c);
            positions.push_back(chars_.position());
            chars_.advance();
        }
    }
    flush();
    while (chars_.ch() != '>' && chars_.ch() != 0)
        chars_.advance();
    chars_.raw = false;
    if (chars_.ch() == '>')
        chars_.advance();
    next();
    FormControlRequest request{FormControlRequest::Kind::textarea,
                               textAttributes,
                               properties,
                               position,
                               form_,
                               {},
                               std::move(lines)};
    placeControl(request);
}

}  // namespace kelvor::engine
