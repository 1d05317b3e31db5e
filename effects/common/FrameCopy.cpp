#include "effects/common/FrameCopy.h"

namespace palette {

void CopyInStrips(HDC target, POINT at, int width, int rows, HDC source, int sourceTop) {
    const int strip = StripRows(width);
    for (int done = 0; done < rows; done += strip)
        BitBlt(target, at.x, at.y + done, width, std::min(strip, rows - done), source, 0, sourceTop + done, SRCCOPY);
}

}  // namespace palette
