#include "engine/forms/button_control.h"

#include "engine/document/utf8_text.h"
#include "engine/forms/doc_form.h"
#include "engine/forms/edit_control.h"
#include "engine/forms/text_values.h"

namespace kelvor::engine {

namespace {

// Room around the caption: the raised frame and its margins.
constexpr int kCaptionMarginX = 16;
constexpr int kCaptionMarginY = 8;

std::u16string DefaultCaption(TButtonFormControlObj::Role role) {
    switch (role) {
        case TButtonFormControlObj::Role::submit:
            return u"Submit";
        case TButtonFormControlObj::Role::reset:
            return u"Reset";
        case TButtonFormControlObj::Role::browse:
            return u"Browse...";
        case TButtonFormControlObj::Role::button:
            break;
    }
    return {};
}

}  // namespace

TButtonFormControlObj::TButtonFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                                             const TProperties& properties, Role role,
                                             TEditFormControlObj* browsed)
    : TFormFieldObj(form, attributes, properties), role_(role), browsed_(browsed) {
    caption_ = role == Role::browse || attributes.value.empty() ? DefaultCaption(role)
                                                                : Utf16FromUtf8(attributes.value);
    createControl(PlatformControlKind::pushButton);
    platformControl()->setText(caption_);
    platformControl()->clicked = [this] { press(); };
    setSize(textWidth(caption_) + kCaptionMarginX, lineHeight() + kCaptionMarginY);
}

void TButtonFormControlObj::press() {
    if (disabled())
        return;
    switch (role_) {
        case Role::submit:
            form().submit(name().empty() ? std::string() : SubmissionLine(name(), value()));
            break;
        case Role::reset:
            form().reset();
            break;
        case Role::browse:
            if (browsed_ != nullptr && form().list().fileBrowse) {
                std::string fileName = Utf8FromUtf16(browsed_->text());
                form().list().fileBrowse(fileName);
                browsed_->setText(Utf16FromUtf8(fileName));
            }
            break;
        case Role::button:
            break;
    }
}

}  // namespace kelvor::engine
