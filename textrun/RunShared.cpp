#include "textrun/RunShared.h"

#include <map>
#include <memory>
#include <string>

#include "winkit/GdiHandles.h"

namespace textrun {
namespace {

struct State {
    int live = 0;
    FontTable fonts;
    // Every run of a document names its face: the table is searched once
    // per name, not once per run.
    std::map<std::string, int> faces;
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
    state.faces.clear();
}

int RunShared::LiveCount() { return Shared().live; }
FontManager* RunShared::Fonts() { return Shared().cache.get(); }
const FontTable& RunShared::InstalledFonts() { return Shared().fonts; }
int RunShared::FindFace(const char* face) {
    State& state = Shared();
    // Without a live run the table is not kept, and neither are its answers.
    if (state.live == 0) return textrun::FindFace(state.fonts, face);
    const auto [entry, added] = state.faces.try_emplace(face, -1);
    if (added) entry->second = textrun::FindFace(state.fonts, face);
    return entry->second;
}

int RunShared::ScreenDpi() { return Shared().dpi; }

}  // namespace textrun
