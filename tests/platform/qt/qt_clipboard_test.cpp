// The clipboard through Qt: one copy is one piece of data with the plain text, the HTML and the
// exact "HTML Format" block.

#include "platform/qt/qt_clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <string>

#include "gui_application.h"

namespace kelvor::platform::qt {
namespace {

// A block as a copy makes it: the header counts 99 plus the source line
// ("SourceURL:file:///d/p.htm", 25), so the HTML starts at 124; the fragment "Grüße" (7 bytes
// in UTF-8) starts after the DOCTYPE line (64), "<p>" and the start mark (20), at 211.
std::string Block() {
    const std::string html =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
        "<p><!--StartFragment-->Gr\xC3\xBC\xC3\x9F"
        "e<!--EndFragment-->";
    return "Version:1.0\r\nStartHTML:00000124\r\nEndHTML:00000" +
           std::to_string(124 + html.size()) +
           "\r\nStartFragment:00000211\r\nEndFragment:00000218\r\n"
           "SourceURL:file:///d/p.htm\r\n" +
           html;
}

TEST(QtClipboard, TheTextTheHtmlAndTheWholeBlockGoOnTheClipboardTogether) {
    Application();
    QtClipboard clipboard;
    clipboard.setText(u"Gr\u00FC\u00DFe\r\nnext");
    const QMimeData* text = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                              "e\r\nnext"));
    EXPECT_FALSE(text->hasHtml());

    const std::string block = Block();
    clipboard.addHtmlFormat(block);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                              "e\r\nnext"));
    ASSERT_TRUE(data->hasHtml());
    EXPECT_EQ(data->html().toStdString(), block.substr(124));
    const QByteArray exact = data->data(kHtmlFormatMimeType);
    EXPECT_EQ(std::string(exact.constData(), static_cast<std::size_t>(exact.size())), block);
    EXPECT_TRUE(data->formats().contains("text/plain"));
    EXPECT_TRUE(data->formats().contains("text/html"));
    EXPECT_TRUE(data->formats().contains("application/x-kelvor-html-format"));

    // A new copy replaces all of it.
    clipboard.setText(u"other");
    const QMimeData* replaced = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->text(), QString("other"));
    EXPECT_FALSE(replaced->hasHtml());
    EXPECT_FALSE(replaced->hasFormat(kHtmlFormatMimeType));
}

TEST(QtClipboard, TheHtmlOfABlockIsWhatItsOffsetsName) {
    const std::string block = Block();
    EXPECT_EQ(HtmlOfBlock(block), std::string_view(block).substr(124));
    // Offsets beyond the block, backwards, or missing give no HTML.
    EXPECT_EQ(HtmlOfBlock("Version:1.0\r\nStartHTML:00000010\r\nEndHTML:00099999\r\n"), "");
    EXPECT_EQ(HtmlOfBlock("Version:1.0\r\nStartHTML:00000040\r\nEndHTML:00000030\r\n"), "");
    EXPECT_EQ(HtmlOfBlock("Version:1.0\r\nEndHTML:00000010\r\n"), "");
    EXPECT_EQ(HtmlOfBlock(""), "");
}

}  // namespace
}  // namespace kelvor::platform::qt
