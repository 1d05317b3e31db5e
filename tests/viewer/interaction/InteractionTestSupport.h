// What the interaction tests share: effects with simple geometry that log
// what the mouse did to them, texts built from them, a stand-in for the
// view window that records what the interaction asked of it, the find
// dialog driven through its controls, and the clipboard as a second program
// reads it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/interaction/ViewHost.h"

// Points and rectangles compared and printed by the checks.
inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline void PrintTo(const POINT& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const RECT& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace interactiontest {

// n characters are n * 10 pixels wide; the drawing area is as wide as the
// text and `height` high.
struct Shape {
    std::string name = "run";
    int height = 20;
};

class ScriptedEffect final : public comkit::ComObject<IViviFont> {
public:
    ScriptedEffect(std::vector<std::string>& log, Shape shape) : log_(log), shape_(std::move(shape)) {}

    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP SetParagraph(IParagraphAccess* run) override;
    STDMETHODIMP ChangeParagraph() override { return S_OK; }
    STDMETHODIMP SetFontManager(IFontManager*) override { return S_OK; }
    STDMETHODIMP DrawTextFace(HDC, POINT) override { return S_OK; }
    STDMETHODIMP UpdateTextFace(HDC, POINT) override { return S_OK; }
    STDMETHODIMP GetDrawingArea(SIZE* size) override;
    STDMETHODIMP GetWidth(int n, int* width) override;
    STDMETHODIMP MouseEnter() override;
    STDMETHODIMP MouseLeave() override;
    STDMETHODIMP OnMouseMove(POINT point) override;
    STDMETHODIMP OnButtonDown(POINT point) override;
    STDMETHODIMP Name(short** name) override;
    STDMETHODIMP Version(int*) override { return E_NOTIMPL; }
    STDMETHODIMP Description(short**) override { return E_NOTIMPL; }
    STDMETHODIMP Author(short**) override { return E_NOTIMPL; }
    STDMETHODIMP Icon(HICON*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCLSID(CLSID*) override { return E_NOTIMPL; }

private:
    std::vector<std::string>& log_;
    Shape shape_;
    IParagraphAccess* run_ = nullptr;
};

// Every new run gets a scripted effect of the current shape.
class ScriptedSource final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override;
    void ReportUnavailable() override {}

    Shape shape;
    std::vector<std::string> log;
};

// A run to build: its bytes and its shape.
struct RunSpec {
    std::string bytes;
    Shape shape = {};
};

class InteractionTest : public modeltest::ModelTest {
protected:
    InteractionTest() : ModelTest(source) {}

    // A line of runs each in its own shape (an empty list: a line without runs).
    void AddLine(model::Text& text, const std::vector<RunSpec>& runs);
    // Lines of one run each, of the default shape.
    void AddLines(model::Text& text, const std::vector<std::string>& lines);

    ScriptedSource source;
};

// The view window as the interaction sees it: a client area of a given
// height, lines laid out for real, and a record of what was asked.
class FakeView final : public interaction::ViewHost {
public:
    explicit FakeView(int clientHeight) : clientHeight(clientHeight) {}

    model::Text& DocumentText() override { return text; }
    interaction::Selection& DocumentSelection() override { return selection; }
    const interaction::VisibleLines& Layout() override;
    int ScrollX() override { return scrollX; }
    void ScrollLines(int count) override;
    void SetCaret(POINT clientTopLeft, int height) override;
    void Invalidate(const RECT* clientRect) override;
    void DrawOnWindow(const std::function<void(HDC)>& draw) override;
    bool HasCapture() override { return captured; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }

    int clientHeight;
    model::Text text;
    interaction::Selection selection;
    int first = 0;
    int scrollX = 0;
    bool captured = false;

    std::vector<int> scrolls;
    POINT caretPoint{-1, -1};
    int caretHeight = 0;
    std::vector<RECT> invalidated;
    int wholeInvalidations = 0;
    int drawsOnWindow = 0;

private:
    interaction::VisibleLines layout_;
};

// The find dialog's controls used as the user would: a button pressed, a
// radio or check box clicked, a text typed and Find pressed, the history list.
void PressButton(HWND dialog, int id);
void ClickControl(HWND dialog, int id);
void TypeAndFind(HWND dialog, const std::string& text);
std::vector<std::string> HistoryEntries(HWND dialog);

// The clipboard's CF_TEXT and "OndelleWriter ver1.0" data as the second
// program (CLIPBOARD_READER_PATH) found them; none when either was missing.
struct ClipboardData {
    std::vector<std::uint8_t> text;
    std::vector<std::uint8_t> writer;
};
std::optional<ClipboardData> ReadClipboardInAnotherProgram();

}  // namespace interactiontest
