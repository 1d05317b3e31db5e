#include "effects/common/PixelList.h"

#include <algorithm>
#include <new>

#include "winkit/MessageBoxes.h"

namespace palette {

bool PixelList::Build(std::span<const BYTE> pixels) {
    Clear();
    const size_t count = pixels.size() - static_cast<size_t>(std::count(pixels.begin(), pixels.end(), BYTE{0}));
    offsets_.reset(new (std::nothrow) std::uint32_t[count]);
    if (!offsets_) return false;
    for (size_t at = 0; at < pixels.size(); ++at)
        if (pixels[at] != 0) offsets_[length_++] = static_cast<std::uint32_t>(at);
    exists_ = true;
    return true;
}

void PixelList::Clear() {
    offsets_.reset();
    length_ = 0;
    exists_ = false;
}

void ShowMemoryWarning(const wchar_t* displayName) {
    winkit::ShowMessageBox({nullptr,
                            L"このフォントに十分なメモリーの確保ができませんでした。\n"
                            L"フォントの動きは不完全になります。\n"
                            L"一度スタティックフォントの戻すことをお勧めします。",
                            displayName, MB_OK | MB_ICONWARNING});
}

}  // namespace palette
