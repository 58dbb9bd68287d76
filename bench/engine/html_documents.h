#pragma once

#include <string>

namespace kelvor::bench {

// Generated documents for the reader and layout benchmarks. `scale` multiplies the size: 1, 2
// and 4 show whether the time grows with the document alone.
//
// Paragraphs: 10 000 x scale paragraphs of 40 words, some bold, italic or linked (2.5 MB at
// scale 1).
std::string ParagraphsDocument(int scale);
// One PRE of 1 MB x scale in lines of 80 characters.
std::string PreformattedDocument(int scale);
// 2 000 x scale list items in lists three levels deep.
std::string NestedListsDocument(int scale);

}  // namespace kelvor::bench
