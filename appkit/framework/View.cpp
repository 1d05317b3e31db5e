#include "appkit/framework/View.h"

#include "appkit/framework/Document.h"

namespace appkit {
namespace {

constexpr char kViewClass[] = "AppkitView";

// Ends the paint of a window at scope end.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(hwnd_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

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
        PaintScope paint(Handle());
        if (paint.dc()) OnDraw(paint.dc());
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace appkit
