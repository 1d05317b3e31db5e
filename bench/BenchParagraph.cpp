#include "bench/BenchParagraph.h"

#include <cstring>

#include "textrun/RunAccess.h"
#include "winkit/AnsiText.h"

namespace bench {

namespace {
constexpr unsigned kHostCodePage = 932;
constexpr wchar_t kFace[] = L"ＭＳ Ｐゴシック";
}  // namespace

BenchParagraph::BenchParagraph(const RunSize& run)
    : text_(winkit::ToAnsi(run.text, kHostCodePage)), background_(run.background) {
    font_.lfHeight = -run.pixels;
    font_.lfEscapement = font_.lfOrientation = run.escapement;
    font_.lfWeight = FW_NORMAL;
    font_.lfCharSet = DEFAULT_CHARSET;
    // Faces travel in the hosts' code page, whatever the process's is.
    const std::string face = winkit::ToAnsi(kFace, kHostCodePage);
    std::strncpy(font_.lfFaceName, face.c_str(), sizeof font_.lfFaceName - 1);
}

STDMETHODIMP BenchParagraph::Length(int* length) { return textrun::runaccess::Length(text_, length); }

STDMETHODIMP BenchParagraph::GetString(short** text) { return textrun::runaccess::GetString(text_, text); }

STDMETHODIMP BenchParagraph::GetCharactor(int index, short* character) {
    return textrun::runaccess::GetCharactor(text_, index, character);
}

STDMETHODIMP BenchParagraph::GetLOGFONT(tagPassLOGFONT* logFont) {
    if (!logFont) return E_POINTER;
    *logFont = font_;
    return S_OK;
}

STDMETHODIMP BenchParagraph::GetColor(unsigned long* colour) {
    if (!colour) return E_POINTER;
    *colour = RGB(255, 255, 255);
    return S_OK;
}

STDMETHODIMP BenchParagraph::GetBkColor(unsigned long* colour) {
    if (!colour) return E_POINTER;
    *colour = background_;
    return S_OK;
}

}  // namespace bench
