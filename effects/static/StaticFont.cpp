#include "effects/static/StaticFont.h"

#include <new>

#include "effectbase/IdentityAnswers.h"
#include "winkit/AnsiText.h"
#include "winkit/GdiHandles.h"

namespace {
const contract::ModuleIdentity& StaticIdentity() { return contract::Identity(contract::Module::Static); }

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

STDMETHODIMP StaticFont::SetParagraph(IParagraphAccess* paragraph) {
    extent_.SetParagraph(paragraph);
    return static_cast<IViviFont*>(this)->ChangeParagraph();
}

STDMETHODIMP StaticFont::ChangeParagraph() {
    extent_.Measure();
    extent_.ResetWidthCache();
    return S_OK;
}

STDMETHODIMP StaticFont::SetFontManager(IFontManager* fontManager) {
    extent_.SetFontManager(fontManager);
    return S_OK;
}

STDMETHODIMP StaticFont::DrawTextFace(HDC dc, POINT point) {
    IParagraphAccess* run = extent_.Paragraph();
    if (!run) return S_OK;
    winkit::Selection font(dc, extent_.RunFont());
    extent_.Extent();
    unsigned long background = 0;
    unsigned long colour = 0;
    run->GetBkColor(&background);
    run->GetColor(&colour);
    const std::string text = winkit::ToAnsi(extent_.RunText());
    TextColours colours(dc, colour, background);
    if (!text.empty()) TextOutA(dc, point.x, point.y, text.data(), static_cast<int>(text.size()));
    return S_OK;
}

STDMETHODIMP StaticFont::GetDrawingArea(SIZE* size) {
    if (!size) return E_POINTER;
    *size = extent_.Extent();
    return S_OK;
}

STDMETHODIMP StaticFont::GetWidth(int n, int* width) {
    if (!width) return E_POINTER;
    *width = extent_.GetPrefixWidth(n);
    return S_OK;
}

STDMETHODIMP StaticFont::Version(int* version) { return effectbase::AnswerVersion(version); }
STDMETHODIMP StaticFont::Name(short** name) { return effectbase::AnswerName(StaticIdentity(), name); }
STDMETHODIMP StaticFont::Description(short** description) {
    return effectbase::AnswerDescription(StaticIdentity(), description);
}
STDMETHODIMP StaticFont::Author(short** author) { return effectbase::AnswerAuthor(author); }
STDMETHODIMP StaticFont::Icon(HICON* icon) { return effectbase::AnswerIcon(StaticIdentity(), icon); }
STDMETHODIMP StaticFont::GetCLSID(CLSID* clsid) { return effectbase::AnswerClsid(StaticIdentity(), clsid); }
