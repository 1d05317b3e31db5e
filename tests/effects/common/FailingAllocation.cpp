#include "tests/effects/common/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace testalloc {
namespace {
int failures = 0;
bool outOfMemory = false;
}  // namespace

void FailNextNothrowArrays(int count) { failures = count; }

ScopedOutOfMemory::ScopedOutOfMemory() { outOfMemory = true; }
ScopedOutOfMemory::~ScopedOutOfMemory() { outOfMemory = false; }

}  // namespace testalloc

// Replacements of the library's; every delete frees with free().
void* operator new(std::size_t size) {
    if (!testalloc::outOfMemory)
        if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (testalloc::failures > 0) {
        --testalloc::failures;
        return nullptr;
    }
    return std::malloc(size ? size : 1);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
