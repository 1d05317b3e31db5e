#include "effects/common/RowRange.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace palette {

namespace {
// Eight pixels at a time, without stopping inside a row: the loop
// vectorises, and most rows looked at are blank.
bool Blank(const BYTE* row, int length) {
    std::uint64_t any = 0;
    int i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, row + i, 8);
        any |= eight;
    }
    for (; i < length; ++i) any |= row[i];
    return any == 0;
}
}  // namespace

RowRange InkedRows(const Plane& plane) {
    const auto row = [&plane](int r) { return plane.pixels + static_cast<std::ptrdiff_t>(r) * plane.stride; };
    int first = 0;
    while (first < plane.height && Blank(row(first), plane.stride)) ++first;
    int last = plane.height - 1;
    while (last > first && Blank(row(last), plane.stride)) --last;
    return {first, first < plane.height ? last : -1};
}

}  // namespace palette
