#include "tests/support/FakeEffect.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "comkit/Make.h"
#include "comkit/TaskMem.h"
#include "winkit/AnsiText.h"
#include "winkit/GdiHandles.h"

namespace testsupport {
namespace {

std::string Point(POINT at) { return std::to_string(at.x) + "," + std::to_string(at.y); }

std::string CallOf(const std::string& line) { return line.substr(0, line.find(' ')); }

std::string Utf8(std::wstring_view text) { return winkit::ToAnsi(text, CP_UTF8); }

}  // namespace

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    char pair[3];
    for (std::uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

void FakeEffectLog::Write(int, const std::string& line) { lines.push_back(line); }

std::vector<std::string> FakeEffectLog::Lines(std::initializer_list<std::string_view> calls) const {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (std::find(calls.begin(), calls.end(), CallOf(line)) != calls.end()) found.push_back(line);
    return found;
}

std::vector<std::string> FakeEffectLog::Take(std::initializer_list<std::string_view> calls) {
    std::vector<std::string> found = Lines(calls);
    lines.clear();
    return found;
}

std::vector<std::string> FakeEffectLog::Calls() const {
    std::vector<std::string> calls;
    for (const std::string& line : lines) calls.push_back(CallOf(line));
    return calls;
}

int FakeEffectLog::Count(std::string_view call) const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return CallOf(line) == call;
    }));
}

FakeEffect::FakeEffect(std::shared_ptr<FakeEffectLog> log, FakeEffectOptions options)
    : log_(std::move(log)), options_(std::move(options)), instance_(++log_->instances) {
    ++log_->alive;
    Log("Created");
}

FakeEffect::~FakeEffect() {
    --log_->alive;
    if (font_ && GetObjectType(font_) == 0) ++log_->outlivedFont;
    Log("Released");
}

void FakeEffect::Log(std::string_view call, const std::string& detail) const {
    if (log_->quiet) return;
    std::string line(call);
    if (!options_.tag.empty()) line += " " + options_.tag;
    if (!detail.empty()) line += " " + detail;
    log_->Write(instance_, line);
}

