// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/rules.h"
namespace kelvor {
void ParseRulesV1(KelvorState&) { throw std::logic_error("ParseRulesV1"); }
void ParseRulesV2(KelvorState&) { throw std::logic_error("ParseRulesV2"); }
}
