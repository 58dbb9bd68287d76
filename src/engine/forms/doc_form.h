#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/forms/platform_control.h"

namespace kelvor::engine {

class TDocument;
class TFormFieldObj;
class TFormList;

// What a submitted form hands the viewer: its action, target, encoding type and method and the
// lines "name=value" in the order of its controls, the submit button's line last.
struct SubmittedForm {
    std::string action;
    std::string target;
    std::string encType;
    std::string method;
    std::vector<std::string> results;
};

// A FORM of a document and its controls.
class TDocForm {
  public:
    // Method: at most 4 characters, "Get" when none is given.
    TDocForm(TDocument& document, TFormList& list, std::string method, std::string action,
             std::string target, std::string encType);
    ~TDocForm();
    TDocForm(const TDocForm&) = delete;
    TDocForm& operator=(const TDocForm&) = delete;

    TDocument& document() const { return *document_; }
    TFormList& list() const { return *list_; }
    const std::string& method() const { return method_; }
    const std::string& action() const { return action_; }
    const std::string& target() const { return target_; }
    const std::string& encType() const { return encType_; }

    // Every control in page order. Controls without a place in a line (hidden ones, the form
    // side of image buttons) are owned here; the others by their sections.
    const std::vector<TFormFieldObj*>& controls() const { return controls_; }
    void addControl(TFormFieldObj& control);
    void own(std::unique_ptr<TFormFieldObj> control);
    // Controls that show (not hidden).
    int visibleCount() const { return visibleCount_; }

    // Back to what the page said, every control.
    void reset();
    // Submits (when the viewer listens): the lines of every enabled control, then `buttonLine`
    // when it is not empty.
    void submit(const std::string& buttonLine = {});
    // The lines a submission would hand over now.
    std::vector<std::string> submissionLines(const std::string& buttonLine = {}) const;

  private:
    TDocument* document_;
    TFormList* list_;
    std::string method_;
    std::string action_;
    std::string target_;
    std::string encType_;
    std::vector<TFormFieldObj*> controls_;
    std::vector<std::unique_ptr<TFormFieldObj>> owned_;
    int visibleCount_ = 0;
};

// The forms of a document and what their controls need from the viewer.
class TFormList {
  public:
    TFormList() = default;
    TFormList(const TFormList&) = delete;
    TFormList& operator=(const TFormList&) = delete;

    // Windows for the controls; none: controls have no windows (printing, tests of layout).
    FormControlFactory* factory = nullptr;
    // The viewer's OnFormSubmit route; without it forms never submit.
    std::function<void(const SubmittedForm& form)> submitted;
    // Asks the viewer to bring a control that took the focus into view: its top in the page.
    std::function<void(int top)> makeVisible;
    // The viewer's OnFileBrowse: given the edit's text (UTF-8), the file name to put there.
    std::function<void(std::string& fileName)> fileBrowse;

    TDocForm& add(std::unique_ptr<TDocForm> form);
    const std::vector<std::unique_ptr<TDocForm>>& forms() const { return forms_; }
    // Forgets every form; their controls must be gone or going.
    void clear() { forms_.clear(); }

    // Every control in page order.
    std::vector<TFormFieldObj*> controls() const;
    // Chains the windows for Tab: controls with a positive TABINDEX first, by that number, then
    // the others, each group in page order.
    void orderTabChain() const;
    // Places every window for the scroll offsets and panel size given.
    void placeWindows(int offsetX, int offsetY, int panelWidth, int panelHeight) const;
    // The form data the history keeps, one entry per control, and its return.
    std::vector<std::string> formData() const;
    void setFormData(const std::vector<std::string>& data) const;

  private:
    std::vector<std::unique_ptr<TDocForm>> forms_;
};

}  // namespace kelvor::engine
