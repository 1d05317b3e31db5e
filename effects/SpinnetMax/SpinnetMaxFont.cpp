#include "effects/SpinnetMax/SpinnetMaxFont.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "winkit/GdiHandles.h"

namespace {
constexpr std::int32_t kDefaultSwingAngle = 30;
constexpr BYTE kDefaultSpeed = 10;
constexpr BYTE kUpright = 0;
constexpr int kTextEntry = 255;
constexpr double kRadiansPerDegree = 0.017453292222222222;
// Escapements are tenths of a degree; a whole turn more or less is the same
// rotation, and keeps any swing angle within range.
constexpr double kWholeTurn = 3600.0;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}};
}  // namespace

SpinnetMaxFont::SpinnetMaxFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = 1}, kDefaultKeys, palette::KeyCopy::FirstEightPositions,
                    palette::TextColourKey::Last, palette::HoverAtBuild::Ends) {}

SIZE SpinnetMaxFont::Letter() {
    if (!letter_) {
        SIZE letter{0, 0};
        winkit::ScreenDC screen;
        winkit::Selection font(screen.get(), Extent().RunFont());
        // The letter and its terminating NUL.
        GetTextExtentPoint32A(screen.get(), "A", 2, &letter);
        letter_ = letter;
    }
    return *letter_;
}

void SpinnetMaxFont::RunChanged() {
    letter_.reset();
    PaletteEffect::RunChanged();
}

SIZE SpinnetMaxFont::Margins() {
    const SIZE letter = Letter();
    const double reach = std::sin(block.swingAngle * kRadiansPerDegree);
    return {std::abs(static_cast<LONG>(reach * letter.cy)), std::abs(static_cast<LONG>(reach * letter.cx * 0.5))};
}

palette::WideSize SpinnetMaxFont::AreaAround(SIZE text) {
    const SIZE margins = Margins();
    margin_ = margins.cx;
    return {text.cx + 2LL * margins.cx, static_cast<long long>(text.cy) + margins.cy};
}

int SpinnetMaxFont::LeftMargin() { return margin_; }

void SpinnetMaxFont::WriteDefaultParameters() {
    block.swingAngle = kDefaultSwingAngle;
    block.speed = kDefaultSpeed;
    block.useRunColours = 1;
}

void SpinnetMaxFont::TakeParameters(const SpinnetMaxBlock& record) { block.speed = record.speed; }

bool SpinnetMaxFont::WatchedFieldsDiffer(const SpinnetMaxBlock& record) const {
    return record.swingAngle != block.swingAngle || record.useRunColours != block.useRunColours;
}

void SpinnetMaxFont::TakeWatchedFields(const SpinnetMaxBlock& record) {
    block.swingAngle = record.swingAngle;
    block.useRunColours = record.useRunColours;
}

void SpinnetMaxFont::SurfacesBuilt() {
    const double swing = block.swingAngle;
    palette::FillPhaseTable(escapements_, [swing](int i) {
        return static_cast<int>(std::fmod(std::sin(palette::PhaseAngle(i)) * swing * 10, kWholeTurn));
    });
    LOGFONTA turned{};
    tagPassLOGFONT run{};
    if (IParagraphAccess* paragraph = Extent().Paragraph()) paragraph->GetLOGFONT(&run);
    turned.lfHeight = run.lfHeight;
    turned.lfWidth = run.lfWidth;
    turned.lfWeight = run.lfWeight;
    turned.lfItalic = run.lfItalic;
    turned.lfUnderline = run.lfUnderline;
    turned.lfStrikeOut = run.lfStrikeOut;
    turned.lfCharSet = run.lfCharSet;
    turned.lfPitchAndFamily = run.lfPitchAndFamily;
    // Drawn as the run's other letters would be.
    turned.lfQuality = run.lfQuality;
    static_assert(sizeof turned.lfFaceName == sizeof run.lfFaceName);
    std::memcpy(turned.lfFaceName, run.lfFaceName, sizeof run.lfFaceName);
    fonts_.Plan(turned, escapements_);
    TakeCharacterPlaces();
    TakeReferences();
    const std::wstring& units = Text().Characters();
    stamps_.Reset(fonts_.Count(), {units, references_, Geometry().stride, Geometry().height,
                                   palette::GlyphReach(surfaceDC.get(), Text().Font())});
}

void SpinnetMaxFont::TakeReferences() {
    const palette::SurfaceText& text = Text();
    // The first letter's half width serves them all.
    const int half = text.PlacedCount() > 0 ? (text.Place(1) - text.Place(0)) >> 1 : 0;
    references_.clear();
    for (int i = 0; i < text.PlacedCount(); ++i) references_.push_back({text.Place(i) + half, Geometry().height});
}

void SpinnetMaxFont::ReleaseTextBitmap() {
    stamps_.Clear();
    fonts_.Clear();
    PaletteEffect::ReleaseTextBitmap();
}

void SpinnetMaxFont::Step() {
    phase_ = Hovered() ? kUpright : static_cast<BYTE>(phase_ + block.speed);
    const palette::Plane surface = Surface().Pixels(0);
    std::memset(surface.pixels, 0, static_cast<size_t>(surface.stride) * surface.height);
    DrewRows({0, -1});

    const int slot = fonts_.Slot(phase_);
    if (!stamps_.Captured(slot)) {
        // A frame whose font cannot be made draws nothing.
        const HFONT font = fonts_.Font(slot);
        if (!font) return;
        stamps_.Capture(slot, Call(font));
        if (stamps_.AllStamped(slot)) fonts_.Release(slot);
    }
    palette::RowRange rows;
    bool stamped = true;
    for (int i = 0; i < static_cast<int>(references_.size()); ++i)
        stamped = stamps_.Stamp(slot, i, surface, rows) && stamped;
    if (stamped) {
        DrewRows(rows);
        return;
    }
    // A letter without a stamp: the text calls draw them all, the stamped
    // ones again on the very pixels they set.
    const HFONT turned = fonts_.Font(slot);
    if (!turned) return;
    const palette::TextCall call = Call(turned);
    const POINT first = references_.front();
    const int half = first.x - Text().Place(0);
    palette::TextPen(surfaceDC.get(), Text(), turned)
        .DrawCharacters(call.colour, call.alignment, first.y, [half](int) { return POINT{half, 0}; });
    DrewRows(palette::InkedRows(surface));
}

palette::TextCall SpinnetMaxFont::Call(HFONT turned) {
    return {turned, Entry(kTextEntry), TA_CENTER | TA_BOTTOM, Colours()};
}
