#include "effects/common/SurfaceText.h"

#include "winkit/AnsiText.h"

namespace palette {

void SurfaceText::Take(const effectbase::TextExtent& run) {
    font_ = run.RunFont();
    characters_ = run.RunText();
    // Sized by the converter, without a terminator: TextOutA gets the byte length.
    bytes_ = winkit::ToAnsi(characters_);
    places_.clear();
    stamp_.Clear();
}

void SurfaceText::TakePlaces(IViviFont& effect) {
    places_.assign(characters_.size() + 1, 0);
    for (size_t i = 0; i < places_.size(); ++i) effect.GetWidth(static_cast<int>(i), &places_[i]);
}

void SurfaceText::Clear() {
    font_ = nullptr;
    bytes_.clear();
    characters_.clear();
    places_.clear();
    stamp_.Clear();
}

TextPen::TextPen(HDC dc, const SurfaceText& text) : TextPen(dc, text, text.Font()) { stamp_ = &text.Stamp(); }

TextPen::TextPen(HDC dc, const SurfaceText& text, HFONT font) : dc_(dc), text_(text), font_(dc, font) {}

void TextPen::Draw(COLORREF colour, int baseline, int x) const {
    const std::string& bytes = text_.Bytes();
    if (bytes.empty()) return;
    SetTextColor(dc_, colour);
    if (stamp_ && stamp_->Draw(dc_, bytes, colour, {x, baseline})) return;
    TextOutA(dc_, x, baseline, bytes.data(), static_cast<int>(bytes.size()));
    // GDI may batch; the kernels read the bits right after.
    GdiFlush();
}

}  // namespace palette
