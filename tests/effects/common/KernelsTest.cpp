#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "effects/common/Kernels.h"
#include "tests/support/Preconditions.h"

namespace {

using palette::KernelForm;
using palette::Plane;

constexpr int kGuard = 64;
constexpr BYTE kGuardByte = 0xA7;

// A plane with guard bytes on both sides.
class GuardedPlane {
public:
    GuardedPlane(int stride, int height) : stride_(stride), height_(height), bytes_(stride * height + 2 * kGuard, kGuardByte) {
        std::fill(bytes_.begin() + kGuard, bytes_.end() - kGuard, 0);
    }
    Plane plane() { return {bytes_.data() + kGuard, stride_, height_}; }
    BYTE& at(int row, int column) { return bytes_[kGuard + row * stride_ + column]; }
    std::vector<BYTE> pixels() const { return {bytes_.begin() + kGuard, bytes_.end() - kGuard}; }
    void Randomise(std::mt19937& random) {
        for (auto p = bytes_.begin() + kGuard; p != bytes_.end() - kGuard; ++p) *p = static_cast<BYTE>(random());
    }
    bool GuardsIntact() const {
        for (int i = 0; i < kGuard; ++i)
            if (bytes_[i] != kGuardByte || bytes_[bytes_.size() - 1 - i] != kGuardByte) return false;
        return true;
    }

private:
    int stride_;
    int height_;
    std::vector<BYTE> bytes_;
};

TEST(FallingStreaks, ABrightPixelRunsDownAndFades) {
    GuardedPlane surface(12, 6);
    surface.at(3, 5) = 255;
    palette::FallingStreaks(surface.plane(), 3, KernelForm::PerPixel);
    // (255 >> 2) - 3 in the row below (memory row 2) under the three columns,
    // and in the pixel itself; nothing above it.
    EXPECT_EQ(60, surface.at(2, 4));
    EXPECT_EQ(60, surface.at(2, 5));
    EXPECT_EQ(60, surface.at(2, 6));
    EXPECT_EQ(60, surface.at(3, 5));
    EXPECT_EQ(0, surface.at(4, 5));
    EXPECT_EQ(0, surface.at(2, 7));
    EXPECT_TRUE(surface.GuardsIntact());
}

TEST(FallingStreaks, DecayClampsAtZeroInEveryForm) {
    for (KernelForm form : {KernelForm::PerPixel, KernelForm::Block, KernelForm::MmxBlock}) {
        GuardedPlane surface(20, 5);
        std::mt19937 random(3);
        surface.Randomise(random);
        palette::FallingStreaks(surface.plane(), 255, form);
        const std::vector<BYTE> pixels = surface.pixels();
        for (int q = 1; q < 20 * 4 - 10; ++q) ASSERT_EQ(0, pixels[q]) << q;
    }
}

TEST(RisingFire, HeatClimbsAboveTheCentreOrBesideItAndKeepsTheFloor) {
    for (int offset : {1, 2}) {
        GuardedPlane surface(12, 6);
        surface.at(1, 5) = 200;
        palette::RisingFire(surface.plane(), 2, 0, offset, KernelForm::PerPixel);
        // Sources in columns c .. c+2 of row 1 feed column c + offset of row 2:
        // the hot column 5 reaches columns 3 .. 5 shifted by the offset.
        for (int column = 3; column <= 5; ++column) EXPECT_EQ(48, surface.at(2, column + offset)) << offset;
        EXPECT_EQ(0, surface.at(2, 6 + offset)) << offset;
    }
    // Written straight above column c, a step reads the pixel above c + 1
    // that this descending pass has just written.
    GuardedPlane leaning(12, 6);
    leaning.at(1, 5) = 200;
    palette::RisingFire(leaning.plane(), 2, 0, 0, KernelForm::PerPixel);
    EXPECT_EQ(48, leaning.at(2, 5));
    EXPECT_EQ(60, leaning.at(2, 4));
    EXPECT_EQ(63, leaning.at(2, 3));
    GuardedPlane floored(12, 6);
    palette::RisingFire(floored.plane(), 9, 128, 1, KernelForm::PerPixel);
    const std::vector<BYTE> pixels = floored.pixels();
    for (int n = 1; n <= 12 * 5 - 3; ++n) ASSERT_EQ(128, pixels[n + 12 + 1]) << n;
}

TEST(FourNeighbourGlow, SpreadsToTheFourNeighbours) {
    GuardedPlane surface(12, 7);
    surface.at(3, 5) = 240;
    palette::FourNeighbourGlow(surface.plane(), 0, KernelForm::PerPixel);
    // Descending in place: the pixel below and to the left see the new values.
    EXPECT_EQ(60, surface.at(4, 5));
    EXPECT_EQ(60, surface.at(3, 6));
    EXPECT_EQ(30, surface.at(3, 5)) << "(60 + 60 + 0 + 0) >> 2 from its new upper and right neighbours";
    EXPECT_TRUE(surface.GuardsIntact());
}

// The per-pixel glow carries each pixel's new right-hand neighbour from the
// step before and takes the decay out before the shift; on random planes it
// gives the bytes of the plain formula, and writes nothing outside the plane.
TEST(FourNeighbourGlow, PerPixelGivesTheBytesOfThePlainFormula) {
    std::mt19937 random(11);
    for (int stride : {4, 8, 12, 36}) {
        for (int height : {1, 2, 3, 7}) {
            for (int decay : {0, 1, 9, 255}) {
                GuardedPlane glowed(stride, height);
                glowed.Randomise(random);
                GuardedPlane plain = glowed;
                palette::FourNeighbourGlow(glowed.plane(), static_cast<BYTE>(decay), KernelForm::PerPixel);
                BYTE* p = plain.plane().pixels;
                for (int n = stride * height - 2 * stride - 3; n >= 1; --n) {
                    const int q = n + stride + 1;
                    const int value = ((p[q + stride] + p[q - stride] + p[q - 1] + p[q + 1]) >> 2) - decay;
                    p[q] = static_cast<BYTE>(value < 0 ? 0 : value);
                }
                ASSERT_EQ(plain.pixels(), glowed.pixels()) << "stride " << stride << " height " << height << " decay " << decay;
                ASSERT_TRUE(glowed.GuardsIntact()) << "stride " << stride << " height " << height;
            }
        }
    }
}

TEST(FourNeighbourGlow, WideDecaysTruncateAfterSubtractingPerPixelAndSaturateTheirWholePartInBlocks) {
    GuardedPlane pixels(12, 7);
    pixels.at(3, 5) = 240;
    GuardedPlane blocks = pixels;
    palette::FourNeighbourGlow(pixels.plane(), palette::WideDecay(2.75), KernelForm::PerPixel);
    EXPECT_EQ(57, pixels.at(4, 5)) << "60 - 2.75 truncated";
    palette::FourNeighbourGlow(blocks.plane(), palette::WideDecay(2.75), KernelForm::Block);
    EXPECT_EQ(58, blocks.at(4, 5)) << "60 - 2";

    // A countdown above 255 clears every pixel in every form, where its low
    // byte would have subtracted almost nothing.
    for (KernelForm form : {KernelForm::PerPixel, KernelForm::Block, KernelForm::MmxBlock}) {
        GuardedPlane surface(20, 6);
        std::mt19937 random(5);
        surface.Randomise(random);
        palette::FourNeighbourGlow(surface.plane(), palette::WideDecay(257), form);
        const std::vector<BYTE> after = surface.pixels();
        for (int n = 16; n <= 20 * 6 - 2 * 20 - 10; ++n) ASSERT_EQ(0, after[n + 20 + 1]) << n;  // what every form treats
        EXPECT_TRUE(surface.GuardsIntact());
    }
    EXPECT_EQ(0, palette::WideDecay(-4).whole);
    EXPECT_EQ(0.0, palette::WideDecay(-4).exact);
}

struct Shape {
    const char* name;
    void (*run)(const Plane&, BYTE, KernelForm);
};

void Falling(const Plane& p, BYTE decay, KernelForm form) { palette::FallingStreaks(p, decay, form); }
void Glow(const Plane& p, BYTE decay, KernelForm form) { palette::FourNeighbourGlow(p, decay, form); }
void Fire(const Plane& p, BYTE decay, KernelForm form) { palette::RisingFire(p, decay, decay / 2, decay % 3, form); }

// The MMX blocks give exactly the bytes of the portable blocks, on every
// stride (narrow ones overlap a block's reads with its writes) and height;
// no form writes outside the plane.
TEST(KernelBlocks, MmxAgreesWithThePortableBlocksBitForBitAndNoFormLeavesThePlane) {
    QUILLON_SKIP_WITHOUT_MMX();
    std::mt19937 random(42);
    for (const Shape& shape : {Shape{"falling", Falling}, Shape{"glow", Glow}, Shape{"fire", Fire}}) {
        for (int stride = 4; stride <= 44; stride += 4) {
            for (int height = 1; height <= 9; ++height) {
                for (BYTE decay : {BYTE{0}, BYTE{1}, BYTE{7}, BYTE{130}, BYTE{255}}) {
                    GuardedPlane portable(stride, height);
                    portable.Randomise(random);
                    GuardedPlane mmx = portable;
                    GuardedPlane pixels = portable;
                    shape.run(portable.plane(), decay, KernelForm::Block);
                    shape.run(mmx.plane(), decay, KernelForm::MmxBlock);
                    shape.run(pixels.plane(), decay, KernelForm::PerPixel);
                    ASSERT_EQ(portable.pixels(), mmx.pixels())
                        << shape.name << " stride " << stride << " height " << height << " decay " << int{decay};
                    ASSERT_TRUE(mmx.GuardsIntact()) << shape.name << " stride " << stride << " height " << height;
                    ASSERT_TRUE(portable.GuardsIntact()) << shape.name << " stride " << stride << " height " << height;
                    ASSERT_TRUE(pixels.GuardsIntact()) << shape.name << " stride " << stride << " height " << height;
                }
            }
        }
    }
}

TEST(KernelBlocks, WideBlocksMatchThePixelLoopsAwayFromTheEnds) {
    QUILLON_SKIP_WITHOUT_MMX();
    // With rows wider than a block, a block reads nothing it writes: both
    // forms then agree on every pixel both of them treat.
    std::mt19937 random(9);
    GuardedPlane pixels(64, 10);
    pixels.Randomise(random);
    GuardedPlane blocks = pixels;
    palette::FallingStreaks(pixels.plane(), 4, KernelForm::PerPixel);
    palette::FallingStreaks(blocks.plane(), 4, KernelForm::MmxBlock);
    const auto a = pixels.pixels(), b = blocks.pixels();
    for (int q = 1; q < 64 * 9 - 10; ++q) ASSERT_EQ(a[q], b[q]) << q;
}

}  // namespace
