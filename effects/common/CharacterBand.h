// The one character of a run that moves while the others stand: it moves on
// to the next whenever the phase passes 255 - speed, and after the last
// character back to the first.
#pragma once

#include <windows.h>

namespace palette {

class CharacterBand {
public:
    void Restart() { index_ = 0; }
    // An empty text keeps the index at 0.
    void Advance(BYTE phase, BYTE speed, int characters) {
        if (phase > 255 - speed && ++index_ >= characters) index_ = 0;
    }
    int Index() const { return index_; }

private:
    int index_ = 0;
};

}  // namespace palette
