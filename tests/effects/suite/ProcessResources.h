// What a process holds, for tests that look for leaks and corruption.
#pragma once

#include <cstddef>

namespace effectsuite {

// Live GDI objects of this process. GetGuiResources where the platform counts
// them; Wine answers 0 there, so then the live entries of its GDI handle table.
int GdiObjectCount();
// Private bytes committed by the process.
size_t PrivateBytes();
// Every heap of the process passes its own consistency check.
bool HeapsValid();

}  // namespace effectsuite
