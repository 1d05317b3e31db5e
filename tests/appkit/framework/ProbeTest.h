// What the framework tests share: a clean start for each test and scratch files.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "tests/support/ScratchFile.h"

namespace probe {

// Every test starts with an empty event log, no settings of the probe
// company and no messages left in the thread's queue, and leaves none.
class ProbeTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

using testsupport::ScratchFile;

}  // namespace probe
