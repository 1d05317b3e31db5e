#include "effects/common/SurfaceText.h"

#include "winkit/AnsiText.h"

namespace palette {

void SurfaceText::Take(const effectbase::TextExtent& run) {
    font_ = run.RunFont();
    // Sized by the converter, without a terminator: TextOutA gets the byte length.
    bytes_ = winkit::ToAnsi(run.RunText());
}

void SurfaceText::Clear() {
    font_ = nullptr;
    bytes_.clear();
}

TextPen::TextPen(HDC dc, const SurfaceText& text) : dc_(dc), text_(text), font_(dc, text.Font()) {}

void TextPen::Draw(COLORREF colour, int baseline, int x) const {
    const std::string& bytes = text_.Bytes();
    if (bytes.empty()) return;
    SetTextColor(dc_, colour);
    TextOutA(dc_, x, baseline, bytes.data(), static_cast<int>(bytes.size()));
    // GDI may batch; the kernels read the bits right after.
    GdiFlush();
}

}  // namespace palette
