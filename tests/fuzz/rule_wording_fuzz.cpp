// The English wording of recurrence rules, both syntaxes, on any rule text. The first byte
// turns tracing on or off.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/test_platform.h"
#include "kelvor/rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool tracing = size > 0 && (data[0] & 1) != 0;
    const std::string rule(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0),
                           size > 0 ? size - 1 : 0);
    for (const bool versionOne : {true, false}) {
        kelvor::testing::TestPlatform t;
        t.state.tracing = tracing;
        t.state.event.ruleSource = rule;
        if (versionOne) {
            kelvor::ParseRulesV1(t.state);
        } else {
            kelvor::ParseRulesV2(t.state);
        }
    }
    return 0;
}
