// The points of a random table visited in turn, frame after frame, from an
// index that carries over. A count from a stored or edited block can be
// anything its field holds; the marks stamped on the points are the same
// however often a point is visited within one frame, so a frame visits each
// point at most once and the index moves on by the whole count.
#pragma once

#include <cstdint>

namespace palette {

// Visits `count` indices in turn from `index` around a cycle of `cycle`
// indices (0 .. cycle - 1), each at most once; answers the index `count`
// steps on. A count of 0 or below visits nothing.
template <class Visit>
int VisitInTurn(int index, std::int64_t count, int cycle, Visit&& visit) {
    if (count <= 0) return index;
    const std::int64_t visits = count < cycle ? count : cycle;
    for (std::int64_t n = 0; n < visits; ++n) visit(static_cast<int>((index + n) % cycle));
    return static_cast<int>((index + count % cycle) % cycle);
}

}  // namespace palette