STDMETHODIMP FakeEffect::QueryInterface(REFIID iid, void** out) {
    if (!options_.settings && IsEqualIID(iid, IID_IViviFontProperty)) {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    return ComObject::QueryInterface(iid, out);
}

STDMETHODIMP FakeEffect::Clone(IViviFont** clone) {
    *clone = nullptr;
    Log("Clone");
    if (log_->cloneFails) return E_FAIL;
    auto copy = comkit::Make<FakeEffect>(log_, options_);
    if (!copy) return E_OUTOFMEMORY;
    *clone = copy.detach();
    return S_OK;
}

STDMETHODIMP FakeEffect::SetParagraph(IParagraphAccess* run) {
    run_ = run;
    Log("SetParagraph");
    tagPassLOGFONT logFont{};
    if (options_.takesFont && run_ && fonts_ && SUCCEEDED(run_->GetLOGFONT(&logFont)))
        fonts_->GetFontIndirect(&logFont, &font_);
    return S_OK;
}

STDMETHODIMP FakeEffect::ChangeParagraph() {
    if (!log_->quiet) Log("ChangeParagraph", RunRead());
    return S_OK;
}

// The run as an effect reads it: text, pixel height, face and colours.
std::string FakeEffect::RunRead() const {
    if (!run_) return "without run";
    comkit::TaskMemString text;
    run_->GetString(text.put());
    tagPassLOGFONT font{};
    run_->GetLOGFONT(&font);
    unsigned long colour = 0, background = 0;
    run_->GetColor(&colour);
    run_->GetBkColor(&background);
    char detail[512];
    std::snprintf(detail, sizeof detail, "text=%s height=%ld face=%s color=%06lx bk=%06lx",
                  Utf8(text.view()).c_str(), font.lfHeight, Utf8(winkit::ToWide(font.lfFaceName, 932)).c_str(),
                  colour, background);
    return detail;
}

STDMETHODIMP FakeEffect::SetFontManager(IFontManager* fonts) {
    fonts_ = fonts;
    Log("SetFontManager", fonts ? "" : "null");
    return S_OK;
}

STDMETHODIMP FakeEffect::DrawTextFace(HDC dc, POINT at) {
    activated_ = true;
    Paint(dc, at);
    Log("DrawTextFace", Point(at));
    return S_OK;
}

STDMETHODIMP FakeEffect::UpdateTextFace(HDC dc, POINT at) {
    activated_ = true;
    Paint(dc, at);
    Log("UpdateTextFace", Point(at));
    return S_OK;
}

int FakeEffect::Prefix(int n) const {
    if (!options_.widths.empty()) return options_.widths[std::clamp<size_t>(n, 0, options_.widths.size() - 1)];
    return options_.margin + n * options_.charWidth;
}

SIZE FakeEffect::Area() {
    if (options_.area) return *options_.area;
    int length = 0;
    if (run_) run_->Length(&length);
    return SIZE{Prefix(length) + options_.slack, options_.height};
}

void FakeEffect::Paint(HDC dc, POINT at) {
    if (!options_.paints) return;
    unsigned long colour = 0;
    if (run_) run_->GetColor(&colour);
    const SIZE area = Area();
    const RECT rect{at.x, at.y, at.x + area.cx, at.y + area.cy};
    const winkit::Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

STDMETHODIMP FakeEffect::GetDrawingArea(SIZE* size) {
    ++log_->areaQueries;
    *size = Area();
    return S_OK;
}

STDMETHODIMP FakeEffect::GetWidth(int n, int* width) {
    *width = Prefix(n);
    return S_OK;
}

STDMETHODIMP FakeEffect::MouseEnter() {
    Log("MouseEnter");
    return S_OK;
}

STDMETHODIMP FakeEffect::MouseLeave() {
    Log("MouseLeave");
    return S_OK;
}

STDMETHODIMP FakeEffect::OnMouseMove(POINT at) {
    Log("OnMouseMove", Point(at));
    return S_OK;
}

STDMETHODIMP FakeEffect::OnButtonDown(POINT at) {
    Log("OnButtonDown", Point(at));
    return S_OK;
}

STDMETHODIMP FakeEffect::Version(int* version) {
    *version = 1;
    return S_OK;
}

STDMETHODIMP FakeEffect::Name(short** name) {
    *name = comkit::CopyToTaskMem(options_.name);
    return *name ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP FakeEffect::Description(short** text) { return Name(text); }
STDMETHODIMP FakeEffect::Author(short** text) { return Name(text); }

STDMETHODIMP FakeEffect::Icon(HICON* icon) {
    *icon = nullptr;
    return S_OK;
}

STDMETHODIMP FakeEffect::GetCLSID(CLSID* clsid) {
    if (!options_.clsid) return E_NOTIMPL;
    *clsid = *options_.clsid;
    return S_OK;
}

STDMETHODIMP FakeEffect::SaveProperty(tagPersistMemory** record) {
    *record = nullptr;
    using Save = FakeEffectLog::Save;
    if (log_->save == Save::Fails) return E_FAIL;
    if (log_->save == Save::NoRecord) return S_OK;
    const std::vector<std::uint8_t>& payload = log_->payload;
    auto* saved = static_cast<tagPersistMemory*>(CoTaskMemAlloc(payload.size() + contract::kRecordOverhead));
    if (!saved) return E_OUTOFMEMORY;
    saved->nSize = static_cast<long>(payload.size());
    saved->nVersion = contract::kPersistMemoryVersion;
    if (!payload.empty()) std::memcpy(saved->pData, payload.data(), payload.size());
    // A size the block does not hold: a reader of it would run past it.
    if (log_->save == Save::Oversized) saved->nSize += 4096;
    *record = saved;
    return S_OK;
}

STDMETHODIMP FakeEffect::LoadProperty(tagPersistMemory* record) {
    char header[64];
    std::snprintf(header, sizeof header, "size=%ld version=%ld data=", record->nSize, record->nVersion);
    Log("LoadProperty", header + Hex({record->pData, static_cast<std::size_t>(record->nSize)}));
    return S_OK;
}

STDMETHODIMP FakeEffect::OpenPropertyDlg(HWND) { return E_NOTIMPL; }

STDMETHODIMP FakeEffect::Activate() {
    activated_ = true;
    return S_OK;
}

STDMETHODIMP FakeEffect::Deactivate() {
    activated_ = false;
    Log("Deactivate");
    return S_OK;
}

STDMETHODIMP FakeEffect::IsActivated(char* activated) {
    *activated = activated_ ? 1 : 0;
    return S_OK;
}

}  // namespace testsupport
