#pragma once

#include <map>

#include "engine/reader/html_reader.h"

namespace kelvor::engine {

class TDocForm;
class TDocument;
class TFormList;

// Builds a document's forms and controls from what the reader meets: each FORM becomes a
// TDocForm of the list, each INPUT, SELECT and TEXTAREA a control of its form. Controls outside
// any FORM share one form of their own, without an action.
class FormBuilder {
  public:
    FormBuilder(TDocument& document, TFormList& forms) : document_(document), forms_(forms) {}

    // Sets the reader's form hooks to this builder.
    void install(HtmlReaderHooks& hooks);

    void startForm(int index, const TAttributeList& attributes);
    FormControlBuild build(const FormControlRequest& request);

  private:
    TDocForm& formFor(int index);
    FormControlBuild buildInput(TDocForm& form, const FormControlRequest& request);
    FormControlBuild buildSelect(TDocForm& form, const FormControlRequest& request);
    FormControlBuild buildTextArea(TDocForm& form, const FormControlRequest& request);

    TDocument& document_;
    TFormList& forms_;
    std::map<int, TDocForm*> byIndex_;
    TDocForm* outside_ = nullptr;
};

}  // namespace kelvor::engine
