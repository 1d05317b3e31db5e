#include "comkit/TaskMem.h"

#include <cstring>

namespace comkit {

short* CopyToTaskMem(std::wstring_view text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
    if (!copy) return nullptr;
    std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
    copy[text.size()] = L'\0';
    return reinterpret_cast<short*>(copy);
}

}  // namespace comkit
