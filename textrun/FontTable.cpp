#include "textrun/FontTable.h"

#include <algorithm>

#include "winkit/GdiHandles.h"

namespace textrun {
namespace {

int CALLBACK EnumFontProc(const LOGFONTA* logFont, const TEXTMETRICA*, DWORD, LPARAM table) {
    reinterpret_cast<FontTable*>(table)->push_back(*logFont);
    return 1;
}

bool SameFace(const LOGFONTA& a, const LOGFONTA& b) { return lstrcmpA(a.lfFaceName, b.lfFaceName) == 0; }

}  // namespace

LOGFONTA NormalisedFont(const LOGFONTA& enumerated) {
    LOGFONTA entry{};
    entry.lfHeight = enumerated.lfHeight;
    entry.lfWeight = FW_NORMAL;
    entry.lfCharSet = DEFAULT_CHARSET;
    // Terminated even if the source was not.
    lstrcpynA(entry.lfFaceName, enumerated.lfFaceName, LF_FACESIZE);
    return entry;
}

FontTable BuildFontTable() {
    FontTable table;
    winkit::ScreenDC screen;
    LOGFONTA everyFace{};
    everyFace.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen.get(), &everyFace, EnumFontProc, reinterpret_cast<LPARAM>(&table), 0);
    // Normalised first, so that every face name compared is terminated.
    for (LOGFONTA& entry : table) entry = NormalisedFont(entry);
    table.erase(std::unique(table.begin(), table.end(), SameFace), table.end());
    return table;
}

int FindFace(const FontTable& table, const char* face) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [face](const LOGFONTA& entry) { return lstrcmpA(entry.lfFaceName, face) == 0; });
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

}  // namespace textrun
