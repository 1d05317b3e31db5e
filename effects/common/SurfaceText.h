// The run's text as the palette effects draw it into their surfaces: the
// font from the host's font cache (the cache owns it) and the text in the
// ANSI code page. Taken at every surface build: the hosts call
// ChangeParagraph after every change of text or font, which rebuilds, so the
// frames draw without asking the run or allocating.
#pragma once

#include <string>

#include "effectbase/TextExtent.h"
#include "winkit/GdiHandles.h"

namespace palette {

class SurfaceText {
public:
    void Take(const effectbase::TextExtent& run);
    void Clear();

    HFONT Font() const { return font_; }
    const std::string& Bytes() const { return bytes_; }

private:
    HFONT font_ = nullptr;
    std::string bytes_;
};

// The run's font selected into a surface context for a frame's drawing; the
// previous font goes back at scope end.
class TextPen {
public:
    TextPen(HDC dc, const SurfaceText& text);

    // Draws the text from column `x` with its bottom on `baseline` (the
    // context is bottom-aligned) in the colour of a palette entry; the
    // surface's bits are up to date when it returns.
    void Draw(COLORREF colour, int baseline, int x = 0) const;

private:
    HDC dc_;
    const SurfaceText& text_;
    winkit::Selection font_;
};

}  // namespace palette
