// Blocks of COM task memory (CoTaskMemAlloc) and the wide strings that cross
// the effect interfaces in them.
#pragma once

#include <objbase.h>

#include <memory>
#include <string_view>
#include <utility>

namespace comkit {

struct TaskMemFree {
    void operator()(void* p) const { CoTaskMemFree(p); }
};

// A block from CoTaskMemAlloc, freed with CoTaskMemFree.
template <class T>
using TaskMem = std::unique_ptr<T, TaskMemFree>;

// Receives a wide string through the contract's `short**` out parameters
// and frees it at scope end.
class TaskMemString {
public:
    TaskMemString() = default;
    TaskMemString(const TaskMemString&) = delete;
    TaskMemString& operator=(const TaskMemString&) = delete;
    ~TaskMemString() { CoTaskMemFree(raw_); }

    short** put() {
        CoTaskMemFree(std::exchange(raw_, nullptr));
        return &raw_;
    }
    const wchar_t* get() const { return reinterpret_cast<const wchar_t*>(raw_); }
    std::wstring_view view() const { return raw_ ? std::wstring_view(get()) : std::wstring_view(); }

private:
    short* raw_ = nullptr;
};

// A NUL-terminated CoTaskMem copy (2 x length + 2 bytes), null without memory.
short* CopyToTaskMem(std::wstring_view text);

}  // namespace comkit
