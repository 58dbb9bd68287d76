// Placeholder until its owner lands the real code; every entry fails loudly.
#include <stdexcept>
#include "kelvor/report_writer.h"
namespace kelvor {
bool WriteReportHeading(KelvorState&) { throw std::logic_error("WriteReportHeading"); }
void WriteEventReport(KelvorState&) { throw std::logic_error("WriteEventReport"); }
void WriteNoStreamEnding(KelvorState&) { throw std::logic_error("WriteNoStreamEnding"); }
void WriteReport(KelvorState&, const std::string&) { throw std::logic_error("WriteReport"); }
void CloseReport(KelvorState&) { throw std::logic_error("CloseReport"); }
}
