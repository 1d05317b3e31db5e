// Sole ownership of a Win32 handle: closed at scope end, movable, not copied.
// A traits class names the handle type, its empty value, what counts as
// valid and how it is closed. Closing keeps the caller's last-error value.
#pragma once

#include <utility>

#include "winkit/LastError.h"

namespace winkit {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    // Adopts what a Create/Open call answered, a failure value included.
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }
    void reset(Handle handle = Traits::Empty()) {
        if (Traits::IsValid(handle_)) {
            const KeptLastError kept;
            Traits::Close(handle_);
        }
        handle_ = handle;
    }
    Handle release() { return std::exchange(handle_, Traits::Empty()); }
    // For out parameters: closes what is held first.
    Handle* out() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Empty();
};

// Traits for handles whose empty value is null.
template <class H, auto CloseFunction>
struct NullEmptyTraits {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { CloseFunction(handle); }
};

}  // namespace winkit
