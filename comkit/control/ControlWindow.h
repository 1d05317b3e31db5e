// The control's own child window. Messages go to the owner first; those it
// leaves, and the notifications a parent reflects back to a control (the
// OCM_ range), end in the default window procedure, the reflected ones as
// the message they were reflected from.
#pragma once

#include <windows.h>

namespace comkit {

class ControlWindowOwner {
public:
    // Sets handled when the message needs no default processing.
    virtual LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
    // The last message the window receives; the handle is gone afterwards.
    virtual void OnWindowGone() = 0;

protected:
    ~ControlWindowOwner() = default;
};

// Creates the window; null on failure.
HWND CreateControlWindow(ControlWindowOwner* owner, HWND parent, const RECT& position);
// Destroys the window without telling its owner, for an owner that is going.
void DestroyOrphanedWindow(HWND window);

}  // namespace comkit
