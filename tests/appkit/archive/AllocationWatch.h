// Watches the test program's allocations, so a test can tell how large a
// block the code under test asked for.
#pragma once

#include <cstddef>

namespace allocwatch {

// The largest single request made while `watch` ran.
template <class Watched>
std::size_t LargestAllocationDuring(Watched watch);

void StartAllocationWatch();
std::size_t StopAllocationWatch();

template <class Watched>
std::size_t LargestAllocationDuring(Watched watch) {
    StartAllocationWatch();
    watch();
    return StopAllocationWatch();
}

}  // namespace allocwatch
