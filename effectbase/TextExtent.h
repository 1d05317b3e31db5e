// Measuring a run of text: its whole extent and the widths of its prefixes,
// with a cache of prefix widths. Embedded in every effect, Static included.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contract/contract.h"

namespace effectbase {

class TextExtent {
public:
    virtual ~TextExtent() = default;

    void SetParagraph(IParagraphAccess* paragraph) { paragraph_ = paragraph; }
    IParagraphAccess* Paragraph() const { return paragraph_; }
    void SetFontManager(IFontManager* fontManager) { fontManager_ = fontManager; }
    IFontManager* FontManager() const { return fontManager_; }

    // The whole run's pixel extent; an empty run is (0, height of "A").
    SIZE MeasureText() const;
    bool IsMeasured() const { return extent_.cx != -1 || extent_.cy != -1; }
    // The stored extent, measured first when it never was.
    SIZE Extent();
    void Forget() { extent_ = {-1, -1}; }

    // Width of the first n characters; n is clamped to 0..L. The first width
    // asked for measures every prefix of the run's text at once.
    int GetPrefixWidth(int n);
    // Empties the cache; the next width asked for fills it for the run's text
    // as it is then (L + 1 entries).
    void ResetWidthCache() { widths_.clear(); }

    // The run's font from the font cache (owned by the cache), or null.
    HFONT RunFont() const;
    // The run's text as UTF-16.
    std::wstring RunText() const;

private:
    void MeasureWidths();

    IParagraphAccess* paragraph_ = nullptr;
    SIZE extent_{-1, -1};
    std::vector<std::uint16_t> widths_;
    IFontManager* fontManager_ = nullptr;
};

}  // namespace effectbase
