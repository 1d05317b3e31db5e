#include "effects/Tintlift/TintliftFont.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "winkit/DcState.h"

namespace {
constexpr std::int32_t kDefaultSlide = 50;
constexpr std::int32_t kDefaultGlow = 50;
constexpr std::int32_t kDefaultFade = 50;
constexpr BYTE kDefaultWobble = 5;
constexpr BYTE kDefaultLevelStep = 20;
// A slide length of 0 found at a build: the slide then takes this many frames.
constexpr std::int32_t kFallbackSlide = 20;
// Beyond this the decay curve gives way to its fixed end.
constexpr int kLastLevel = 250;
constexpr int kTextEntry = 255;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}};

// The surfaces, and the contexts that first hold them: the main one (the
// effect's own, the composite during the slide, the glow surface after it),
// the scratch one each copy is drawn in, and the mask's.
constexpr int kGlow = 0;
constexpr int kComposite = 1;
constexpr int kScratch = 2;
constexpr int kMask = 3;
constexpr int kMain = 0;
constexpr int kSecond = 1;
constexpr int kThird = 2;
constexpr palette::SurfaceSet kSurfaces{
    {palette::SurfaceFormat::Palette8, palette::SurfaceFormat::Rgb24, palette::SurfaceFormat::Rgb24,
     palette::SurfaceFormat::Mono},
    {kComposite, kScratch, kMask}};

// Counters that a fade of 0 or below lets run on for ever stop at their ends.
std::int32_t Up(std::int32_t value) { return value < INT32_MAX ? value + 1 : value; }
std::int32_t Down(std::int32_t value) { return value > INT32_MIN ? value - 1 : value; }
}  // namespace

// One spare row above the letters.
TintliftFont::TintliftFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = kSurfaces, .extraRows = 1}, kDefaultKeys) {}

STDMETHODIMP TintliftFont::SetDefault() {
    PaletteEffect::SetDefault();
    return static_cast<IViviFont*>(this)->ChangeParagraph();
}

void TintliftFont::WriteDefaultParameters() {
    block.slideLength = kDefaultSlide;
    block.glowLength = kDefaultGlow;
    block.fadeLength = kDefaultFade;
    block.wobble = kDefaultWobble;
    block.levelStep = kDefaultLevelStep;
    block.useRunColours = 1;
}

void TintliftFont::TakeParameters(const TintliftBlock& record) {
    block.glowLength = record.glowLength;
    block.fadeLength = record.fadeLength;
    block.wobble = record.wobble;
    block.levelStep = record.levelStep;
}

bool TintliftFont::WatchedFieldsDiffer(const TintliftBlock& record) const {
    return record.useRunColours != block.useRunColours || record.slideLength != block.slideLength;
}

void TintliftFont::TakeWatchedFields(const TintliftBlock& record) {
    block.slideLength = record.slideLength;
    block.useRunColours = record.useRunColours;
}

bool TintliftFont::WatchedKeysDiffer(const TintliftBlock& record) const {
    return !palette::SameColour(record.head.keys[0], block.head.keys[0]);
}

// The glow runs from the text colour (255) down to key 0, the slide's background.
void TintliftFont::PutRunColours() {
    PaletteEffect::PutRunColours();
    const palette::KeyColour& key0 = block.head.keys[0];
    slideBackground_ = UseRunColours() ? RGB(key0.red, key0.green, key0.blue) : RGB(0, 0, 0);
    PutTextColourOnKey();
}

void TintliftFont::BeforeBuild() {
    countdown_ = kDefaultFade;
    frame_ = 0;
    glowFrame_ = 0;
    glowPending_ = true;
}

void TintliftFont::SurfacesBuilt() {
    const double wobble = block.wobble;
    palette::FillPhaseTable(decays_, [wobble](int i) { return (std::cos(palette::PhaseAngle(i)) + 1.0) * wobble; });
    SetBkColor(Surface().Context(kThird), RGB(0, 0, 0));
    const palette::SurfaceGeometry& area = Geometry();
    if (block.slideLength == 0) {
        block.slideLength = kFallbackSlide;
        stepX_ = area.stride / kFallbackSlide;
        stepY_ = area.height / kFallbackSlide;
    } else {
        stepX_ = static_cast<double>(area.stride) / block.slideLength;
        stepY_ = static_cast<double>(area.height) / block.slideLength;
    }
}

