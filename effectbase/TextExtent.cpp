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
    if (!IsMeasured()) extent_ = MeasureText();
    return extent_;
}

int TextExtent::GetPrefixWidth(int n) {
    if (n <= 0) return 0;
    if (widths_.empty()) MeasureWidths();
    return widths_[std::min(n, static_cast<int>(widths_.size()) - 1)];
}

void TextExtent::MeasureWidths() {
    const std::wstring text = RunText();
    widths_.assign(text.size() + 1, 0);
    if (text.empty()) return;
    winkit::ScreenDC screen;
    winkit::MemoryDC memory(screen.get());
    winkit::Selection font(memory.get(), RunFont());
    // One call gives the end of every character: the width of every prefix.
    std::vector<int> ends(text.size());
    SIZE size{0, 0};
    if (!GetTextExtentExPointW(memory.get(), text.data(), static_cast<int>(text.size()), 0, nullptr, ends.data(),
                               &size))
        return;
    for (std::size_t i = 0; i < ends.size(); ++i) widths_[i + 1] = static_cast<std::uint16_t>(ends[i]);
}

}  // namespace effectbase
