#include "effectbase/TextExtent.h"

#include <algorithm>

#include "comkit/TaskMem.h"
#include "winkit/AnsiText.h"
#include "winkit/GdiHandles.h"

namespace effectbase {

HFONT TextExtent::RunFont() const {
    if (!paragraph_ || !fontManager_) return nullptr;
    tagPassLOGFONT logFont{};
    if (FAILED(paragraph_->GetLOGFONT(&logFont))) return nullptr;
    HFONT font = nullptr;
    if (FAILED(fontManager_->GetFontIndirect(&logFont, &font))) return nullptr;
    return font;
}

std::wstring TextExtent::RunText() const {
    if (!paragraph_) return {};
    comkit::TaskMemString text;
    if (FAILED(paragraph_->GetString(text.put()))) return {};
    return std::wstring(text.view());
}

SIZE TextExtent::MeasureText() const {
    SIZE size{0, 0};
    if (!paragraph_) return size;
    winkit::ScreenDC screen;
    winkit::Selection font(screen.get(), RunFont());
    const std::string text = winkit::ToAnsi(RunText());
    if (text.empty()) {
        GetTextExtentPoint32A(screen.get(), "A", 1, &size);
        size.cx = 0;
    } else {
        GetTextExtentPoint32A(screen.get(), text.data(), static_cast<int>(text.size()), &size);
    }
    return size;
}

SIZE TextExtent::Extent() {
    if (!IsMeasured()) Measure();
    return extent_;
}

int TextExtent::GetPrefixWidth(int n) {
    if (widths_.empty()) return 0;
    n = std::clamp(n, 0, static_cast<int>(widths_.size()) - 1);
    if (n == 0) return 0;
    if (widths_[n] != 0) return widths_[n];

    const std::wstring text = RunText();
    winkit::ScreenDC screen;
    winkit::MemoryDC memory(screen.get());
    winkit::Selection font(memory.get(), RunFont());
    SIZE size{0, 0};
    GetTextExtentPoint32W(memory.get(), text.data(), std::min(n, static_cast<int>(text.size())), &size);
    widths_[n] = static_cast<std::uint16_t>(size.cx);
    return widths_[n];
}

void TextExtent::ResetWidthCache() { widths_.assign(RunText().size() + 1, 0); }

}  // namespace effectbase
