#include "engine/forms/form_builder.h"

#include <memory>
#include <utility>

#include "engine/document/document.h"
#include "engine/document/floating_objects.h"
#include "engine/document/utf8_text.h"
#include "engine/forms/button_control.h"
#include "engine/forms/check_controls.h"
#include "engine/forms/doc_form.h"
#include "engine/forms/edit_control.h"
#include "engine/forms/hidden_image_controls.h"
#include "engine/forms/list_controls.h"
#include "engine/forms/text_area_control.h"
#include "engine/forms/text_values.h"
#include "engine/style/properties.h"

namespace kelvor::engine {

namespace {

// An attribute's text as UTF-8, read in the code page it was read in.
std::string Utf8Attribute(const TAttributeList& list, Attr symbol) {
    const TAttribute* attribute = list.find(symbol);
    return attribute != nullptr ? Utf8FromCodePage(attribute->valueText, attribute->codePage)
                                : std::string();
}

FieldAttributes Field(const FormControlRequest& request) {
    const TAttributeList& list = request.attributes;
    FieldAttributes field;
    field.name = Utf8Attribute(list, Attr::Name);
    field.value = Utf8Attribute(list, Attr::Value);
    field.id = std::string(list.text(Attr::Id));
    field.codePage = request.properties.codePage();
    field.disabled = list.has(Attr::Disabled);
    field.readOnly = list.has(Attr::Readonly);
    field.tabOrder = list.number(Attr::TabIndex).value_or(0);
    return field;
}

// A control of the text: listed in its form, placed by the reader.
template <typename Control>
void Place(TDocForm& form, std::unique_ptr<Control> control, FormControlBuild& build) {
    form.addControl(*control);
    build.controls.push_back(std::move(control));
}

}  // namespace

void FormBuilder::install(HtmlReaderHooks& hooks) {
    hooks.formStart = [this](int index, const TAttributeList& attributes) {
        startForm(index, attributes);
    };
    hooks.formControls = [this](const FormControlRequest& request) { return build(request); };
}

void FormBuilder::startForm(int index, const TAttributeList& attributes) {
    auto form = std::make_unique<TDocForm>(
        document_, forms_, Utf8Attribute(attributes, Attr::Method),
        Utf8Attribute(attributes, Attr::Action), Utf8Attribute(attributes, Attr::Target),
        Utf8Attribute(attributes, Attr::EncType));
    byIndex_[index] = &forms_.add(std::move(form));
}

TDocForm& FormBuilder::formFor(int index) {
    const auto found = byIndex_.find(index);
    if (found != byIndex_.end())
        return *found->second;
    if (outside_ == nullptr)
        outside_ = &forms_.add(std::make_unique<TDocForm>(document_, forms_, "", "", "", ""));
    return *outside_;
}

FormControlBuild FormBuilder::build(const FormControlRequest& request) {
    TDocForm& form = formFor(request.form);
    switch (request.kind) {
        case FormControlRequest::Kind::input:
            return buildInput(form, request);
        case FormControlRequest::Kind::select:
            return buildSelect(form, request);
        case FormControlRequest::Kind::textarea:
            return buildTextArea(form, request);
    }
    return {};
}

FormControlBuild FormBuilder::buildInput(TDocForm& form, const FormControlRequest& request) {
    const TAttributeList& list = request.attributes;
    const TProperties& properties = request.properties;
    const FieldAttributes field = Field(request);
    const std::string type = ControlType(list.text(Attr::Type));
    FormControlBuild build;
    using Role = TButtonFormControlObj::Role;
    if (type == "hidden") {
        auto hidden = std::make_unique<THiddenFormControlObj>(form, field, properties);
        form.addControl(*hidden);
        form.own(std::move(hidden));
    } else if (type == "image") {
        auto control = std::make_unique<TImageFormControlObj>(form, field, properties);
        auto image = std::make_unique<TImageObj>(ReadImageAttributes(list), properties,
                                                 document_.openLink(), request.sourcePosition);
        image->formControl = control.get();
        form.addControl(*control);
        form.own(std::move(control));
        build.image = std::move(image);
    } else if (type == "submit" || type == "reset" || type == "button") {
        const Role role =
            type == "submit" ? Role::submit : (type == "reset" ? Role::reset : Role::button);
        Place(form, std::make_unique<TButtonFormControlObj>(form, field, properties, role), build);
    } else if (type == "radio" || type == "checkbox") {
        const bool checked = list.has(Attr::Checked);
        if (type == "radio")
            Place(form,
                  std::make_unique<TRadioButtonFormControlObj>(form, field, properties, checked),
                  build);
        else
            Place(form, std::make_unique<TCheckBoxFormControlObj>(form, field, properties, checked),
                  build);
    } else {
        const int size = EditSizeCharacters(list.has(Attr::Size), list.text(Attr::Size),
                                            list.number(Attr::Size).value_or(0));
        const int maxLength = list.number(Attr::MaxLength).value_or(0);
        auto edit = std::make_unique<TEditFormControlObj>(form, field, properties,
                                                          type == "password", size, maxLength);
        TEditFormControlObj* const editPtr = edit.get();
        Place(form, std::move(edit), build);
        if (type == "file") {
            // A file's name is the user's to choose; the page cannot preset it.
            editPtr->setInitialText({});
            FieldAttributes browse;
            browse.codePage = field.codePage;
            browse.disabled = field.disabled;
            Place(form,
                  std::make_unique<TButtonFormControlObj>(form, browse, properties, Role::browse,
                                                          editPtr),
                  build);
        }
    }
    return build;
}

FormControlBuild FormBuilder::buildSelect(TDocForm& form, const FormControlRequest& request) {
    const TAttributeList& list = request.attributes;
    const int codePage = request.properties.codePage();
    TOptionList options;
    for (const FormControlRequest::Option& option : request.options) {
        TOptionObj item;
        item.text = option.text;
        item.value =
            option.hasValue ? Utf8FromCodePage(option.value, codePage) : Utf8FromUtf16(option.text);
        item.selected = option.selected;
        options.add(std::move(item));
    }
    const bool multiple = list.has(Attr::Multiple);
    const int size = list.number(Attr::Size).value_or(0);
    FormControlBuild build;
    if (multiple || size > 1)
        Place(form,
              std::make_unique<TListBoxFormControlObj>(form, Field(request), request.properties,
                                                       std::move(options), multiple, size),
              build);
    else
        Place(form,
              std::make_unique<TComboFormControlObj>(form, Field(request), request.properties,
                                                     std::move(options)),
              build);
    return build;
}

FormControlBuild FormBuilder::buildTextArea(TDocForm& form, const FormControlRequest& request) {
    const TAttributeList& list = request.attributes;
    FormControlBuild build;
    Place(form,
          std::make_unique<TTextAreaFormControlObj>(
              form, Field(request), request.properties, request.lines,
              list.number(Attr::Cols).value_or(0), list.number(Attr::Rows).value_or(0),
              TextAreaWrapFrom(list.has(Attr::Wrap), list.text(Attr::Wrap))),
          build);
    return build;
}

}  // namespace kelvor::engine
