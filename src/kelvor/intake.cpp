// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/intake.h"
namespace kelvor {
bool ScanStep(KelvorState&) { throw std::logic_error("ScanStep"); }
std::string Base64Decode(std::string_view) { throw std::logic_error("Base64Decode"); }
}
