#include <cstring>
#include <random>

#include "comkit/TaskMem.h"
#include "tests/effects/suite/SuiteEffect.h"

namespace effectsuite {

long BlockSize() { return static_cast<long>(SuiteIdentity().propertySize); }

HostedEffect::HostedEffect(std::wstring text, int pixels) : run(std::move(text), pixels), effect(NewEffect()) {
    run.colour = RGB(255, 255, 255);
    run.background = RGB(0, 0, 96);
    testsupport::Bind(effect.get(), &fonts, &run);
}

SIZE HostedEffect::Area() const {
    SIZE area{};
    effect->GetDrawingArea(&area);
    return area;
}

std::vector<BYTE> Record(long size, long version, std::span<const BYTE> payload) {
    std::vector<BYTE> bytes(contract::kRecordHeader + std::max<size_t>(payload.size(), 4));
    std::memcpy(bytes.data(), &size, 4);
    std::memcpy(bytes.data() + 4, &version, 4);
    std::memcpy(bytes.data() + contract::kRecordHeader, payload.data(), payload.size());
    return bytes;
}

tagPersistMemory* AsPersist(std::vector<BYTE>& record) { return reinterpret_cast<tagPersistMemory*>(record.data()); }
tagAnonyVVLF* AsVvlf(std::vector<BYTE>& record) { return reinterpret_cast<tagAnonyVVLF*>(record.data()); }

std::vector<BYTE> SavedBlock(IViviFont* effect) {
    const auto property = comkit::ComPtr<IViviFont>(effect).As<IViviFontProperty>(IID_IViviFontProperty);
    tagPersistMemory* record = nullptr;
    if (!property || FAILED(property->SaveProperty(&record)) || !record) return {};
    const comkit::TaskMem<tagPersistMemory> owned(record);
    return std::vector<BYTE>(record->pData, record->pData + record->nSize);
}

std::vector<BYTE> RandomBlock(std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<BYTE> block(BlockSize());
    for (BYTE& byte : block) byte = static_cast<BYTE>(generator());
    return block;
}

::testing::AssertionResult SurfaceSlackClear(IViviFont* effect) {
    for (int index = 0; index < 2; ++index) {
        const std::span<const BYTE> surface = SurfaceMemory(effect, index);
        if (surface.empty()) continue;
        MEMORY_BASIC_INFORMATION region{};
        if (!VirtualQuery(surface.data(), &region, sizeof region))
            return ::testing::AssertionFailure() << "surface " << index << " is not in committed memory";
        const BYTE* end = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
        for (const BYTE* p = surface.data() + surface.size(); p < end; ++p)
            if (*p != 0)
                return ::testing::AssertionFailure() << "surface " << index << " was written "
                                                     << (p - surface.data() - surface.size()) << " bytes past its end";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace effectsuite
