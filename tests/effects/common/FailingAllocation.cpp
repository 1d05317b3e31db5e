#include "tests/effects/common/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace testalloc {
namespace {
int failures = 0;
}

void FailNextNothrowArrays(int count) { failures = count; }

}  // namespace testalloc

// Replaces the library's: the default array delete frees with free().
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (testalloc::failures > 0) {
        --testalloc::failures;
        return nullptr;
    }
    return std::malloc(size ? size : 1);
}
