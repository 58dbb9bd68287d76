#pragma once

#include <QString>
#include <string>

namespace kelvor::platform::qt {

// The program's texts are 8-bit: UTF-8 where the input was, otherwise single bytes. A text
// that is well-formed UTF-8 is read as such, any other byte by byte as Latin-1, so no byte is
// lost or shown as a replacement mark.
QString ToQString(const std::string& text);

// A file name as the system spells it (bytes in the locale's encoding) and back.
QString FromFileName(const std::string& path);
std::string ToFileName(const QString& path);

}  // namespace kelvor::platform::qt
