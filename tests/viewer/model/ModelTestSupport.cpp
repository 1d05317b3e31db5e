#include "tests/viewer/model/ModelTestSupport.h"

#include <algorithm>
#include <new>

#include "comkit/TaskMem.h"
#include "effects/static/StaticFont.h"
#include "textrun/RunShared.h"
#include "winkit/AnsiText.h"

namespace modeltest {

std::string Sjis(std::wstring_view text) { return winkit::ToAnsi(text, 932); }

int EffectLog::Count(std::string_view call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

FakeEffect::FakeEffect(EffectLog& log, FakeShape shape) : log_(log), shape_(std::move(shape)) { ++log_.alive; }

FakeEffect::~FakeEffect() {
    --log_.alive;
    if (font_ && GetObjectType(font_) == 0) log_.fontDeletedFirst = true;
}

STDMETHODIMP FakeEffect::Clone(IViviFont** clone) {
    log_.calls.push_back("Clone");
    auto* copy = new (std::nothrow) FakeEffect(log_, shape_);
    if (!copy) return E_OUTOFMEMORY;
    copy->AddRef();
    *clone = copy;
    return S_OK;
}

STDMETHODIMP FakeEffect::SetParagraph(IParagraphAccess* run) {
    log_.calls.push_back("SetParagraph");
    run_ = run;
    tagPassLOGFONT logFont{};
    if (run_ && fonts_ && SUCCEEDED(run_->GetLOGFONT(&logFont))) fonts_->GetFontIndirect(&logFont, &font_);
    return S_OK;
}

STDMETHODIMP FakeEffect::ChangeParagraph() {
    log_.calls.push_back("ChangeParagraph");
    return S_OK;
}

STDMETHODIMP FakeEffect::SetFontManager(IFontManager* fonts) {
    log_.calls.push_back("SetFontManager");
    fonts_ = fonts;
    return S_OK;
}

STDMETHODIMP FakeEffect::DrawTextFace(HDC, POINT point) {
    log_.calls.push_back("Draw " + std::to_string(point.x) + "," + std::to_string(point.y));
    return S_OK;
}

STDMETHODIMP FakeEffect::UpdateTextFace(HDC, POINT point) {
    log_.calls.push_back("Update " + std::to_string(point.x) + "," + std::to_string(point.y));
    return S_OK;
}

int FakeEffect::Prefix(int n) const {
    if (!shape_.widths.empty()) return shape_.widths[std::clamp<size_t>(n, 0, shape_.widths.size() - 1)];
    return shape_.margin + n * shape_.charWidth;
}

STDMETHODIMP FakeEffect::GetDrawingArea(SIZE* size) {
    ++log_.areaQueries;
    int length = 0;
    if (run_) run_->Length(&length);
    *size = SIZE{Prefix(length) + shape_.slack, shape_.height};
    return S_OK;
}

STDMETHODIMP FakeEffect::GetWidth(int n, int* width) {
    *width = Prefix(n);
    return S_OK;
}

STDMETHODIMP FakeEffect::Name(short** name) {
    *name = comkit::CopyToTaskMem(shape_.name);
    return S_OK;
}

comkit::ComPtr<IViviFont> StaticSource::Create() { return comkit::ComPtr<IViviFont>(new StaticFont); }

comkit::ComPtr<IViviFont> FakeSource::Create() {
    ++created;
    return comkit::ComPtr<IViviFont>(new FakeEffect(log_, shape));
}

void ModelTest::SetUp() { model::SetDefaultEffectSource(&source_); }

void ModelTest::TearDown() {
    model::SetDefaultEffectSource(nullptr);
    EXPECT_EQ(0, textrun::RunShared::LiveCount()) << "runs outlived the test";
}

std::unique_ptr<model::Paragraph> MakeRun(std::string_view bytes, COLORREF color) {
    auto run = std::make_unique<model::Paragraph>();
    run->SetText(std::string(bytes));
    run->SetColor(color);
    return run;
}

void AddRun(model::Line& line, std::string_view bytes, COLORREF color) { line.AppendRun(MakeRun(bytes, color)); }

std::vector<std::string> RunTexts(const model::Line& line) {
    std::vector<std::string> texts;
    for (size_t i = 0; i < line.RunCount(); ++i) texts.push_back(line.Run(i).Bytes());
    return texts;
}

std::vector<std::string> LineTexts(model::Text& text) {
    std::vector<std::string> lines;
    for (int i = 0; i < text.LineCount(); ++i) {
        std::string bytes;
        text.LineAt(i)->GetText(bytes);
        lines.push_back(bytes);
    }
    return lines;
}

}  // namespace modeltest
