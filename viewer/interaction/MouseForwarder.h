// Hands the mouse to the effects of the runs on screen: the run the pointer
// leaves hears MouseLeave, the run it enters MouseEnter, and the run under it
// OnMouseMove, in that order; a press goes to the run under it as
// OnButtonDown. Points reach an effect relative to its run's top-left.
#pragma once

#include <windows.h>

#include "viewer/interaction/HitTest.h"

namespace interaction {

class MouseForwarder {
public:
    void Move(const RunHit& hit, POINT point);
    // The hovered run is not touched: a press brings no MouseEnter.
    void ButtonDown(const RunHit& hit, POINT point) const;
    // The runs went away (a new document): no MouseLeave is sent.
    void Forget() { hovered_ = nullptr; }
    const model::Paragraph* Hovered() const { return hovered_; }

private:
    // Not owned; valid while the document's text keeps its runs.
    const model::Paragraph* hovered_ = nullptr;
};

}  // namespace interaction
