// Makes allocations of this test program fail, as they would when memory
// runs out: the next non-throwing array allocations, or every throwing one
// while a ScopedOutOfMemory lives.
#pragma once

namespace testalloc {

void FailNextNothrowArrays(int count);

class ScopedOutOfMemory {
public:
    ScopedOutOfMemory();
    ~ScopedOutOfMemory();
    ScopedOutOfMemory(const ScopedOutOfMemory&) = delete;
    ScopedOutOfMemory& operator=(const ScopedOutOfMemory&) = delete;
};

}  // namespace testalloc
