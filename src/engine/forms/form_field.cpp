#include "engine/forms/form_field.h"

#include <algorithm>

#include "engine/document/font_run.h"
#include "engine/forms/doc_form.h"
#include "engine/forms/memory_control.h"
#include "engine/style/lengths.h"
#include "engine/style/properties.h"
#include "engine/style/style_properties.h"

namespace kelvor::engine {

namespace {

constexpr int kMaxControlPixels = 4000;

// A style width: a percentage of the section's width, or pixels.
struct StyleWidth {
    int percent = 0;
    int pixels = 0;
};

StyleWidth ReadStyleWidth(const TProperties& properties) {
    StyleWidth result;
    const std::string text = properties.text(Width);
    NumberAndUnit split;
    if (text.empty() || !SplitNumberAndUnit(text, split) || split.number <= 0)
        return result;
    if (split.unit == "%") {
        result.percent = static_cast<int>(std::min(100.0, split.number));
        return result;
    }
    const int ppi = properties.fontCache().services().pixelsPerInch();
    result.pixels =
        std::clamp(LengthToPixels(text, 0, properties.emSize(), properties.exSize(), 0, ppi), 0,
                   kMaxControlPixels);
    return result;
}

}  // namespace

TFormFieldObj::TFormFieldObj(TDocForm& form, const FieldAttributes& attributes,
                             const TProperties& properties)
    : attributes_(attributes), form_(&form) {
    const TDocFont& font = properties.font();
    font_ = font.font;
    charWidth_ = std::max(1, font.metrics.averageCharWidth);
    lineHeight_ = std::max(1, font.metrics.height);
    look_.fontName = font.description.name;
    look_.fontHeight = font.height;
    look_.bold = (font.description.style & platform::kFontBold) != 0;
    look_.italic = (font.description.style & platform::kFontItalic) != 0;
    look_.text = properties.colour();
    look_.background = properties.backgroundColour();
    const StyleWidth style = ReadStyleWidth(properties);
    percent_ = style.percent;
    if (style.pixels > 0)
        laidOutWidth_ = style.pixels;
    verticalAlign_ = VerticalAlignNumber(properties.text(VerticalAlign));
}

TFormFieldObj::~TFormFieldObj() = default;

void TFormFieldObj::createControl(PlatformControlKind kind) {
    FormControlFactory* factory = form_->list().factory;
    if (factory != nullptr)
        control_ = factory->create(kind);
    if (!control_)
        control_ = std::make_unique<MemoryControl>(kind);
    control_->setLook(look_);
    control_->setEnabled(!attributes_.disabled);
    control_->setReadOnly(attributes_.readOnly);
    control_->focused = [this] {
        if (form_->list().makeVisible)
            form_->list().makeVisible(drawY);
    };
    // Windows start off-screen; the viewer shows them where layout puts them.
    control_->setShown(false);
}

int TFormFieldObj::width() const {
    return laidOutWidth_ >= 0 ? laidOutWidth_ : width_;
}

void TFormFieldObj::setLaidOutWidth(int width) {
    laidOutWidth_ = std::clamp(width, 0, kMaxControlPixels);
}

int TFormFieldObj::textWidth(const std::u16string& text) const {
    if (!font_)
        return static_cast<int>(std::min<std::size_t>(text.size(), kMaxControlPixels)) * charWidth_;
    return std::min(font_->textWidth(text), kMaxControlPixels);
}

void TFormFieldObj::placeWindow(int offsetX, int offsetY, int panelWidth, int panelHeight) {
    if (!control_)
        return;
    const long long x = static_cast<long long>(drawX) - offsetX;
    const long long y = static_cast<long long>(drawY) - offsetY;
    const bool inside =
        x + width() > 0 && x < panelWidth && y + height() > 0 && y < panelHeight && visible();
    if (inside)
        control_->setBounds(static_cast<int>(x), static_cast<int>(y), width(), height());
    control_->setShown(inside);
}

std::string SubmissionLine(const std::string& name, const std::string& value) {
    return name + "=" + value;
}

}  // namespace kelvor::engine
