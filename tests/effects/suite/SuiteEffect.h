// What the effect half of the shared suite knows of the effect under test.
// The generated entry of each module (SuiteEntry.cpp.in) supplies the first
// group; the rest are helpers the suite's tests share.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "comkit/ComPtr.h"
#include <gtest/gtest.h>

#include "tests/effects/suite/SuiteModule.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

namespace effectsuite {

// Supplied per module.
// A new in-process object of the module's class, unbound.
comkit::ComPtr<IViviFont> NewEffect();
// The memory of the object's surface `index` (empty when not built).
std::span<const BYTE> SurfaceMemory(IViviFont* effect, int index);
// The colour of an entry of the object's palette.
COLORREF PaletteEntry(IViviFont* effect, int index);
// Lets the kernels run in their MMX block form or per pixel.
void UseMmxKernels(bool use);
// Bytes of the property block: where a field begins and how long it is.
struct BlockBytes {
    int offset;
    int size;
};
// Block offsets: the use-run-colours flag; a byte every parameter record
// sets without bringing keys (-1: none); the fields the defaults never write.
int FlagOffset();
int PlainOffset();
std::span<const BlockBytes> PaddingFields();

long BlockSize();

// An effect bound to its own run and font cache, released before them.
struct HostedEffect {
    explicit HostedEffect(std::wstring text = L"Quillon 雨", int pixels = 36);
    textrun::FontManager fonts;
    testsupport::TestRun run;
    comkit::ComPtr<IViviFont> effect;

    template <class Interface>
    comkit::ComPtr<Interface> As(REFIID iid) const { return effect.As<Interface>(iid); }
    SIZE Area() const;
};

// A property record of either kind: header words and payload bytes.
std::vector<BYTE> Record(long size, long version, std::span<const BYTE> payload);
tagPersistMemory* AsPersist(std::vector<BYTE>& record);
tagAnonyVVLF* AsVvlf(std::vector<BYTE>& record);
// The block as SaveProperty answers it.
std::vector<BYTE> SavedBlock(IViviFont* effect);
// Random payload bytes from a seeded generator.
std::vector<BYTE> RandomBlock(std::uint32_t seed);

// The bytes between the end of each surface and the end of its memory pages
// are all 0: nothing was written past the surface.
::testing::AssertionResult SurfaceSlackClear(IViviFont* effect);

}  // namespace effectsuite
