#include "textrun/FontManager.h"

#include <cstdlib>
#include <cstring>
#include <tuple>

#include "comkit/NoThrow.h"

namespace textrun {

bool FontKeyLess::operator()(const tagPassLOGFONT& a, const tagPassLOGFONT& b) const {
    const int faces = lstrcmpA(a.lfFaceName, b.lfFaceName);
    if (faces != 0) return faces < 0;
    // Widened first: the absolute value of the most negative height overflows.
    const auto height = [](const tagPassLOGFONT& f) { return std::llabs(static_cast<long long>(f.lfHeight)); };
    return std::make_tuple(height(a), a.lfWeight, a.lfItalic, a.lfUnderline, a.lfStrikeOut) <
           std::make_tuple(height(b), b.lfWeight, b.lfItalic, b.lfUnderline, b.lfStrikeOut);
}

STDMETHODIMP FontManager::GetFontIndirect(tagPassLOGFONT* logFont, HFONT* font) {
    if (!logFont || !font) return E_POINTER;
    // The face name may come without its terminator: the key keeps at most
    // 31 bytes of it and always ends it.
    tagPassLOGFONT key = *logFont;
    std::memset(key.lfFaceName, 0, sizeof key.lfFaceName);
    std::memcpy(key.lfFaceName, logFont->lfFaceName, strnlen(logFont->lfFaceName, sizeof key.lfFaceName - 1));

    // A new entry of the cache allocates.
    return comkit::Guarded([&] {
        auto found = cache_.lower_bound(key);
        if (found == cache_.end() || cache_.key_comp()(key, found->first)) {
            LOGFONTA description;
            std::memcpy(&description, &key, sizeof description);
            found = cache_.emplace_hint(found, key, winkit::Font(CreateFontIndirectA(&description)));
        }
        *font = found->second.get();
        return S_OK;
    });
}

}  // namespace textrun
