// Replaces the program's operator new and delete; kept in a file of its own
// so the compiler never pairs an inlined free() with the caller's new.
#include "tests/appkit/archive/AllocationWatch.h"

#include <cstdlib>
#include <new>

namespace {
bool watching = false;
std::size_t largest = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (watching && size > largest) largest = size;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace allocwatch {

void StartAllocationWatch() {
    largest = 0;
    watching = true;
}

std::size_t StopAllocationWatch() {
    watching = false;
    return largest;
}

}  // namespace allocwatch
