#include "appkit/framework/View.h"

#include "appkit/framework/Document.h"
#include "winkit/GdiHandles.h"

namespace appkit {
namespace {

constexpr char kViewClass[] = "AppkitView";

}  // namespace

View::~View() {
    if (document_) document_->RemoveView(this);
}

void View::OnUpdate(View*, LPARAM, void*) { InvalidateRect(Handle(), nullptr, TRUE); }

void View::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

bool View::Create(HWND frame, Document& document) {
    RegisterWindowClass(kViewClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    document_ = &document;
    document.AddView(this);
    return CreateEx(0, kViewClass, {}, WS_CHILD | WS_VISIBLE, frame, nullptr);
}

LRESULT View::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const winkit::PaintDC paint(Handle());
        if (paint.get()) OnDraw(paint.get());
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace appkit
