// What the view's interaction needs from the view window and its document.
// The view answers with its own window calls; tests answer with a recording
// stand-in.
#pragma once

#include <windows.h>

#include <functional>

#include "viewer/interaction/Selection.h"
#include "viewer/interaction/VisibleLines.h"
#include "viewer/model/Text.h"

namespace interaction {

class ViewHost {
public:
    // The document's text and its selection.
    virtual model::Text& DocumentText() = 0;
    virtual Selection& DocumentSelection() = 0;
    // The lines on screen, laid out afresh when lines, size or scroll
    // position changed since the last call.
    virtual const VisibleLines& Layout() = 0;
    // Pixels the picture is shifted left by.
    virtual int ScrollX() = 0;
    // Moves the first visible line by `count` and repaints at once.
    virtual void ScrollLines(int count) = 0;
    // Re-creates the system caret (solid, 3 pixels wide) at a client point.
    virtual void SetCaret(POINT clientTopLeft, int height) = 0;
    // Invalidates a client rectangle, or the whole client area for null, with erasing.
    virtual void Invalidate(const RECT* clientRect) = 0;
    // Runs `draw` on the window's device context shifted left by ScrollX().
    virtual void DrawOnWindow(const std::function<void(HDC)>& draw) = 0;
    virtual bool HasCapture() = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;

protected:
    ~ViewHost() = default;
};

}  // namespace interaction
