#include <gtest/gtest.h>

#include "engine/document/form_control.h"
#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

// A control of a fixed size that remembers what the reader asked for.
class Control : public TFormControlObj {
  public:
    int width() const override { return 20; }
    int height() const override { return 10; }
};

struct Request {
    FormControlRequest::Kind kind;
    std::string type;
    int form;
    std::vector<FormControlRequest::Option> options;
    std::vector<std::u16string> lines;
};

class Forms : public ReaderTest {
  protected:
    Forms() {
        hooks.formControl = [this](const FormControlRequest& request) {
            requests.push_back(Request{request.kind,
                                       std::string(request.attributes.text(Attr::Type)),
                                       request.form, request.options, request.lines});
            return std::make_unique<Control>();
        };
        hooks.formStart = [this](int index, const TAttributeList& attributes) {
            forms.push_back(std::to_string(index) + std::string(attributes.text(Attr::Action)));
        };
    }
    HtmlReaderHooks hooks;
    std::vector<Request> requests;
    std::vector<std::string> forms;
};

TEST_F(Forms, ControlsGoToTheViewersHookAndTakeAPlaceInTheText) {
    Read(
        "<p>a<input type=text name=q>b</p><form action=go><input type=submit></form>"
        "<input type=hidden>",
        hooks);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].type, "text");
    EXPECT_EQ(requests[0].form, -1);
    EXPECT_EQ(requests[1].form, 0);
    EXPECT_EQ(requests[2].form, -1);
    EXPECT_EQ(forms, (std::vector<std::string>{"0go"}));
    EXPECT_EQ(Text(Section(0)), "a@b ");
}

TEST_F(Forms, SelectOptions) {
    Read(
        "<p>Pick <select name=s><option value=1>One <option selected> Two \r\n</option>"
        "stray<option>Three</select> now</p>",
        hooks);
    ASSERT_EQ(requests.size(), 1u);
    const std::vector<FormControlRequest::Option>& options = requests[0].options;
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0].text, u"One");
    EXPECT_TRUE(options[0].hasValue);
    EXPECT_EQ(options[0].value, "1");
    EXPECT_FALSE(options[0].selected);
    EXPECT_EQ(options[1].text, u"Two");
    EXPECT_TRUE(options[1].selected);
    EXPECT_EQ(options[2].text, u"Three");
    // The end tag of the list does not end the paragraph.
    EXPECT_EQ(Dump(), "p{'Pick @ now '}");
}

TEST_F(Forms, TextAreasAreRawText) {
    Read("<textarea rows=2>a &lt;b&gt; <b>c</b>\r\n<!-- d -->&#150;</TEXTAREA >e", hooks);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].lines,
              (std::vector<std::u16string>{u"a <b> <b>c</b>", u"<!-- d -->\u2013"}));
    EXPECT_EQ(Text(Section(0)), "@e ");
}

TEST_F(Forms, WithoutAHookControlsAreLeftOut) {
    Read("a<input type=text><select><option>x</select><textarea>y</textarea>b");
    EXPECT_EQ(Text(Section(0)), "ab ");
}

using PlainText = ReaderTest;

TEST_F(PlainText, LinesArePreformattedSections) {
    const HtmlReadResult result = ReadText("a <b>&amp;\r\n\r\n  c\tx\n");
    EXPECT_EQ(Dump(), "pre{='a <b>&amp; ' ='' ='  c x '}");
    EXPECT_EQ(result.title, "");
    EXPECT_EQ(RunAt(Section(0), 0).font.description.name, "Courier New");
    EXPECT_EQ(Section(2).positions[0], 14);
}

TEST_F(PlainText, LongLinesStayOneSection) {
    ReadText(std::string(450, 'x') + "\r\ny");
    const auto sections = Sections();
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0]->text.size(), 451u);
    EXPECT_EQ(sections[0]->positions[449], 449);
}

TEST_F(PlainText, ByteOrderMarkAndControlCharacters) {
    const HtmlReadResult result = ReadText("\xEF\xBB\xBF\xC3\xA9\x04\x08z");
    EXPECT_EQ(result.codePage, 65001);
    EXPECT_EQ(Section(0).text, u"\u00E9??z ");
}

}  // namespace
}  // namespace kelvor::engine::testing
