// Scoped ownership of GDI objects and device contexts.
#pragma once

#include <windows.h>

#include "winkit/LastError.h"
#include "winkit/UniqueHandle.h"

namespace winkit {

// Owns a GDI object (font, bitmap, brush, pen, region) and deletes it.
template <class Handle>
using GdiObject = UniqueHandle<NullEmptyTraits<Handle, DeleteObject>>;

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// The device context of a window (null: the screen), released at scope end.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        const KeptLastError kept;
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// The screen's device context.
class ScreenDC : public WindowDC {
public:
    ScreenDC() : WindowDC(nullptr) {}
};

// The paint of a window, from BeginPaint to EndPaint at scope end.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() {
        const KeptLastError kept;
        EndPaint(window_, &paint_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context, deleted at scope end.
class MemoryDC : public UniqueHandle<NullEmptyTraits<HDC, DeleteDC>> {
public:
    MemoryDC() = default;
    // Creates a context compatible with the given one (null: the screen).
    explicit MemoryDC(HDC compatibleWith) : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// A recorded enhanced metafile, deleted at scope end.
using EnhMetaFile = UniqueHandle<NullEmptyTraits<HENHMETAFILE, DeleteEnhMetaFile>>;

// Ends a recording and drops what it recorded.
inline void DiscardRecording(HDC dc) { DeleteEnhMetaFile(CloseEnhMetaFile(dc)); }

// The context of an enhanced metafile being recorded; what it recorded is
// dropped at scope end unless Close() took it.
class RecordingDC : public UniqueHandle<NullEmptyTraits<HDC, DiscardRecording>> {
public:
    RecordingDC() = default;
    // A picture of `frame` (in 0.01 mm) on the device of `reference` (null: the screen).
    RecordingDC(HDC reference, const RECT& frame)
        : UniqueHandle(CreateEnhMetaFileW(reference, nullptr, &frame, nullptr)) {}
    EnhMetaFile Close() { return EnhMetaFile(*this ? CloseEnhMetaFile(release()) : nullptr); }
};

// Selects an object into a device context and selects the previous one back at
// scope end, so that objects are never deleted while selected.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        const KeptLastError kept;
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace winkit
