#include "effects/static/StaticFont.h"

#include "comkit/Make.h"
#include "comkit/NoThrow.h"
#include "winkit/AnsiText.h"
#include "winkit/DcState.h"
#include "winkit/GdiHandles.h"

STDMETHODIMP StaticFont::Clone(IViviFont** clone) {
    if (!clone) return E_POINTER;
    *clone = nullptr;
    auto copy = comkit::Make<StaticFont>();
    if (!copy) return E_OUTOFMEMORY;
    *clone = copy.detach();
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
        // The context is the caller's: its colours and mode go back as they came.
        const winkit::TextColour textColour(dc, colour);
        const winkit::BackgroundColour backgroundColour(dc, background);
        const winkit::BackgroundMode mode(dc, TRANSPARENT);
        if (!text.empty()) TextOutA(dc, point.x, point.y, text.data(), static_cast<int>(text.size()));
        return S_OK;
    });
}
