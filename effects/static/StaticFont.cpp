#include "effects/static/StaticFont.h"

#include <new>

#include "comkit/NoThrow.h"
#include "winkit/AnsiText.h"
#include "winkit/GdiHandles.h"

namespace {
// Colours and background mode of a device context, put back at scope end.
class TextColours {
public:
    TextColours(HDC dc, COLORREF text, COLORREF background)
        : dc_(dc),
          text_(SetTextColor(dc, text)),
          background_(SetBkColor(dc, background)),
          mode_(SetBkMode(dc, TRANSPARENT)) {}
    TextColours(const TextColours&) = delete;
    TextColours& operator=(const TextColours&) = delete;
    ~TextColours() {
        SetBkMode(dc_, mode_);
        SetBkColor(dc_, background_);
        SetTextColor(dc_, text_);
    }

private:
    HDC dc_;
    COLORREF text_;
    COLORREF background_;
    int mode_;
};
}  // namespace

STDMETHODIMP StaticFont::Clone(IViviFont** clone) {
    if (!clone) return E_POINTER;
    *clone = nullptr;
    auto* copy = new (std::nothrow) StaticFont;
    if (!copy) return E_OUTOFMEMORY;
    copy->AddRef();
    *clone = copy;
    return S_OK;
}

STDMETHODIMP StaticFont::DrawTextFace(HDC dc, POINT point) {
    effectbase::TextExtent& extent = Extent();
    IParagraphAccess* run = extent.Paragraph();
    if (!run) return S_OK;
    return comkit::Guarded([&] {
        winkit::Selection font(dc, extent.RunFont());
        extent.Extent();
        unsigned long background = 0;
        unsigned long colour = 0;
        run->GetBkColor(&background);
        run->GetColor(&colour);
        const std::string text = winkit::ToAnsi(extent.RunText());
        TextColours colours(dc, colour, background);
        if (!text.empty()) TextOutA(dc, point.x, point.y, text.data(), static_cast<int>(text.size()));
        return S_OK;
    });
}
