#include "tests/viewer/interaction/InteractionTestSupport.h"

#include <new>

#include "comkit/TaskMem.h"
#include "tests/support/Canvas.h"

namespace interactiontest {
namespace {

std::string Point(POINT point) { return std::to_string(point.x) + "," + std::to_string(point.y); }

}  // namespace

STDMETHODIMP ScriptedEffect::Clone(IViviFont** clone) {
    auto* copy = new (std::nothrow) ScriptedEffect(log_, shape_);
    if (!copy) return E_OUTOFMEMORY;
    copy->AddRef();
    *clone = copy;
    return S_OK;
}

STDMETHODIMP ScriptedEffect::SetParagraph(IParagraphAccess* run) {
    run_ = run;
    return S_OK;
}

STDMETHODIMP ScriptedEffect::GetDrawingArea(SIZE* size) {
    int length = 0;
    if (run_) run_->Length(&length);
    *size = SIZE{length * 10, shape_.height};
    return S_OK;
}

STDMETHODIMP ScriptedEffect::GetWidth(int n, int* width) {
    *width = n * 10;
    return S_OK;
}

STDMETHODIMP ScriptedEffect::MouseEnter() {
    log_.push_back("Enter " + shape_.name);
    return S_OK;
}

STDMETHODIMP ScriptedEffect::MouseLeave() {
    log_.push_back("Leave " + shape_.name);
    return S_OK;
}

STDMETHODIMP ScriptedEffect::OnMouseMove(POINT point) {
    log_.push_back("Move " + shape_.name + " " + Point(point));
    return S_OK;
}

STDMETHODIMP ScriptedEffect::OnButtonDown(POINT point) {
    log_.push_back("Down " + shape_.name + " " + Point(point));
    return S_OK;
}

STDMETHODIMP ScriptedEffect::Name(short** name) {
    *name = comkit::CopyToTaskMem(std::wstring(shape_.name.begin(), shape_.name.end()));
    return S_OK;
}

comkit::ComPtr<IViviFont> ScriptedSource::Create() {
    return comkit::ComPtr<IViviFont>(new ScriptedEffect(log, shape));
}

void InteractionTest::AddLine(model::Text& text, const std::vector<RunSpec>& runs) {
    auto line = std::make_unique<model::Line>();
    for (const RunSpec& run : runs) {
        source.shape = run.shape;
        modeltest::AddRun(*line, run.bytes);
    }
    source.shape = {};
    text.AppendLine(std::move(line));
}

void InteractionTest::AddLines(model::Text& text, const std::vector<std::string>& lines) {
    for (const std::string& bytes : lines) {
        if (bytes.empty()) {
            AddLine(text, {});
        } else {
            AddLine(text, {{bytes}});
        }
    }
}

const interaction::VisibleLines& FakeView::Layout() {
    layout_ = interaction::LayoutVisibleLines(text, first, clientHeight);
    return layout_;
}

void FakeView::ScrollLines(int count) {
    scrolls.push_back(count);
    first += count;
}

void FakeView::SetCaret(POINT clientTopLeft, int height) {
    caretPoint = clientTopLeft;
    caretHeight = height;
}

void FakeView::Invalidate(const RECT* clientRect) {
    if (clientRect) {
        invalidated.push_back(*clientRect);
    } else {
        ++wholeInvalidations;
    }
}

void FakeView::DrawOnWindow(const std::function<void(HDC)>& draw) {
    ++drawsOnWindow;
    testsupport::Canvas canvas(400, 300, RGB(0, 0, 0));
    draw(canvas.dc());
}

}  // namespace interactiontest
