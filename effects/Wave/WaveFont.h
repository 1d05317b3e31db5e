// WaveFont ("Wave"): every pixel row of the text shifted sideways by a sine
// wave travelling along the rows, each row recoloured by how far it is
// shifted. Hovering makes the wave shorter.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/common/PaletteEffect.h"
#include "effects/common/PhaseTable.h"

#pragma pack(push, 1)
struct WaveBlock {
    palette::PaletteKeyHead head;
    BYTE padding1[2];
    std::int32_t amplitude;  // largest shift in pixels
    BYTE speed;              // phase advance per frame
    BYTE rowStep;            // phase difference between neighbouring rows
    BYTE useRunColours;
    BYTE padding2;
};
#pragma pack(pop)
static_assert(sizeof(WaveBlock) == 56);
static_assert(offsetof(WaveBlock, amplitude) == 48);
static_assert(offsetof(WaveBlock, speed) == 52);
static_assert(offsetof(WaveBlock, rowStep) == 53);
static_assert(offsetof(WaveBlock, useRunColours) == 54);

class WaveFont : public palette::PaletteEffect<WaveBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Wave;

protected:
    palette::WideSize AreaAround(SIZE text) override;
    int LeftMargin() override;
    WaveFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const WaveBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedFieldsDiffer(const WaveBlock& record) const override;
    void TakeWatchedFields(const WaveBlock& record) override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    // The amplitude as the geometry uses it: a divisor and a margin, so at
    // least 1.
    int Amplitude() const;

    palette::PhaseTable<double> wave_{};
    int builtAmplitude_ = 1;  // the amplitude the table and the source were made with
    BYTE phase_ = 0;
    BYTE rowStep_ = 0;
};
