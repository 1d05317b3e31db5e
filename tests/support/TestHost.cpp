#include "tests/support/TestHost.h"

#include <cstring>

#include "comkit/TaskMem.h"
#include "winkit/AnsiText.h"

namespace testsupport {

TestRun::TestRun(std::wstring initial, int pixelHeight, std::wstring_view face) : text(std::move(initial)) {
    font.lfHeight = -pixelHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    // Faces travel in the hosts' code page, 932, whatever the process's is.
    const std::string bytes = winkit::ToAnsi(face, 932);
    std::strncpy(font.lfFaceName, bytes.c_str(), sizeof font.lfFaceName - 1);
}

STDMETHODIMP TestRun::Length(int* length) {
    *length = static_cast<int>(text.size());
    return S_OK;
}

STDMETHODIMP TestRun::GetString(short** out) {
    ++textReadings;
    *out = comkit::CopyToTaskMem(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP TestRun::GetCharactor(int index, short* character) {
    *character = index >= 0 && index < static_cast<int>(text.size()) ? static_cast<short>(text[index]) : 0;
    return S_OK;
}

STDMETHODIMP TestRun::GetLOGFONT(tagPassLOGFONT* logFont) {
    *logFont = font;
    return S_OK;
}

STDMETHODIMP TestRun::GetColor(unsigned long* out) {
    *out = colour;
    return S_OK;
}

STDMETHODIMP TestRun::GetBkColor(unsigned long* out) {
    *out = background;
    return S_OK;
}

void Bind(IViviFont* effect, IFontManager* fonts, IParagraphAccess* run) {
    effect->SetFontManager(fonts);
    effect->SetParagraph(run);
}

}  // namespace testsupport
