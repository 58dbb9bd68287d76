// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/intake.h"
namespace kelvor {
bool CommandLineStep(KelvorState&) { throw std::logic_error("CommandLineStep"); }
}
