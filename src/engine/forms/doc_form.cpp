#include "engine/forms/doc_form.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "engine/forms/form_field.h"

namespace kelvor::engine {

namespace {

constexpr std::size_t kMaxMethodLength = 4;

}  // namespace

TDocForm::TDocForm(TDocument& document, TFormList& list, std::string method, std::string action,
                   std::string target, std::string encType)
    : document_(&document),
      list_(&list),
      method_(method.empty() ? std::string("Get") : method.substr(0, kMaxMethodLength)),
      action_(std::move(action)),
      target_(std::move(target)),
      encType_(std::move(encType)) {}

TDocForm::~TDocForm() = default;

void TDocForm::addControl(TFormFieldObj& control) {
    controls_.push_back(&control);
    if (control.visible())
        ++visibleCount_;
}

void TDocForm::own(std::unique_ptr<TFormFieldObj> control) {
    owned_.push_back(std::move(control));
}

void TDocForm::reset() {
    for (TFormFieldObj* control : controls_)
        control->reset();
}

std::vector<std::string> TDocForm::submissionLines(const std::string& buttonLine) const {
    std::vector<std::string> lines;
    for (const TFormFieldObj* control : controls_) {
        if (control->disabled())
            continue;
        std::string line;
        for (int n = 0; control->submitLine(n, line); ++n) {
            if (!line.empty())
                lines.push_back(line);
            line.clear();
        }
    }
    if (!buttonLine.empty())
        lines.push_back(buttonLine);
    return lines;
}

void TDocForm::submit(const std::string& buttonLine) {
    if (!list_->submitted)
        return;
    SubmittedForm form{action_, target_, encType_, method_, submissionLines(buttonLine)};
    for (TFormFieldObj* control : controls_)
        control->submitted();
    list_->submitted(form);
}

TDocForm& TFormList::add(std::unique_ptr<TDocForm> form) {
    forms_.push_back(std::move(form));
    return *forms_.back();
}

std::vector<TFormFieldObj*> TFormList::controls() const {
    std::vector<TFormFieldObj*> all;
    for (const auto& form : forms_)
        all.insert(all.end(), form->controls().begin(), form->controls().end());
    return all;
}

void TFormList::orderTabChain() const {
    std::vector<TFormFieldObj*> chain;
    for (TFormFieldObj* control : controls()) {
        if (control->platformControl() != nullptr)
            chain.push_back(control);
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const TFormFieldObj* a, const TFormFieldObj* b) {
                         const auto rank = [](const TFormFieldObj* control) {
                             return control->tabOrder() > 0 ? control->tabOrder() : INT_MAX;
                         };
                         return rank(a) < rank(b);
                     });
    for (std::size_t i = 1; i < chain.size(); ++i)
        chain[i - 1]->platformControl()->setTabSuccessor(*chain[i]->platformControl());
}

void TFormList::placeWindows(int offsetX, int offsetY, int panelWidth, int panelHeight) const {
    for (TFormFieldObj* control : controls())
        control->placeWindow(offsetX, offsetY, panelWidth, panelHeight);
}

std::vector<std::string> TFormList::formData() const {
    std::vector<std::string> data;
    for (const TFormFieldObj* control : controls())
        data.push_back(control->data());
    return data;
}

void TFormList::setFormData(const std::vector<std::string>& data) const {
    const std::vector<TFormFieldObj*> all = controls();
    // Data of another page (the controls differ in number) is not applied.
    if (data.size() != all.size())
        return;
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i]->setData(data[i]);
}

}  // namespace kelvor::engine
