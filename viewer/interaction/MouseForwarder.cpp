#include "viewer/interaction/MouseForwarder.h"

namespace interaction {
namespace {

POINT Relative(const RunHit& hit, POINT point) { return POINT{point.x - hit.topLeft.x, point.y - hit.topLeft.y}; }

}  // namespace

void MouseForwarder::Move(const RunHit& hit, POINT point) {
    if (hit.run != hovered_) {
        if (hovered_ && hovered_->Effect()) hovered_->Effect()->MouseLeave();
        hovered_ = hit.run;
        if (hovered_ && hovered_->Effect()) hovered_->Effect()->MouseEnter();
    }
    if (hovered_ && hovered_->Effect()) hovered_->Effect()->OnMouseMove(Relative(hit, point));
}

void MouseForwarder::ButtonDown(const RunHit& hit, POINT point) const {
    if (hit.run && hit.run->Effect()) hit.run->Effect()->OnButtonDown(Relative(hit, point));
}

}  // namespace interaction
