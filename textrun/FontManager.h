// The process's one cache of GDI fonts, handed to every effect. It owns every
// font it returns and deletes them all when it goes; it never evicts.
#pragma once

#include <cstddef>
#include <map>

#include "contract/contract.h"
#include "comkit/LentObject.h"
#include "winkit/GdiHandles.h"

namespace textrun {

// Two descriptions are the same font when face name (lstrcmpA), absolute
// height, weight, italic, underline and strike-out agree; the other fields
// and the sign of the height do not matter.
struct FontKeyLess {
    bool operator()(const tagPassLOGFONT& a, const tagPassLOGFONT& b) const;
};

class FontManager final : public comkit::LentObject<IFontManager> {
public:
    FontManager() = default;
    FontManager(const FontManager&) = delete;
    FontManager& operator=(const FontManager&) = delete;

    // The cached font, created on the first request for its key. A font that
    // cannot be created is cached as null, so it is not tried again.
    STDMETHODIMP GetFontIndirect(tagPassLOGFONT* logFont, HFONT* font) override;

    std::size_t Size() const { return cache_.size(); }

private:
    std::map<tagPassLOGFONT, winkit::Font, FontKeyLess> cache_;
};

}  // namespace textrun
