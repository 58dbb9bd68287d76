// The place of the table reader (rule 19).
//
// Until tables are built, a TABLE element reads as if its table tags were absent: this skips the
// TABLE tag, and the content loops pass over TR, TD, TH, CAPTION, THEAD, TBODY, TFOOT, COL,
// COLGROUP and end TABLE like unknown tags (IsTableInnerTag, IsParagraphContent). The table
// reader takes this function's place; the symbols that end a cell's content go into the term
// set it passes down, which every content loop tests before passing a tag over.

#include "engine/reader/reading.h"

namespace kelvor::engine {

void HtmlReading::readTable(const SymbolSet& /*term*/) {
    next();
}

}  // namespace kelvor::engine
