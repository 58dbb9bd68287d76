// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/stream_preparation.h"
namespace kelvor {
void PrepareStream(KelvorState&) { throw std::logic_error("PrepareStream"); }
void FillMylist(KelvorState&) { throw std::logic_error("FillMylist"); }
}
