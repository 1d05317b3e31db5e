// What the palette effect classes share: a property block that begins with
// the palette-key head, a gradient colour table, surfaces (mostly 8-bit) with
// the run's text drawn into them, and the frame that builds on demand, lets
// the class take its step and copies the drawing area to the host.
//
// A class states its block, its default keys, its default and always-taken
// parameters, the watched fields that decide whether a parameter record's
// keys are taken, its surface layout and its step:
//
//   class RainFont : public palette::PaletteEffect<RainBlock> { ... };
//   instantiated as effectbase::EffectObject<RainFont>.
#pragma once

#include <cstddef>
#include <cstring>
#include <optional>
#include <span>

#include "effectbase/EffectBase.h"
#include "effects/common/CrtRandom.h"
#include "effects/common/Kernels.h"
#include "effects/common/ModuleSetup.h"
#include "effects/common/PaletteKeys.h"
#include "effects/common/PixelList.h"
#include "effects/common/RowRange.h"
#include "effects/common/SurfaceText.h"
#include "effects/common/Surfaces.h"

namespace palette {

// How much of a parameter record's key head is taken: the whole head, or
// only the colours, the count and the first eight positions (the ninth
// position is then never taken from a record).
enum class KeyCopy { WholeHead, FirstEightPositions };

// Whether every build also puts the run's text colour on the last key in use
// (at 255), whatever the use-run-colours flag: for classes whose letters are
// drawn in the top entry and keep the run's colour.
enum class TextColourKey { None, Last };

// Whether every build of the surfaces ends a hover (the mouse may still be
// over the run): the classes that hold or freeze their motion under the
// mouse start it over with each build. A build runs at an activation, at a
// change of the run while activated, and at the first frame while not
// activated, so a change while deactivated ends the hover only at that frame.
enum class HoverAtBuild { Kept, Ends };

// A drawing area as a class states it: wide enough that no margin a stored
// block may hold overflows it. Areas that do not fit a surface are refused.
struct WideSize {
    long long cx = 0;
    long long cy = 0;
};

// How a class lays out its surfaces.
struct SurfaceLayout {
    SurfaceSet surfaces = 1;  // by default one 8-bit surface
    int extraRows = 0;        // surface height = cy + extraRows
    int sourceRow = 0;        // the first surface row the frame copies out
};

// The measured run and the surfaces made for it.
struct SurfaceGeometry {
    int cx = 0;
    int cy = 0;
    int stride = 0;
    int height = 0;
};

class PaletteEffectBase : public effectbase::EffectBase {
public:
    // The frame: build when not activated, the class's step, then the copy.
    STDMETHODIMP DrawTextFace(HDC dc, POINT point) override;
    // The text's extent with what the class draws around it; the text's own
    // extent when that area does not fit a surface (nothing is built then).
    STDMETHODIMP GetDrawingArea(SIZE* size) final;
    // The text's prefix widths, moved by what the class draws left of it
    // when its area fits.
    STDMETHODIMP GetWidth(int n, int* width) final;

    std::span<const BYTE> SurfaceMemory(int index) const override { return surfaces_.Memory(index); }
    COLORREF PaletteEntry(int index) const { return EntryColour(colours_, index); }
    // The rows the last frame said it drew (every row unless it said so).
    RowRange DrawnRows() const { return drawn_; }

protected:
    PaletteEffectBase(SurfaceLayout layout, std::span<const DefaultKey> defaultKeys,
                      KeyCopy keyCopy = KeyCopy::WholeHead, TextColourKey textKey = TextColourKey::None,
                      HoverAtBuild hover = HoverAtBuild::Kept)
        : layout_(layout), defaultKeys_(defaultKeys), keyCopy_(keyCopy), textKey_(textKey), hover_(hover) {}

    // What the class states.
    virtual PaletteKeyHead& Head() = 0;
    virtual bool UseRunColours() const = 0;
    // Writes the class's default parameters (the use-run-colours flag 1); the
    // working copies then follow from the block (TakeWorkingCopies).
    virtual void WriteDefaultParameters() = 0;
    // Fills the module's random tables, once per module, from the freshly
    // clock-seeded module generator.
    virtual void FillModuleTables(CrtRandom&) {}
    // Puts the run's colours on the keys after the defaults were written: its
    // background on key 0 when the flag is set, and its text colour on the
    // last key when the class asked for it. Classes add to it.
    virtual void PutRunColours();
    // The drawing area made from the text's measured extent (the text itself
    // by default), and the columns the class draws left of the text.
    virtual WideSize AreaAround(SIZE text) { return {text.cx, text.cy}; }
    virtual int LeftMargin() { return 0; }
    // Runs first in every build, before the drawing area is taken: the
    // class's animation state goes back to its start here.
    virtual void BeforeBuild() {}
    // Runs once the surfaces exist (text drawn at build time, tables, pixel list).
    virtual void SurfacesBuilt() {}
    // The class's part of the frame.
    virtual void Step() = 0;
    // Called from Step: this frame copies nothing, the host's picture stays.
    void KeepScreen() { keepScreen_ = true; }
    // Called from Step: every row of the surface the frame copies from holds
    // entry 0 but the rows drawn (memory order; rows beyond the surface count
    // for nothing). The copy fills the other rows of the area with entry 0's
    // colour instead of converting them.
    void DrewRows(RowRange drawn) { drawn_ = drawn; }

