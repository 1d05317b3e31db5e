// What every run of the process shares: the installed-font table, the font
// cache handed to every effect and the screen's resolution for point sizes.
// The first run to join builds them and the last one to leave destroys them,
// so a later first run sees the fonts installed in between.
#pragma once

#include "textrun/FontManager.h"
#include "textrun/FontTable.h"

namespace textrun {

class RunShared {
public:
    static void Join();
    static void Leave();

    static int LiveCount();
    // Null while no run is alive.
    static FontManager* Fonts();
    static const FontTable& InstalledFonts();
    // Index of the first installed face of that name (lstrcmpA), or -1; each
    // name is looked up in the table once while the table lives.
    static int FindFace(const char* face);
    // LOGPIXELSY of the screen, taken when the first run joined.
    static int ScreenDpi();
};

}  // namespace textrun
