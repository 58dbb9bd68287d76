#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/forms/doc_form.h"
#include "engine/forms/form_field.h"
#include "engine/forms/memory_control.h"
#include "engine/view/engine_document.h"
#include "platform/fixed/fixed_font_services.h"

namespace kelvor::engine::testing {

// Windows that stay in memory and are kept in the order they were made, so that a test can act
// as the user on them.
class MemoryControlFactory : public FormControlFactory {
  public:
    std::unique_ptr<FormPlatformControl> create(PlatformControlKind kind) override {
        auto control = std::make_unique<MemoryControl>(kind);
        made.push_back(control.get());
        return control;
    }
    std::vector<MemoryControl*> made;
};

struct Submitted {
    std::string action;
    std::string target;
    std::string encType;
    std::string method;
    std::vector<std::string> results;
};

// A page read into the engine's document on the fixed fonts (12 pt text: em 16, cell 19 with a
// descent of 4, characters 8 wide; controls in 10 pt: em 13, cell 15, characters 6 wide); pages
// have margins of 10 pixels left and right and 5 above.
class FormsTest : public ::testing::Test {
  protected:
    FormsTest() { doc.setFormControlFactory(&factory); }

    void Read(const std::string& html, bool listening = true) {
        doc.clear(ViewDefaults{});
        ReadHooks hooks;
        if (listening) {
            hooks.formSubmitted = [this](const std::string& action, const std::string& target,
                                         const std::string& encType, const std::string& method,
                                         const std::vector<std::string>& results) {
                submissions.push_back(Submitted{action, target, encType, method, results});
            };
        }
        hooks.fileBrowse = [this](std::string& name) {
            browsed.push_back(name);
            name = "C:\\chosen.txt";
        };
        doc.readHtml(html, hooks);
    }
    void Layout(int width = 400, int height = 300) { doc.layout(width, height); }

    std::vector<TFormFieldObj*> Controls() { return doc.forms().controls(); }
    TFormFieldObj& Control(std::size_t index) { return *Controls().at(index); }
    template <typename T>
    T& ControlAs(std::size_t index) {
        T* control = dynamic_cast<T*>(&Control(index));
        EXPECT_NE(control, nullptr);
        return *control;
    }
    MemoryControl& Window(std::size_t index) { return *factory.made.at(index); }
    MemoryControl& WindowOf(const TFormFieldObj& control) {
        return *static_cast<MemoryControl*>(control.platformControl());
    }
    TDocForm& Form(std::size_t index) { return *doc.forms().forms().at(index); }
    std::vector<std::string> LastResults() {
        return submissions.empty() ? std::vector<std::string>{"(none)"}
                                   : submissions.back().results;
    }

    platform::fixed::FixedFontServices fonts;
    MemoryControlFactory factory;
    EngineDocument doc{fonts};
    std::vector<Submitted> submissions;
    std::vector<std::string> browsed;
};

}  // namespace kelvor::engine::testing
