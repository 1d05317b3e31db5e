// The fake effect as a class of its own, so that a test can check what the
// control did to it and in which order, whether it is linked into the test or
// downloaded as a module. Every fake of the process writes its lines, each
// as "#<instance> <line>", to the file named by the NETRUNE_SPY_LOG
// environment variable. It draws its run as a rectangle of the run's
// colour, 120 x 40 pixels.
#pragma once

#include "tests/support/FakeEffect.h"

namespace spy {

inline constexpr SIZE kArea{120, 40};

class SpyFont : public testsupport::FakeEffect {
public:
    static const CLSID& ClassId();

    SpyFont();
};

}  // namespace spy
