#include "webcontrol/Notice.h"

#include <objbase.h>

#include <cstdio>

#include "textrun/Cp932.h"
#include "winkit/AnsiText.h"
#include "winkit/MessageBoxes.h"

namespace netrune {
namespace {

void Show(const std::wstring& text, const std::wstring& caption, UINT type) {
    winkit::ShowMessageBox({nullptr, text, caption, type});
}

constexpr wchar_t kEffectCaption[] = L"ViviFont Failed";

// A message holding a page's text is ANSI text in a buffer of 128 bytes.
constexpr std::size_t kMessageBytes = 127;

// At most that many bytes of code page 932, never half a character.
std::wstring CutToBytes(const std::wstring& message, std::size_t bytes) {
    namespace cp932 = textrun::cp932;
    const std::string ansi = winkit::ToAnsi(message, cp932::kCodePage);
    std::size_t end = 0;
    while (end < ansi.size() && end + cp932::CharSize(ansi, end) <= bytes) end += cp932::CharSize(ansi, end);
    return winkit::ToWide(std::string_view(ansi).substr(0, end), cp932::kCodePage);
}

}  // namespace

void NoticeInvalidClsid(const std::wstring& text) {
    const std::wstring message = CutToBytes(L"指定されたCLSID(" + text + L")は不正です\n", kMessageBytes);
    Show(message, kEffectCaption, MB_OK | MB_ICONINFORMATION);
}

void NoticeCreationFailed(const CLSID& clsid, HRESULT failure) {
    wchar_t clsidText[40] = L"";
    StringFromGUID2(clsid, clsidText, 40);
    wchar_t code[16];
    std::swprintf(code, 16, L"%lx", static_cast<unsigned long>(failure));
    Show(std::wstring(L"指定されたViviフォント[CLSID:") + clsidText + L"]の\n::CoCreateInstance()に失敗しました(SCODE=0x" +
             code + L")",
         kEffectCaption, MB_OK | MB_ICONINFORMATION);
}

void NoticeNoDownloader() { Show(L"非同期ダウンロードモニカの作成に失敗", L"失敗", MB_OK); }

}  // namespace netrune
