// A drawing target whose pixels can be read back, for comparing frames, in
// the kinds a host may lend: a top-down section of 8 bits (a colour cube and
// a grey ramp, so that colours map to the nearest entry) or of 32 bits, the
// latter also behind a context that scales (3 logical units to 5 pixels
// across and 4 down); a monochrome device bitmap; a device bitmap like the
// screen's; an enhanced metafile, as a container records a picture to keep or
// print, read by playing it back at that same scale onto a 32-bit section.
// Each bitmap is selected into a memory context.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <vector>

#include "winkit/GdiHandles.h"

namespace winkit {

enum class TargetKind { Section8, Section32, ScaledSection32, Monochrome, ScreenBitmap, Metafile };
inline constexpr TargetKind kEveryTargetKind[] = {TargetKind::Section8,        TargetKind::Section32,
                                                  TargetKind::ScaledSection32, TargetKind::Monochrome,
                                                  TargetKind::ScreenBitmap,    TargetKind::Metafile};

class ReadableTarget {
public:
    // `width` x `height` logical units, filled with `paper`.
    ReadableTarget(int width, int height, TargetKind kind, COLORREF paper);
    ReadableTarget(const ReadableTarget&) = delete;
    ReadableTarget& operator=(const ReadableTarget&) = delete;

    explicit operator bool() const { return dc() && dc_ && bitmap_ && (pixels_ || !read_.empty()); }
    // A metafile's recording goes on in a context of its own after each
    // read, so take this afresh after Pixels().
    HDC dc() const { return kind_ == TargetKind::Metafile ? recording_.get() : dc_.get(); }
    // Every byte of the picture, once pending drawing has reached it.
    std::span<const BYTE> Pixels() const;

private:
    // Set by the making of a section, so declared before it.
    BYTE* pixels_ = nullptr;
    std::size_t size_ = 0;
    // A device bitmap's bytes, read at each call of Pixels.
    mutable std::vector<BYTE> read_;
    MemoryDC dc_;
    Bitmap bitmap_;
    Selection selection_;
    TargetKind kind_;
    // A metafile's picture in logical units, the section's pixels it is
    // played onto, and its recording since the last read (earlier reads
    // played theirs onto the section).
    RECT logical_;
    RECT section_{};
    mutable RecordingDC recording_;
};

}  // namespace winkit
