#pragma once

#include <string>

namespace kelvor::tools {

// Prints an HTML file as the display control prints it (pages 1 to kLastPage, A4, the
// control's default print margins, the given print scale) to a PDF file, with the Qt fonts.
// Needs a Qt application. Returns the number of pages printed; a message in `error` and 0 on
// failure.
int PrintToPdf(const std::string& file, const std::string& pdf, double printScale,
               std::string& error);

inline constexpr int kLastPage = 9999;

}  // namespace kelvor::tools