void TintliftFont::Step() {
    if (frame_ < block.slideLength)
        Slide();
    else if (!Glow())
        return;
    frame_ = Up(frame_);
}

void TintliftFont::Slide() {
    countdown_ = block.fadeLength;
    palette::Surfaces& surfaces = Surface();
    const HDC main = surfaces.Context(kMain);
    const HDC second = surfaces.Context(kSecond);
    const HDC third = surfaces.Context(kThird);
    const palette::SurfaceGeometry& area = Geometry();
    const int stride = area.stride;
    const int height = area.height;
    const double travelled = frame_ * stepX_;
    const palette::TextPen pen(second, Text());

    surfaces.Clear(kScratch);
    pen.Draw(RGB(255, 0, 0), height, static_cast<int>(travelled - stride));
    BitBlt(main, 0, 0, stride, height, second, 0, 0, SRCCOPY);
    surfaces.Clear(kScratch);
    pen.Draw(RGB(0, 255, 0), height, static_cast<int>(stride - travelled));
    BitBlt(main, 0, 0, stride, height, second, 0, 0, SRCPAINT);
    surfaces.Clear(kScratch);
    pen.Draw(RGB(0, 0, 255), static_cast<int>(frame_ * stepY_));
    BitBlt(main, 0, 0, stride, height, second, 0, 0, SRCPAINT);

    // Black in the composite becomes a set bit of the mask...
    {
        const winkit::BackgroundColour black(main, RGB(0, 0, 0));
        BitBlt(third, 0, 0, stride, height, main, 0, 0, SRCCOPY);
    }
    // ...and a set bit the slide background, under the visible area only;
    // the letters stay black there and take their own colours by the OR.
    surfaces.Clear(kScratch);
    const winkit::BackgroundColour slide(second, slideBackground_);
    const winkit::TextColour letters(second, RGB(0, 0, 0));
    BitBlt(second, 0, 0, area.cx, area.cy, third, 0, 0, SRCCOPY);
    BitBlt(main, 0, 0, stride, height, second, 0, 0, SRCPAINT);
}

bool TintliftFont::Glow() {
    palette::Surfaces& surfaces = Surface();
    if (glowPending_) {
        surfaces.Select(kGlow);
        glowPending_ = false;
    }
    const palette::TextPen pen(surfaceDC.get(), Text());
    const int height = Geometry().height;
    if (glowFrame_ < block.glowLength) pen.Draw(Entry(kTextEntry), height);
    glowFrame_ = Up(glowFrame_);
    palette::FourNeighbourGlow(surfaces.Pixels(kGlow), NextDecay(), palette::KernelForm::PerPixel);
    if (glowFrame_ < block.glowLength) {
        pen.Draw(Entry(kTextEntry), height);
        return true;
    }
    countdown_ = Down(countdown_);
    if (countdown_ != 0) return true;
    Restart();
    return false;
}

BYTE TintliftFont::NextDecay() {
    // Up to twice 255: anything above 255 clears every pixel, as 255 does.
    const auto whole = [](int decay) { return static_cast<BYTE>(std::min(decay, 255)); };
    if (level_ >= kLastLevel - block.levelStep) return whole(2 * block.wobble);
    const int decay = static_cast<int>(decays_[level_]);
    level_ = static_cast<BYTE>(level_ + block.levelStep);
    return whole(decay);
}

void TintliftFont::Restart() {
    palette::Surfaces& surfaces = Surface();
    surfaces.Clear(kGlow);
    glowFrame_ = 0;
    frame_ = 0;
    level_ = 0;
    surfaces.Select(kComposite);
    surfaces.Clear(kScratch);
    surfaces.Clear(kComposite);
    glowPending_ = true;
    // The host keeps the last frame on the screen.
    KeepScreen();
}
