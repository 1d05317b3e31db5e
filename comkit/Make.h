// The one way a COM object of ours is made: on the heap, without throwing,
// owned by the pointer answered (its first reference).
#pragma once

#include <new>
#include <utility>

#include "comkit/ComPtr.h"

namespace comkit {

// Null when memory ran out.
template <class T, class... Args>
ComPtr<T> Make(Args&&... args) {
    return ComPtr<T>(new (std::nothrow) T(std::forward<Args>(args)...));
}

}  // namespace comkit
