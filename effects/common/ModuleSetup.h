// The one-time set-up of a palette effect module, run on the first object's
// construction: the class's random tables, then the processor check that
// chooses the kernels' form.
#pragma once

#include <windows.h>

#include <utility>

namespace palette {

// True exactly once per loaded module.
bool TakeFirstInstance();

// Whether the processor offers MMX: an x86 processor of the 586 class or
// later whose CPUID reports the MMX bit. A 32-bit process, the product, sees
// the x86 architecture; the 64-bit build sees AMD64, which always has it.
bool MmxFlagFrom(const SYSTEM_INFO& system, bool cpuidReportsMmx);
bool ProcessorHasMmx();

// Whether the kernels run in their 8-pixel MMX block form: settled by the
// set-up; tests set it to run either form.
bool UseMmxKernels();
void SetMmxKernels(bool use);

template <class FillTables>
void SetUpModuleOnce(FillTables&& fill) {
    if (!TakeFirstInstance()) return;
    std::forward<FillTables>(fill)();
    SetMmxKernels(ProcessorHasMmx());
}

}  // namespace palette
