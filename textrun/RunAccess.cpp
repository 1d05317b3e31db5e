#include "textrun/RunAccess.h"

#include <algorithm>
#include <cstring>

#include "comkit/NoThrow.h"
#include "comkit/TaskMem.h"
#include "textrun/Cp932.h"
#include "textrun/RunShared.h"

namespace textrun::runaccess {

HRESULT Length(std::string_view text, int* length) {
    if (!length) return E_POINTER;
    *length = cp932::CharCount(text);
    return S_OK;
}

HRESULT GetString(std::string_view text, short** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return comkit::Guarded([&] {
        std::wstring wide = cp932::ToWide(text);
        wide.resize(std::min(wide.size(), static_cast<std::size_t>(cp932::CharCount(text))));
        *out = comkit::CopyToTaskMem(wide);
        return *out ? S_OK : E_OUTOFMEMORY;
    });
}

HRESULT GetCharactor(std::string_view text, int index, short* character) {
    if (!character) return E_POINTER;
    *character = 0;
    const std::size_t at = cp932::CharToByte(text, index);
    if (at >= text.size()) return S_OK;
    if (cp932::CharSize(text, at) == 1) {
        *character = static_cast<short>(static_cast<unsigned char>(text[at]));
        return S_OK;
    }
    return comkit::Guarded([&] {
        const std::wstring unit = cp932::ToWide(text.substr(at, 2));
        if (!unit.empty()) *character = static_cast<short>(unit.front());
        return S_OK;
    });
}

LOGFONTA LogFontAt(int fontIndex, LONG height) {
    const FontTable& table = RunShared::InstalledFonts();
    LOGFONTA font = fontIndex >= 0 && fontIndex < static_cast<int>(table.size()) ? table[fontIndex]
                                                                                   : NormalisedFont(LOGFONTA{});
    font.lfHeight = height;
    return font;
}

HRESULT GetLOGFONT(int fontIndex, LONG height, tagPassLOGFONT* logFont) {
    if (!logFont) return E_POINTER;
    const LOGFONTA font = LogFontAt(fontIndex, height);
    std::memcpy(logFont, &font, sizeof *logFont);
    return S_OK;
}

}  // namespace textrun::runaccess
