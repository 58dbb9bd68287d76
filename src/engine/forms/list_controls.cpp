#include "engine/forms/list_controls.h"

#include <algorithm>

#include "engine/forms/doc_form.h"

namespace kelvor::engine {

namespace {

constexpr int kDefaultRows = 4;
constexpr int kMaxRows = 100;
// Room beside the texts for the scroll bar or the drop-down button, and the frame.
constexpr int kListExtraWidth = 28;
constexpr int kFrame = 8;
constexpr int kListFrame = 4;
constexpr int kMinTextWidth = 16;

}  // namespace

std::vector<std::u16string> TOptionList::texts() const {
    std::vector<std::u16string> result;
    for (const TOptionObj& option : options_)
        result.push_back(option.text);
    return result;
}

int TOptionList::lastSelected() const {
    for (int i = count() - 1; i >= 0; --i) {
        if (at(i).selected)
            return i;
    }
    return -1;
}

TListFormControlObj::TListFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                                         const TProperties& properties, TOptionList options,
                                         PlatformControlKind window, bool multiple)
    : TFormFieldObj(form, attributes, properties), options_(std::move(options)) {
    createControl(window);
    platformControl()->setMultiSelect(multiple);
    platformControl()->setItems(options_.texts());
}

int TListFormControlObj::widestOption() const {
    int widest = kMinTextWidth;
    for (int i = 0; i < options_.count(); ++i)
        widest = std::max(widest, textWidth(options_.at(i).text));
    return widest;
}

// The history keeps one character per option: "1" selected, "0" not.
std::string TListFormControlObj::data() const {
    std::string data;
    for (int i = 0; i < options_.count(); ++i)
        data += platformControl()->itemSelected(i) ? '1' : '0';
    return data;
}

void TListFormControlObj::setData(const std::string& data) {
    if (data.size() != static_cast<std::size_t>(options_.count()))
        return;
    for (int i = 0; i < options_.count(); ++i) {
        if (data[static_cast<std::size_t>(i)] == '1')
            platformControl()->setCurrentItem(i);
    }
    for (int i = 0; i < options_.count(); ++i)
        platformControl()->setItemSelected(i, data[static_cast<std::size_t>(i)] == '1');
}

TListBoxFormControlObj::TListBoxFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                                               const TProperties& properties, TOptionList options,
                                               bool multiple, int rows)
    : TListFormControlObj(form, attributes, properties, std::move(options),
                          PlatformControlKind::listBox, multiple),
      multiple_(multiple) {
    const int shown = rows > 1 ? std::min(rows, kMaxRows) : kDefaultRows;
    setSize(widestOption() + kListExtraWidth, shown * lineHeight() + kListFrame);
    reset();
}

void TListBoxFormControlObj::reset() {
    FormPlatformControl& window = *platformControl();
    window.setCurrentItem(multiple_ ? -1 : options_.lastSelected());
    if (multiple_) {
        for (int i = 0; i < options_.count(); ++i)
            window.setItemSelected(i, options_.at(i).selected);
    }
}

bool TListBoxFormControlObj::submitLine(int n, std::string& line) const {
    if (n < 0 || n >= options_.count())
        return false;
    const FormPlatformControl& window = *platformControl();
    const bool chosen = multiple_ ? window.itemSelected(n) : window.currentItem() == n;
    if (chosen)
        line = SubmissionLine(name(), options_.value(n));
    return true;
}

TComboFormControlObj::TComboFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                                           const TProperties& properties, TOptionList options)
    : TListFormControlObj(form, attributes, properties, std::move(options),
                          PlatformControlKind::comboBox, false) {
    setSize(widestOption() + kListExtraWidth, lineHeight() + kFrame);
    reset();
}

void TComboFormControlObj::reset() {
    // A drop-down list always shows a choice: the page's, or else its first option.
    const int selected = options_.lastSelected();
    platformControl()->setCurrentItem(selected >= 0 ? selected : (options_.count() > 0 ? 0 : -1));
}

bool TComboFormControlObj::submitLine(int n, std::string& line) const {
    if (n != 0)
        return false;
    const int current = platformControl()->currentItem();
    if (current >= 0 && current < options_.count())
        line = SubmissionLine(name(), options_.value(current));
    return true;
}

// A printed list shows its options, the chosen ones marked with "> ".
PrintedLook TListBoxFormControlObj::printedLook() const {
    PrintedLook look;
    for (int i = 0; i < options_.count(); ++i) {
        const bool chosen =
            multiple_ ? platformControl()->itemSelected(i) : platformControl()->currentItem() == i;
        look.lines.push_back((chosen ? u"> " : u"  ") + options_.at(i).text);
    }
    return look;
}

PrintedLook TComboFormControlObj::printedLook() const {
    PrintedLook look;
    const int current = platformControl()->currentItem();
    if (current >= 0 && current < options_.count())
        look.lines.push_back(options_.at(current).text);
    return look;
}

}  // namespace kelvor::engine
