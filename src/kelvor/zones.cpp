// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/zones.h"
namespace kelvor {
void Gettimezone(KelvorState&) { throw std::logic_error("Gettimezone"); }
void LookUpConfiguredZone(KelvorState&, const std::string&) { throw std::logic_error("LookUpConfiguredZone"); }
void CompleteMyTZ(KelvorState&) { throw std::logic_error("CompleteMyTZ"); }
void DecidePeriod(KelvorState&) { throw std::logic_error("DecidePeriod"); }
void TZLookup(KelvorState&) { throw std::logic_error("TZLookup"); }
void DumpZones(KelvorState&) { throw std::logic_error("DumpZones"); }
std::string OffsetText(int) { throw std::logic_error("OffsetText"); }
}
