// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/parser.h"
namespace kelvor {
void ParseStream(KelvorState&) { throw std::logic_error("ParseStream"); }
}
