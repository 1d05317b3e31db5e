// The frame benchmark's identity mode: every module of one folder against
// the module of the same name in another, side by side on the same run,
// frame for frame, each frame's whole target compared byte for byte. Proves
// that an optimisation kept every pixel.
#pragma once

#include <string>
#include <vector>

namespace bench {

// Prints a table of differing frames per module, run and target; the
// answer is the number of differing frames in all, or -1 when no module
// could be compared. `only` names modules to compare (empty: all).
int ComparePixels(const std::wstring& before, const std::wstring& after, const std::vector<std::string>& only);

}  // namespace bench
