// SpinnetMaxFont ("Palmflutter"): every character drawn by itself with a
// rotated font, all at one angle that swings to and fro like a waving hand.
// Hovering holds the characters upright.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "effects/SpinnetMax/TurnedFonts.h"
#include "effects/common/GlyphStamps.h"
#include "effects/common/PaletteEffect.h"
#include "effects/common/PhaseTable.h"

#pragma pack(push, 1)
struct SpinnetMaxBlock {
    palette::PaletteKeyHead head;
    BYTE padding1[2];
    std::int32_t swingAngle;  // degrees
    BYTE speed;               // phase advance per frame
    BYTE useRunColours;
    BYTE padding2[2];
};
#pragma pack(pop)
static_assert(sizeof(SpinnetMaxBlock) == 56);
static_assert(offsetof(SpinnetMaxBlock, swingAngle) == 48);
static_assert(offsetof(SpinnetMaxBlock, speed) == 52);
static_assert(offsetof(SpinnetMaxBlock, useRunColours) == 53);

class SpinnetMaxFont : public palette::PaletteEffect<SpinnetMaxBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::SpinnetMax;

protected:
    palette::WideSize AreaAround(SIZE text) override;
    int LeftMargin() override;
    SpinnetMaxFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const SpinnetMaxBlock& record) override;
    bool WatchedFieldsDiffer(const SpinnetMaxBlock& record) const override;
    void TakeWatchedFields(const SpinnetMaxBlock& record) override;
    void SurfacesBuilt() override;
    void ReleaseTextBitmap() override;
    void Step() override;
    // The run's font may have changed: its letter is measured again.
    void RunChanged() override;

private:
    // The reach of the turned letters beyond the text: across on each side and above.
    SIZE Margins();
    // The extent of "A" in the run's font: the hosts ask for the drawing area
    // on every tick, so it is measured once per change of the run.
    SIZE Letter();
    // Each letter's reference point: it turns about the middle of its bottom edge.
    void TakeReferences();
    // How a turned font draws the letters: in the text's entry, about their
    // reference points.
    palette::TextCall Call(HFONT turned);

    // Escapements in tenths of a degree, by phase.
    palette::PhaseTable<int> escapements_{};
    // The run's font turned to each escapement of the table.
    spinnet::TurnedFonts fonts_;
    // The letters as those fonts draw them, captured at the first frame of each escapement.
    palette::GlyphStamps stamps_;
    std::vector<POINT> references_;
    std::optional<SIZE> letter_;
    LONG margin_ = 0;  // across, as the last drawing area measured it
    BYTE phase_ = 0;
};
