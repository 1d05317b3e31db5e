// The installed-font table: one normalised LOGFONT per face that Windows
// enumerates for the screen. A run's face is an index into it; documents name
// faces, never indexes.
#pragma once

#include <windows.h>

#include <vector>

namespace textrun {

using FontTable = std::vector<LOGFONTA>;

// Every face of every character set, in enumeration order, adjacent entries
// with equal face names kept once.
FontTable BuildFontTable();

// The entry every face is normalised to: weight 400, DEFAULT_CHARSET, no
// styles, height and face name left to the caller.
LOGFONTA NormalisedFont(const LOGFONTA& enumerated);

// Index of the first entry with the face name (lstrcmpA), or -1.
int FindFace(const FontTable& table, const char* face);

}  // namespace textrun
