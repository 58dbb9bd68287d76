#pragma once

#include <cstddef>

namespace kelvor::images::testing {

// While one exists, notes the largest single allocation made through operator new, so a test
// can tell that a picture was refused before its pixels were allocated.
class AllocationProbe {
  public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;
    std::size_t largest() const;
};

}  // namespace kelvor::images::testing
