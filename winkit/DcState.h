// Settings of a device context changed for one scope and put back at its end,
// so that a context lent by a caller is returned as it came.
#pragma once

#include <windows.h>

#include "winkit/LastError.h"

namespace winkit {

// `Set` answers the previous value, which is set again at scope end.
template <class Value, auto Set>
class DcSetting {
public:
    DcSetting(HDC dc, Value value) : dc_(dc), previous_(Set(dc, value)) {}
    DcSetting(const DcSetting&) = delete;
    DcSetting& operator=(const DcSetting&) = delete;
    ~DcSetting() {
        const KeptLastError kept;
        Set(dc_, previous_);
    }

private:
    HDC dc_;
    Value previous_;
};

using TextColour = DcSetting<COLORREF, SetTextColor>;
using BackgroundColour = DcSetting<COLORREF, SetBkColor>;
using BackgroundMode = DcSetting<int, SetBkMode>;
using TextAlignment = DcSetting<UINT, SetTextAlign>;
using BrushColour = DcSetting<COLORREF, SetDCBrushColor>;

// The viewport origin moved by an offset for the scope.
class ViewportOffset {
public:
    ViewportOffset(HDC dc, int dx, int dy) : dc_(dc) { OffsetViewportOrgEx(dc_, dx, dy, &previous_); }
    ViewportOffset(const ViewportOffset&) = delete;
    ViewportOffset& operator=(const ViewportOffset&) = delete;
    ~ViewportOffset() {
        const KeptLastError kept;
        SetViewportOrgEx(dc_, previous_.x, previous_.y, nullptr);
    }

private:
    HDC dc_;
    POINT previous_{};
};

}  // namespace winkit
