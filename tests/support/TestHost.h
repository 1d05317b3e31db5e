// A stand-in host for effect tests: one run of text, lent to effects without
// reference counting as the real hosts do; the fonts come from textrun's
// cache. The frame benchmark still times effects against TestFontCache.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "contract/contract.h"
#include "winkit/GdiHandles.h"

namespace testsupport {

class TestFontCache final : public IFontManager {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 0; }
    STDMETHODIMP_(ULONG) Release() override { return 0; }
    STDMETHODIMP GetFontIndirect(tagPassLOGFONT* logFont, HFONT* font) override;

    size_t FontCount() const { return fonts_.size(); }

private:
    std::map<std::string, winkit::Font> fonts_;
};

class TestRun final : public IParagraphAccess {
public:
    // Pixel height; the face defaults to the Japanese UI face of the documents.
    explicit TestRun(std::wstring text = L"", int pixelHeight = 36, std::wstring_view face = L"ＭＳ Ｐゴシック");

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 0; }
    STDMETHODIMP_(ULONG) Release() override { return 0; }
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
};

// Binds an effect to a run and a font cache in the hosts' order.
void Bind(IViviFont* effect, IFontManager* fonts, IParagraphAccess* run);

}  // namespace testsupport
