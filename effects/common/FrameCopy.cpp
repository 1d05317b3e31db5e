#include "effects/common/FrameCopy.h"

#include "winkit/DcState.h"
#include "winkit/GdiHandles.h"

namespace palette {

namespace {

void CopyInStrips(HDC target, POINT at, int width, int rows, HDC source, int sourceTop) {
    const int strip = StripRows(width);
    for (int done = 0; done < rows; done += strip)
        BitBlt(target, at.x, at.y + done, width, std::min(strip, rows - done), source, 0, sourceTop + done, SRCCOPY);
}

// The target's brush and its brush colour stay as they were; its raster
// operation does not apply.
void Fill(HDC target, POINT at, int width, int rows, COLORREF colour) {
    if (width <= 0 || rows <= 0) return;
    const COLORREF nearest = GetNearestColor(target, colour);
    // The context's own brush: nothing is made per frame.
    const winkit::Selection brush(target, GetStockObject(DC_BRUSH));
    const winkit::BrushColour painted(target, nearest == CLR_INVALID ? colour : nearest);
    PatBlt(target, at.x, at.y, width, rows, PATCOPY);
}

// Whether a strip lands on `target` as its part of one copy: on a memory
// context or a display's that maps one logical unit to one pixel (MM_TEXT,
// no world transform). A metafile context maps so too, but keeps each strip
// as a record that playback stretches by itself; so may a printer's, whose
// pages a spooler can record and scale.
bool TakesStrips(HDC target) {
    const DWORD type = GetObjectType(target);
    const bool rasterHere =
        type == OBJ_MEMDC || (type == OBJ_DC && GetDeviceCaps(target, TECHNOLOGY) == DT_RASDISPLAY);
    XFORM transform{};
    return rasterHere && GetMapMode(target) == MM_TEXT &&
           GetWorldTransform(target, &transform) && transform.eM11 == 1.0f && transform.eM12 == 0.0f &&
           transform.eM21 == 0.0f && transform.eM22 == 1.0f && transform.eDx == 0.0f && transform.eDy == 0.0f;
}

// Whether a fill with the nearest colour has been shown to give what a copy
// of that colour gives on the bitmap `target` holds: a device bitmap of 32
// bits, or a section of 8 or 32 bits in plain RGB. Not known for any other
// target, a window's or a printer's context among them.
bool FillsAsCopied(HDC target) {
    DIBSECTION section{};
    const int described = GetObjectW(GetCurrentObject(target, OBJ_BITMAP), sizeof section, &section);
    const int bits = section.dsBm.bmBitsPixel * section.dsBm.bmPlanes;
    if (described == static_cast<int>(sizeof(BITMAP))) return bits == 32;  // a device bitmap
    return described == static_cast<int>(sizeof section) && section.dsBmih.biCompression == BI_RGB &&
           (bits == 32 || bits == 8);
}

}  // namespace

void CopyFrame(HDC target, POINT at, int width, int rows, HDC source, int sourceTop, DrawnBand drawn) {
    if (!TakesStrips(target)) {
        BitBlt(target, at.x, at.y, width, rows, source, 0, sourceTop, SRCCOPY);
        return;
    }
    if (!FillsAsCopied(target)) drawn = {0, rows};
    CopyInStrips(target, {at.x, at.y + drawn.from}, width, drawn.to - drawn.from, source, sourceTop + drawn.from);
    if (drawn.from == 0 && drawn.to == rows) return;
    // Entry 0 as the copy would take it: from the surface's own colour table.
    RGBQUAD entry{};
    GetDIBColorTable(source, 0, 1, &entry);
    const COLORREF blank = RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
    Fill(target, at, width, drawn.from, blank);
    Fill(target, {at.x, at.y + drawn.to}, width, rows - drawn.to, blank);
}

}  // namespace palette