    // Hooks of the shared effect base.
    void InitEffect() override;
    void SetDefaultProperties() override;
    void BuildTextBitmap() override;
    void ReleaseTextBitmap() override;
    void PropertiesLoaded() override { BuildGradientPalette(); }

    // The machinery a class uses.
    void SetDefaultPaletteKeys() { palette::SetDefaultPaletteKeys(Head(), defaultKeys_); }
    void BuildGradientPalette() { palette::BuildGradientPalette(Head(), colours_); }
    void PutBackgroundColourOnKey(int slot, BYTE position);
    // The run's text colour on the last key in use, at 255.
    void PutTextColourOnKey();
    // Takes a record's key head (as much of it as the class takes), builds its
    // gradient and measures and rebuilds through the object's own ChangeParagraph.
    void TakeKeys(const PaletteKeyHead& keys);

    COLORREF Entry(int index) const { return EntryColour(colours_, index); }
    const ColourTable& Colours() const { return colours_; }
    const SurfaceGeometry& Geometry() const { return geometry_; }
    // Runs wider and taller than 8 pixels get random points.
    bool RoomForPoints() const { return geometry_.cx > 8 && geometry_.cy > 8; }
    Surfaces& Surface() { return surfaces_; }
    const SurfaceText& Text() const { return text_; }
    // Draws the run's text over surface `drawn` in the colour of a palette
    // entry, bottom on the surface's last row, then leaves surface `kept` the
    // one the context holds.
    void DrawTextOver(int drawn, int entry, int kept);
    // For classes that draw one character at a time: takes where each
    // character stands, through the object's own GetWidth.
    void TakeCharacterPlaces() { text_.TakePlaces(*static_cast<IViviFont*>(this)); }
    // Builds the pixel list of a surface; a failure is reported once the build
    // is complete and the frame then runs without the list.
    void BuildPixelList(int surface);
    const PixelList& Pixels() const { return pixels_; }

private:
    void BuildSurfaces();
    void RebuildPalette();
    // The drawing area from the selected surface to the host's context.
    void CopyFrame(HDC dc, POINT point);
    // The class's area around the text when surfaces of it can be made.
    std::optional<SIZE> FittedArea(SIZE text);

    SurfaceLayout layout_;
    std::span<const DefaultKey> defaultKeys_;
    KeyCopy keyCopy_;
    TextColourKey textKey_;
    HoverAtBuild hover_;
    ColourTable colours_{};
    SurfaceGeometry geometry_;
    Surfaces surfaces_{surfaceDC};
    SurfaceText text_;
    PixelList pixels_;
    bool pixelListFailed_ = false;
    bool keepScreen_ = false;
    RowRange drawn_;
};

// The block-typed half: a Block is a packed struct that begins with
// `PaletteKeyHead head` and holds a `BYTE useRunColours`.
template <class Block>
class PaletteEffect : public PaletteEffectBase {
    static_assert(offsetof(Block, head) == 0, "the key head begins the block");
    static_assert(alignof(Block) == 1, "the block is stored byte for byte");

public:
    Block block{};

protected:
    using PaletteEffectBase::PaletteEffectBase;

    // Parameters taken from every accepted parameter record.
    virtual void TakeParameters(const Block& record) = 0;
    // The watched fields: when they differ the record's keys are taken, and
    // the fields with them. By default the use-run-colours flag.
    virtual bool WatchedFieldsDiffer(const Block& record) const { return record.useRunColours != block.useRunColours; }
    virtual void TakeWatchedFields(const Block& record) { block.useRunColours = record.useRunColours; }
    // Key colours some classes watch too, looked at after the fields.
    virtual bool WatchedKeysDiffer(const Block&) const { return false; }

    PaletteKeyHead& Head() final { return block.head; }
    bool UseRunColours() const final { return block.useRunColours != 0; }

    void ApplyParameters(std::span<const BYTE> parameters) override {
        Block record;
        std::memcpy(&record, parameters.data(), sizeof record);
        TakeParameters(record);
        TakeWorkingCopies(false);
        if (WatchedFieldsDiffer(record)) {
            TakeWatchedFields(record);
            TakeKeys(record.head);
        }
        if (WatchedKeysDiffer(record)) TakeKeys(record.head);
    }
};

}  // namespace palette
