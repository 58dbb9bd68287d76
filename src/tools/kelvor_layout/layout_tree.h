#pragma once

#include <ostream>

namespace kelvor::engine {
class TDocument;
}

namespace kelvor::tools {

// Writes the laid-out items of a document, one per line, indented by nesting (--tree):
//   block <tag> y=<y> h=<flow height> box=<left>,<top>-<right>,<bottom> content=<x>+<width>
//   section y=<y> h=<height> x=<x> w=<width>
//     line y=<top> h=<height> base=<baseline> x=<x> w=<drawn width> "<text>"
//   page y=<y>
void WriteLayoutTree(std::ostream& out, const engine::TDocument& document);

}  // namespace kelvor::tools
