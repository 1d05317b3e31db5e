// Scoped ownership of GDI objects and device contexts.
#pragma once

#include <windows.h>

#include "winkit/UniqueHandle.h"

namespace winkit {

// Owns a GDI object (font, bitmap, brush, pen, region) and deletes it.
template <class Handle>
using GdiObject = UniqueHandle<NullEmptyTraits<Handle, DeleteObject>>;

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// The screen's device context (GetDC of no window), released at scope end.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// A memory device context, deleted at scope end.
class MemoryDC : public UniqueHandle<NullEmptyTraits<HDC, DeleteDC>> {
public:
    MemoryDC() = default;
    // Creates a context compatible with the given one (null: the screen).
    explicit MemoryDC(HDC compatibleWith) : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// Selects an object into a device context and selects the previous one back at
// scope end, so that objects are never deleted while selected.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace winkit
