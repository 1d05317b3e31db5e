// A stand-in host for effect tests: one run of text, lent to effects without
// reference counting as the real hosts do. Its fonts come from textrun's
// FontManager, the cache the hosts lend.
#pragma once

#include <string>
#include <string_view>

#include "comkit/LentObject.h"
#include "contract/contract.h"

namespace testsupport {

class TestRun final : public comkit::LentObject<IParagraphAccess> {
public:
    // Pixel height; the face defaults to the Japanese UI face of the documents.
    explicit TestRun(std::wstring text = L"", int pixelHeight = 36, std::wstring_view face = L"ＭＳ Ｐゴシック");

    STDMETHODIMP Length(int* length) override;
    STDMETHODIMP GetString(short** text) override;
    STDMETHODIMP GetCharactor(int index, short* character) override;
    STDMETHODIMP GetLOGFONT(tagPassLOGFONT* logFont) override;
    STDMETHODIMP GetColor(unsigned long* colour) override;
    STDMETHODIMP GetBkColor(unsigned long* colour) override;

    std::wstring text;
    tagPassLOGFONT font{};
    COLORREF colour = RGB(255, 255, 255);
    COLORREF background = RGB(0, 0, 0);
    // GetString calls: an effect reads the text to measure it.
    int textReadings = 0;
};

// Binds an effect to a run and a font cache in the hosts' order.
void Bind(IViviFont* effect, IFontManager* fonts, IParagraphAccess* run);

}  // namespace testsupport
