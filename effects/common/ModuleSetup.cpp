#include "effects/common/ModuleSetup.h"

#include <cpuid.h>

namespace palette {

namespace {
bool firstInstance = true;
bool mmxKernels = false;

constexpr DWORD kPentiumClass = 586;
constexpr unsigned kCpuidMmxBit = 1u << 23;
}  // namespace

bool TakeFirstInstance() {
    const bool first = firstInstance;
    firstInstance = false;
    return first;
}

bool MmxFlagFrom(const SYSTEM_INFO& system, bool cpuidReportsMmx) {
    const bool x86 = system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL ||
                     system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
    return x86 && system.dwProcessorType >= kPentiumClass && cpuidReportsMmx;
}

bool ProcessorHasMmx() {
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    const bool answered = __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0;
    return MmxFlagFrom(system, answered && (edx & kCpuidMmxBit) != 0);
}

bool UseMmxKernels() { return mmxKernels; }
void SetMmxKernels(bool use) { mmxKernels = use; }

}  // namespace palette
