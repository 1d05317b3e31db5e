// No C++ exception may cross a COM method: the caller is another module, often
// not C++ at all, and an exception reaching it would end the host process.
// What the standard library throws (memory running out, above all) ends the
// call with a failure instead.
#pragma once

#include <objbase.h>

#include <exception>
#include <new>

namespace comkit {

template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_FAIL;
    }
}

}  // namespace comkit
