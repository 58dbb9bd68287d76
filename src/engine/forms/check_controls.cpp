#include "engine/forms/check_controls.h"

#include <algorithm>

#include "engine/forms/doc_form.h"
#include "engine/forms/text_values.h"

namespace kelvor::engine {

namespace {

// The box or circle of a check box or radio button, as the platform draws them.
constexpr int kMarkSize = 13;

}  // namespace

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                                                 const TProperties& properties, bool checked,
                                                 PlatformControlKind window)
    : TFormFieldObj(form, attributes, properties), initial_(checked) {
    setSize(kMarkSize, kMarkSize);
    createControl(window);
    setChecked(checked);
}

bool TCheckBoxFormControlObj::checked() const {
    return platformControl()->checked();
}

void TCheckBoxFormControlObj::setChecked(bool checked) {
    platformControl()->setChecked(checked);
}

bool TCheckBoxFormControlObj::submitLine(int n, std::string& line) const {
    if (n != 0)
        return false;
    if (checked())
        line = SubmissionLine(name(), value());
    return true;
}

TRadioButtonFormControlObj::TRadioButtonFormControlObj(TDocForm& form,
                                                       const FieldAttributes& attributes,
                                                       const TProperties& properties, bool checked)
    : TCheckBoxFormControlObj(form, attributes, properties, checked,
                              PlatformControlKind::radioButton) {
    platformControl()->clicked = [this] { check(); };
    platformControl()->key = [this](FormKey pressed) { return key(pressed); };
}

std::vector<TRadioButtonFormControlObj*> TRadioButtonFormControlObj::group() const {
    std::vector<TRadioButtonFormControlObj*> members;
    for (TFormFieldObj* control : form().controls()) {
        auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(control);
        if (radio != nullptr && SameNameNoCase(radio->name(), name()))
            members.push_back(radio);
    }
    return members;
}

void TRadioButtonFormControlObj::check() {
    for (TRadioButtonFormControlObj* member : group())
        member->setChecked(member == this);
    updateTabStops();
}

bool TRadioButtonFormControlObj::key(FormKey pressed) {
    int step = 0;
    if (pressed == FormKey::left || pressed == FormKey::up)
        step = -1;
    else if (pressed == FormKey::right || pressed == FormKey::down)
        step = 1;
    if (step == 0)
        return false;
    const std::vector<TRadioButtonFormControlObj*> members = group();
    const auto self = std::find(members.begin(), members.end(), this);
    const long long at = self - members.begin() + step;
    if (self != members.end() && at >= 0 && at < static_cast<long long>(members.size()))
        members[static_cast<std::size_t>(at)]->check();
    return true;
}

void TRadioButtonFormControlObj::updateTabStops() const {
    const std::vector<TRadioButtonFormControlObj*> members = group();
    const auto checkedOne = std::find_if(members.begin(), members.end(),
                                         [](const auto* member) { return member->checked(); });
    const TRadioButtonFormControlObj* stop =
        checkedOne != members.end() ? *checkedOne : (members.empty() ? nullptr : members.front());
    for (const TRadioButtonFormControlObj* member : members)
        member->platformControl()->setTabStop(member == stop);
}

void TRadioButtonFormControlObj::reset() {
    TCheckBoxFormControlObj::reset();
    updateTabStops();
}

void TRadioButtonFormControlObj::setData(const std::string& data) {
    TCheckBoxFormControlObj::setData(data);
    updateTabStops();
}

}  // namespace kelvor::engine
