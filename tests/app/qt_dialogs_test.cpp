// The Qt message box, dialogs and URL opener, looked at as the program shows them and answered
// by the test in the user's place.
#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QObject>
#include <QPrintDialog>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <string>

#include "platform/qt/qt_url_opener.h"
#include "platform/qt/qt_user_interface.h"
#include "platform/temp_folder.h"
#include "qt_application.h"

namespace kelvor {
namespace {

using platform::FontChoice;

// Answers the next modal dialog of the given kind in the user's place, as soon as it is shown.
template <typename Dialog>
void AnswerNext(const std::function<void(Dialog&)>& answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                answer(*dialog);
                return;
            }
        }
    });
    timer->start(10);
}

TEST(QtUserInterface, ShowsTheBoxWithItsCaptionAndTextAsPlainText) {
    testing::Application();
    platform::qt::QtUserInterface ui;
    const auto box = ui.makeBox("Kelvor", "Can't locate file: /tmp/<b>caf\xE9</b>.htm");
    EXPECT_EQ(box->windowTitle(), QString("Kelvor"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    // Bytes that are not UTF-8 are shown one by one, as Latin-1.
    EXPECT_EQ(box->text(), QString::fromUtf8("Can't locate file: /tmp/<b>caf\u00E9</b>.htm"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    // UTF-8 stays UTF-8.
    EXPECT_EQ(ui.makeBox("x", "Zo\xC3\xAB")->text(), QString::fromUtf8("Zo\u00EB"));

    // The box is modal: the call returns once the user has closed it.
    QString shown;
    AnswerNext<QMessageBox>([&](QMessageBox& open) {
        shown = open.windowTitle() + "|" + open.text();
        open.accept();
    });
    ui.messageBox("Mail program not available", "No mail program is set up to send the reply");
    EXPECT_EQ(shown,
              QString("Mail program not available|No mail program is set up to send the reply"));
}

TEST(QtSaveDialog, ProposesTheNameInTheFolderAndDoesNotAskBeforeReplacing) {
    testing::Application();
    testing::TempFolder temp;
    platform::qt::QtSaveDialog save;
    const platform::SaveDialogRequest request{"Save report as ...", "htm", "kelvorrep.htm",
                                              temp.path() + "/"};
    const auto dialog = save.makeDialog(request);
    EXPECT_EQ(dialog->windowTitle(), QString("Save report as ..."));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), QString("htm"));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->directory().absolutePath().toStdString(), temp.path());

    // QFileDialog keeps accept() protected; the dialog's own one is public.
    AnswerNext<QFileDialog>([](QFileDialog& open) { static_cast<QDialog&>(open).accept(); });
    EXPECT_EQ(save.Execute(request), temp / "kelvorrep.htm");

    AnswerNext<QFileDialog>([](QFileDialog& open) { static_cast<QDialog&>(open).reject(); });
    EXPECT_EQ(save.Execute(request), std::nullopt);
}

TEST(QtFontDialog, AnUnchangedFontKeepsItsNameAndSize) {
    const QFont shown("Liberation Serif", 12);
    const FontChoice initial{12, "Times New Roman"};
    // The dialog shows an unknown family as one it knows: left so, the initial name stays.
    EXPECT_EQ(platform::qt::QtFontDialog::Chosen(initial, shown, shown).name, "Times New Roman");
    EXPECT_EQ(platform::qt::QtFontDialog::Chosen(initial, shown, shown).size, 12);

    const FontChoice other =
        platform::qt::QtFontDialog::Chosen(initial, shown, QFont("DejaVu Sans Mono", 15));
    EXPECT_EQ(other.name, "DejaVu Sans Mono");
    EXPECT_EQ(other.size, 15);

    // A font sized in pixels gives no point size: the size stays.
    QFont pixels("Liberation Serif");
    pixels.setPixelSize(20);
    EXPECT_EQ(platform::qt::QtFontDialog::Chosen(initial, shown, pixels).size, 12);
}

TEST(QtFontDialog, ConfirmedAsShownItGivesTheFontItWasShownWith) {
    testing::Application();
    platform::qt::QtFontDialog fonts;
    AnswerNext<QFontDialog>([](QFontDialog& open) { open.accept(); });
    const std::optional<FontChoice> confirmed = fonts.Execute({13, "No Such Family Here"});
    ASSERT_TRUE(confirmed.has_value());
    EXPECT_EQ(confirmed->name, "No Such Family Here");
    EXPECT_EQ(confirmed->size, 13);

    AnswerNext<QFontDialog>([](QFontDialog& open) { open.reject(); });
    EXPECT_EQ(fonts.Execute({13, "No Such Family Here"}), std::nullopt);
}

TEST(QtPrintDialog, ACancelledDialogPrintsNothing) {
    testing::Application();
    platform::qt::QtPrintDialog print;
    AnswerNext<QPrintDialog>([](QPrintDialog& open) { open.reject(); });
    EXPECT_FALSE(print.Execute());
}

// Takes the URLs the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    std::vector<QByteArray> caught;
  public slots:
    void open(const QUrl& url) { caught.push_back(url.toEncoded()); }
};

TEST(QtUrlOpener, HandsTheUrlOnWithItsEncodingUntouched) {
    testing::Application();
    const std::string url =
        "mailto:ann%2Bx@example.com?subject=R%26D%20%3F%20%23%25%20caf%C3%A9&body=%20%20I";
    EXPECT_EQ(platform::qt::EncodedUrl(url).toEncoded().toStdString(), url);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    platform::qt::QtUrlOpener opener;
    EXPECT_TRUE(opener.Open(url));
    // A text that is not a valid URL is refused, not guessed at.
    EXPECT_FALSE(opener.Open("mailto:a b@example.com?subject=%zz"));
    QDesktopServices::unsetUrlHandler("mailto");
    ASSERT_EQ(catcher.caught.size(), 1u);
    EXPECT_EQ(catcher.caught[0].toStdString(), url);
}

}  // namespace
}  // namespace kelvor

#include "qt_dialogs_test.moc"
