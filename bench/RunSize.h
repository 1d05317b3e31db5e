// The runs the frame benchmark drives an effect on.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

struct RunSize {
    const char* name;
    int pixels;
    std::wstring text;
    // How a host may show it: its font turned (tenths of a degree), its background.
    LONG escapement = 0;
    COLORREF background = RGB(0, 0, 64);
};

// The standard run (36 px, 20 characters of mixed Latin, kana, kanji and
// digits) and the large one (96 px, 40 characters), white on dark blue.
RunSize StandardRun();
RunSize LargeRun();

}  // namespace bench
