#include "effects/common/FrameCopy.h"

#include "winkit/DcState.h"
#include "winkit/GdiHandles.h"

namespace palette {

void CopyInStrips(HDC target, POINT at, int width, int rows, HDC source, int sourceTop) {
    const int strip = StripRows(width);
    for (int done = 0; done < rows; done += strip)
        BitBlt(target, at.x, at.y + done, width, std::min(strip, rows - done), source, 0, sourceTop + done, SRCCOPY);
}

void FillAsCopied(HDC target, POINT at, int width, int rows, COLORREF colour) {
    if (width <= 0 || rows <= 0) return;
    const COLORREF nearest = GetNearestColor(target, colour);
    // The context's own brush: nothing is made per frame.
    const winkit::Selection brush(target, GetStockObject(DC_BRUSH));
    const winkit::BrushColour painted(target, nearest == CLR_INVALID ? colour : nearest);
    PatBlt(target, at.x, at.y, width, rows, PATCOPY);
}

}  // namespace palette
