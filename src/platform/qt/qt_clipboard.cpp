#include "platform/qt/qt_clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <charconv>

namespace kelvor::platform::qt {

namespace {

// The number after `name` at the start of one of the header's lines; none when it is missing.
bool HeaderNumber(std::string_view block, std::string_view name, std::size_t& value) {
    const std::size_t line = block.find(name);
    if (line == std::string_view::npos || (line != 0 && block[line - 1] != '\n')) {
        return false;
    }
    const char* first = block.data() + line + name.size();
    const char* last = block.data() + block.size();
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end != first;
}

}  // namespace

std::string_view HtmlOfBlock(std::string_view block) {
    std::size_t start = 0;
    std::size_t end = 0;
    if (!HeaderNumber(block, "StartHTML:", start) || !HeaderNumber(block, "EndHTML:", end) ||
        start > end || end > block.size()) {
        return {};
    }
    return block.substr(start, end - start);
}

void QtClipboard::setText(std::u16string_view text) {
    text_ =
        QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
    auto* data = new QMimeData;
    data->setText(text_);
    // The clipboard takes the data over.
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::addHtmlFormat(std::string_view block) {
    auto* data = new QMimeData;
    data->setText(text_);
    const std::string_view html = HtmlOfBlock(block);
    data->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    data->setData(kHtmlFormatMimeType,
                  QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace kelvor::platform::qt
