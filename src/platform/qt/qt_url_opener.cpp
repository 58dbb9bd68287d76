#include "platform/qt/qt_url_opener.h"

#include <QByteArray>
#include <QDesktopServices>

namespace kelvor::platform::qt {

QUrl EncodedUrl(const std::string& url) {
    // Strict mode: the caller encoded every value itself, and a tolerant parse would re-encode
    // or decode parts of it.
    QUrl parsed = QUrl::fromEncoded(QByteArray(url.data(), static_cast<qsizetype>(url.size())),
                                    QUrl::StrictMode);
    return parsed.isValid() ? parsed : QUrl();
}

bool QtUrlOpener::Open(const std::string& url) {
    const QUrl parsed = EncodedUrl(url);
    return !parsed.isEmpty() && QDesktopServices::openUrl(parsed);
}

}  // namespace kelvor::platform::qt
