// A palette effect made for the machinery's tests: the shared frame with two
// surfaces, two spare rows copied from row 1, a pixel list, a plain
// parameter and a watched key. It borrows the Emberquench identity (N = 48).
#pragma once

#include <cstring>

#include "effectbase/EffectObject.h"
#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct ProbeBlock {
    palette::PaletteKeyHead head;
    BYTE level;  // the value the letters get in the output surface
    BYTE useRunColours;
};
#pragma pack(pop)

class ProbeEffect : public palette::PaletteEffect<ProbeBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Emberquench;
    static constexpr palette::SurfaceLayout kLayout{2, 2, 1};
    static inline int tableFills = 0;

    int builds = 0;
    int steps = 0;
    // Whether the frames say which rows they drew.
    bool declaresRows = false;

    HDC SurfaceContext() const { return surfaceDC.get(); }
    using PaletteEffectBase::Colours;
    using PaletteEffectBase::Geometry;
    using PaletteEffectBase::Pixels;

protected:
    ProbeEffect() : PaletteEffect(kLayout, kKeys) {}

    void FillModuleTables(palette::CrtRandom&) override { ++tableFills; }
    void WriteDefaultParameters() override {
        block.level = 200;
        block.useRunColours = 1;
    }
    void TakeParameters(const ProbeBlock& record) override { block.level = record.level; }
    bool WatchedKeysDiffer(const ProbeBlock& record) const override {
        return !palette::SameColour(record.head.keys[0], block.head.keys[0]);
    }
    void PutRunColours() override {
        PaletteEffect::PutRunColours();
        PutTextColourOnKey();
    }
    void SurfacesBuilt() override {
        ++builds;
        palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(255), Geometry().height - 1);
        BuildPixelList(0);
        Surface().Select(1);
    }
    void Step() override {
        ++steps;
        const palette::Plane out = Surface().Pixels(1);
        std::memset(out.pixels, 0, static_cast<size_t>(out.stride) * out.height);
        for (std::uint32_t offset : Pixels().Offsets()) out.pixels[offset] = block.level;
        if (declaresRows) DrewRows(palette::InkedRows(out));
    }

private:
    static constexpr palette::DefaultKey kKeys[] = {{0, RGB(0, 0, 0)}, {128, RGB(255, 0, 0)}, {255, RGB(255, 255, 255)}};
};

using Probe = effectbase::EffectObject<ProbeEffect>;
