// What the model tests share: sources of default effects (the real Static
// effect linked in, a recording fake, none at all), fixtures that install
// them and check that no run outlives a test, and run builders.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "comkit/ComObject.h"
#include "viewer/model/DefaultEffect.h"
#include "viewer/model/Line.h"
#include "viewer/model/Paragraph.h"
#include "viewer/model/Text.h"

namespace modeltest {

// Code page 932 bytes of a wide literal.
std::string Sjis(std::wstring_view text);

// What fake effects did, in order, across all fakes of one log.
struct EffectLog {
    std::vector<std::string> calls;
    int areaQueries = 0;
    int alive = 0;
    // Set when an effect outlived the font the cache gave it.
    bool fontDeletedFirst = false;

    int Count(std::string_view call) const;
};

// A fake effect's geometry: n characters are margin + n * charWidth wide
// (or widths[n] when given), the drawing area slack pixels wider than the
// text and height high.
struct FakeShape {
    int charWidth = 10;
    int height = 20;
    int margin = 0;
    int slack = 0;
    std::vector<int> widths;
    std::wstring name = L"Fake";
};

class FakeEffect final : public comkit::ComObject<IViviFont> {
public:
    FakeEffect(EffectLog& log, FakeShape shape);
    ~FakeEffect() override;

    IParagraphAccess* Bound() const { return run_; }

    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP SetParagraph(IParagraphAccess* run) override;
    STDMETHODIMP ChangeParagraph() override;
    STDMETHODIMP SetFontManager(IFontManager* fonts) override;
    STDMETHODIMP DrawTextFace(HDC dc, POINT point) override;
    STDMETHODIMP UpdateTextFace(HDC dc, POINT point) override;
    STDMETHODIMP GetDrawingArea(SIZE* size) override;
    STDMETHODIMP GetWidth(int n, int* width) override;
    STDMETHODIMP MouseEnter() override { return S_OK; }
    STDMETHODIMP MouseLeave() override { return S_OK; }
    STDMETHODIMP OnMouseMove(POINT) override { return S_OK; }
    STDMETHODIMP OnButtonDown(POINT) override { return S_OK; }
    STDMETHODIMP Name(short** name) override;
    // Identity the model never asks for.
    STDMETHODIMP Version(int*) override { return E_NOTIMPL; }
    STDMETHODIMP Description(short**) override { return E_NOTIMPL; }
    STDMETHODIMP Author(short**) override { return E_NOTIMPL; }
    STDMETHODIMP Icon(HICON*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCLSID(CLSID*) override { return E_NOTIMPL; }

private:
    int Prefix(int n) const;

    EffectLog& log_;
    FakeShape shape_;
    IParagraphAccess* run_ = nullptr;
    IFontManager* fonts_ = nullptr;
    HFONT font_ = nullptr;
};

// Every new run gets a StaticFont object, created without registration.
class StaticSource final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override;
    void ReportUnavailable() override {}
};

// Every new run gets a fake of the current shape.
class FakeSource final : public model::DefaultEffectSource {
public:
    explicit FakeSource(EffectLog& log) : log_(log) {}
    comkit::ComPtr<IViviFont> Create() override;
    void ReportUnavailable() override {}

    FakeShape shape;
    int created = 0;

private:
    EffectLog& log_;
};

// No effect can be had; counts the reports.
class MissingSource final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override { return {}; }
    void ReportUnavailable() override { ++reports; }

    int reports = 0;
};

// Installs a source for the test and checks at its end that every run of
// the test is gone.
class ModelTest : public testing::Test {
protected:
    explicit ModelTest(model::DefaultEffectSource& source) : source_(source) {}
    ModelTest() : source_(statics_) {}
    void SetUp() override;
    void TearDown() override;

private:
    StaticSource statics_;
    model::DefaultEffectSource& source_;
};

class FakeTest : public ModelTest {
protected:
    FakeTest() : ModelTest(fakes) {}

    static FakeEffect& Fake(const model::Paragraph& run) { return *static_cast<FakeEffect*>(run.Effect()); }

    EffectLog log;
    FakeSource fakes{log};
};

// A run of the bytes in the colour (the style the edit tests tell apart).
std::unique_ptr<model::Paragraph> MakeRun(std::string_view bytes, COLORREF color = RGB(255, 255, 255));
void AddRun(model::Line& line, std::string_view bytes, COLORREF color = RGB(255, 255, 255));
// The runs' texts, left to right.
std::vector<std::string> RunTexts(const model::Line& line);
// The lines' texts, top to bottom.
std::vector<std::string> LineTexts(model::Text& text);

inline constexpr COLORREF kStyleX = RGB(255, 255, 255);
inline constexpr COLORREF kStyleY = RGB(255, 0, 0);

}  // namespace modeltest
