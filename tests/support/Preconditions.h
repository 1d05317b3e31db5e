// What some tests need of the machine they run on. Where it is missing the
// test skips, saying why, instead of failing on something no code can mend.
// The system's own report decides, not the code under test.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#define QUILLON_SKIP_WITHOUT_MMX()                                     \
    if (!IsProcessorFeaturePresent(PF_MMX_INSTRUCTIONS_AVAILABLE)) \
    GTEST_SKIP() << "the processor has no MMX"
