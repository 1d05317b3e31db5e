#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "comkit/ComPtr.h"
#include "effects/common/CrtRandom.h"
#include "effects/common/ModuleSetup.h"
#include "effects/common/PhaseTable.h"
#include "tests/effects/common/ProbeEffect.h"

namespace {

TEST(CrtRandom, GivesTheRuntimesSequence) {
    palette::CrtRandom random;
    random.Seed(1);
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724}) EXPECT_EQ(expected, random.Next());
    random.Seed(12345);
    for (int i = 0; i < 1000; ++i) {
        const int value = random.Next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, palette::CrtRandom::kMax);
    }
}

TEST(CrtRandom, SeedingTheModulesGeneratorLeavesTheHostsAlone) {
    std::srand(5);
    const int first = std::rand();
    const int second = std::rand();
    std::srand(5);
    std::rand();
    palette::ModuleRandom().SeedWithClock();
    palette::ModuleRandom().Next();
    comkit::ComPtr<Probe> effect(new Probe);  // constructing seeds the module's generator
    EXPECT_EQ(second, std::rand());
    EXPECT_NE(first, second);
}

TEST(ProcessorCheck, MmxNeedsAnX86OfThe586ClassAndTheCpuidBit) {
    SYSTEM_INFO system{};
    system.wProcessorArchitecture = PROCESSOR_ARCHITECTURE_INTEL;
    system.dwProcessorType = 586;
    EXPECT_TRUE(palette::MmxFlagFrom(system, true));
    EXPECT_FALSE(palette::MmxFlagFrom(system, false));
    system.dwProcessorType = 486;
    EXPECT_FALSE(palette::MmxFlagFrom(system, true));
    system.wProcessorArchitecture = PROCESSOR_ARCHITECTURE_AMD64;
    system.dwProcessorType = 8664;
    EXPECT_TRUE(palette::MmxFlagFrom(system, true));
    system.wProcessorArchitecture = PROCESSOR_ARCHITECTURE_ARM;
    EXPECT_FALSE(palette::MmxFlagFrom(system, true));
    // The processor it runs on, read from cpuid, as the system reports it.
    EXPECT_EQ(IsProcessorFeaturePresent(PF_MMX_INSTRUCTIONS_AVAILABLE) != FALSE, palette::ProcessorHasMmx());
}

TEST(ModuleSetUp, FillsTheModuleTablesOncePerModule) {
    comkit::ComPtr<Probe> first(new Probe);
    comkit::ComPtr<Probe> second(new Probe);
    comkit::ComPtr<IViviFont> clone;
    first->Clone(clone.put());
    EXPECT_EQ(1, ProbeEffect::tableFills);
}

TEST(PhaseTables, PeaksStayJustBelowOne) {
    palette::PhaseTable<double> sine;
    palette::FillPhaseTable(sine, [](int i) { return std::sin(palette::PhaseAngle(i)); });
    EXPECT_EQ(0.0, sine[0]);
    EXPECT_LT(sine[64], 1.0);
    EXPECT_GT(sine[64], 0.9999);
    EXPECT_LT(palette::PhaseAngle(256), 2 * 3.14159265358979);
}

}  // namespace
