// Makes the next non-throwing array allocations of this test program fail,
// as they would when memory runs out.
#pragma once

namespace testalloc {

void FailNextNothrowArrays(int count);

}  // namespace testalloc
