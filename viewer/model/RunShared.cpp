#include "viewer/model/RunShared.h"

#include <memory>

#include "winkit/GdiHandles.h"

namespace model {
namespace {

struct State {
    int live = 0;
    FontTable fonts;
    std::unique_ptr<FontManager> cache;
    int dpi = 96;
};

State& Shared() {
    static State state;
    return state;
}

}  // namespace

void RunShared::Join() {
    State& state = Shared();
    if (state.live == 0) {
        state.fonts = BuildFontTable();
        state.cache = std::make_unique<FontManager>();
        winkit::ScreenDC screen;
        if (screen) state.dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    ++state.live;
}

void RunShared::Leave() {
    State& state = Shared();
    if (state.live == 0 || --state.live > 0) return;
    state.cache.reset();
    state.fonts.clear();
}

int RunShared::LiveCount() { return Shared().live; }
FontManager* RunShared::Fonts() { return Shared().cache.get(); }
const FontTable& RunShared::InstalledFonts() { return Shared().fonts; }
int RunShared::ScreenDpi() { return Shared().dpi; }

}  // namespace model
