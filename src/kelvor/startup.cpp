// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/startup.h"
namespace kelvor {
StartupOutcome startup(KelvorState&) { throw std::logic_error("startup"); }
}
