// The byte markers in front of the data appended to a viewer executable.
//
// The viewer searches its own executable for them, so neither may stand
// whole anywhere in it: each is assembled at run time from string resources
// (MarkerIds.h) of `instance`. A marker whose pieces are missing comes back
// empty, and an empty pattern matches nothing (FindBytes).
#pragma once

#include <windows.h>

#include <string>

namespace core {

// Precedes the one appended document.
std::string DocumentMarker(HINSTANCE instance);
// Precedes each appended effect module and its class identifier.
std::string EffectMarker(HINSTANCE instance);

}  // namespace core
