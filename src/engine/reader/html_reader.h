#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/form_control.h"
#include "engine/reader/attribute_list.h"
#include "engine/reader/char_reader.h"

namespace kelvor::platform {
class FileSystem;
}

namespace kelvor::engine {

class TDocument;
class TFormControlObj;
class TPanelObj;
class TProperties;

// A form control the reader met, for the viewer's form-control hook. The control itself (its
// look and behaviour) is built by the forms code; the reader places what the hook returns.
struct FormControlRequest {
    enum class Kind { input, select, textarea };
    struct Option {
        std::u16string text;  // trimmed
        std::string value;    // VALUE as written
        bool hasValue = false;
        bool selected = false;
    };

    Kind kind = Kind::input;
    const TAttributeList& attributes;
    const TProperties& properties;  // the control's own ("input", "select", "textarea")
    int sourcePosition = 0;
    int form = -1;                      // index of the FORM it belongs to, -1 for none
    std::vector<Option> options;        // SELECT
    std::vector<std::u16string> lines;  // TEXTAREA
};

// What the forms code builds for one control: the controls to place in the text, in order (a
// file input is an edit and its browse button), and for an image button its image object.
struct FormControlBuild {
    std::vector<std::unique_ptr<TFormControlObj>> controls;
    std::unique_ptr<TFloatingObj> image;
};

// What the viewer passes in; every hook may be left empty.
struct HtmlReaderHooks {
    IncludeHandler include;
    // BGSOUND: the SRC, the LOOP count (1 when not given) and Terminate.
    std::function<void(const std::string& src, int loop, bool terminate)> sound;
    // META: HTTP-EQUIV, NAME, CONTENT.
    std::function<void(const std::string& httpEquiv, const std::string& name,
                       const std::string& content)>
        meta;
    // LINK: REL, REV, HREF.
    std::function<void(const std::string& rel, const std::string& rev, const std::string& href)>
        link;
    // SCRIPT: NAME, the text with CR LF line ends, LANGUAGE. Without it scripts are skipped.
    std::function<void(const std::string& name, const std::string& script,
                       const std::string& language)>
        script;
    // OBJECT: the panel made for it, a flag to set when the host fills the panel (the element's
    // content is then skipped), the PARAM lines "name=value" and the tag's attribute lines.
    std::function<void(TPanelObj& panel, bool& handled, const std::vector<std::string>& params,
                       const std::vector<std::string>& attributes)>
        objectTag;
    // INPUT, SELECT, TEXTAREA: the control to place, or none.
    std::function<std::unique_ptr<TFormControlObj>(const FormControlRequest& request)> formControl;
    // The same as formControl, for controls that are more than one object; used when set.
    std::function<FormControlBuild(const FormControlRequest& request)> formControls;
    // A FORM tag starts form number `index`.
    std::function<void(int index, const TAttributeList& attributes)> formStart;

    // Linked style sheets. The viewer's stream request: the sheet's text, or none.
    std::function<std::optional<std::string>(const std::string& name)> streamRequest;
    // The viewer's name-expansion handler, applied before a stream request.
    std::function<std::string(const std::string& name)> expandName;
    // The viewer's file-name expansion (ExpandLinkName): a name to a full path.
    std::function<std::string(const std::string& name)> expandFileName;
    // Where linked sheets are read from when no stream is given; none reads no files.
    const platform::FileSystem* files = nullptr;

    // Progress in percent of the document read, every 4096 bytes.
    std::function<void(int percent)> progress;
    // The reader works for a display control (META charsets apply).
    bool forDisplay = true;
    // Entities in VALUE attributes and TEXTAREA text take the code page in force (otherwise the
    // system default code page).
    bool entitiesInCodePage = false;
};

// What a reading leaves for the viewer besides the document.
struct HtmlReadResult {
    std::string title;  // UTF-8
    std::string base;
    std::string baseTarget;
    int codePage = 0;  // the code page in force
    bool manyLinks = false;
};

// Linked style sheets larger than this are not read.
inline constexpr std::uint64_t kMaxLinkedSheetBytes = 16 * 1024 * 1024;

// Builds the document of an HTML text into `document`, which the viewer has cleared with its
// defaults. Never fails: malformed markup is read as well as it goes, and an input that ends
// inside a comment keeps what was built before it.
HtmlReadResult ReadHtmlDocument(std::string_view text, TDocument& document,
                                const HtmlReaderHooks& hooks = {});

// Builds a document that shows `text` as preformatted lines.
HtmlReadResult ReadTextDocument(std::string_view text, TDocument& document,
                                const HtmlReaderHooks& hooks = {});

}  // namespace kelvor::engine
