#include "tests/webcontrol/spy/SpyFont.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "comkit/TaskMem.h"
#include "winkit/AnsiText.h"

namespace spy {
namespace {

// {5F1E7A10-3C2B-4D7E-9A61-0B2C3D4E5F60}
constexpr CLSID kClassId = {0x5F1E7A10, 0x3C2B, 0x4D7E, {0x9A, 0x61, 0x0B, 0x2C, 0x3D, 0x4E, 0x5F, 0x60}};
int g_instances = 0;

std::string Utf8(std::wstring_view text) { return winkit::ToAnsi(text, CP_UTF8); }

}  // namespace

const CLSID& SpyFont::ClassId() { return kClassId; }

SpyFont::SpyFont() : instance_(++g_instances) { Log("Created"); }
SpyFont::~SpyFont() { Log("Released"); }

void SpyFont::Log(const char* format, ...) const {
    char path[MAX_PATH];
    if (!GetEnvironmentVariableA("NETRUNE_SPY_LOG", path, MAX_PATH)) return;
    char line[1024];
    int length = std::snprintf(line, sizeof line, "#%d ", instance_);
    va_list arguments;
    va_start(arguments, format);
    length += std::vsnprintf(line + length, sizeof line - length - 1, format, arguments);
    va_end(arguments);
    if (length > static_cast<int>(sizeof line) - 2) length = sizeof line - 2;
    line[length++] = '\n';
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, length, &written, nullptr);
    CloseHandle(file);
}

void SpyFont::Fill(HDC dc, POINT at) const {
    unsigned long colour = 0;
    if (run_) run_->GetColor(&colour);
    const RECT area{at.x, at.y, at.x + kArea.cx, at.y + kArea.cy};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

STDMETHODIMP SpyFont::Clone(IViviFont** clone) {
    auto* copy = new SpyFont;
    copy->AddRef();
    *clone = copy;
    return S_OK;
}

STDMETHODIMP SpyFont::SetParagraph(IParagraphAccess* run) {
    run_ = run;
    Log("SetParagraph");
    return S_OK;
}

// The run as the effect reads it: text, pixel size, face and colours.
STDMETHODIMP SpyFont::ChangeParagraph() {
    if (!run_) {
        Log("ChangeParagraph without run");
        return S_OK;
    }
    comkit::TaskMemString text;
    run_->GetString(text.put());
    tagPassLOGFONT font{};
    run_->GetLOGFONT(&font);
    unsigned long colour = 0, background = 0;
    run_->GetColor(&colour);
    run_->GetBkColor(&background);
    Log("ChangeParagraph text=%s height=%ld face=%s color=%06lx bk=%06lx", Utf8(text.view()).c_str(), font.lfHeight,
        Utf8(winkit::ToWide(font.lfFaceName, 932)).c_str(), colour, background);
    return S_OK;
}

STDMETHODIMP SpyFont::SetFontManager(IFontManager* fonts) {
    Log(fonts ? "SetFontManager" : "SetFontManager null");
    return S_OK;
}

STDMETHODIMP SpyFont::DrawTextFace(HDC dc, POINT at) {
    Fill(dc, at);
    Log("DrawTextFace %ld %ld", at.x, at.y);
    return S_OK;
}

STDMETHODIMP SpyFont::UpdateTextFace(HDC dc, POINT at) {
    Fill(dc, at);
    Log("UpdateTextFace");
    return S_OK;
}

STDMETHODIMP SpyFont::GetDrawingArea(SIZE* size) {
    *size = kArea;
    return S_OK;
}

STDMETHODIMP SpyFont::GetWidth(int, int* width) {
    *width = kArea.cx;
    return S_OK;
}

STDMETHODIMP SpyFont::MouseEnter() {
    Log("MouseEnter");
    return S_OK;
}

STDMETHODIMP SpyFont::MouseLeave() {
    Log("MouseLeave");
    return S_OK;
}

STDMETHODIMP SpyFont::OnMouseMove(POINT at) {
    Log("OnMouseMove %ld %ld", at.x, at.y);
    return S_OK;
}

STDMETHODIMP SpyFont::OnButtonDown(POINT at) {
    Log("OnButtonDown %ld %ld", at.x, at.y);
    return S_OK;
}

STDMETHODIMP SpyFont::Version(int* version) {
    *version = 1;
    return S_OK;
}

STDMETHODIMP SpyFont::Name(short** name) {
    *name = comkit::CopyToTaskMem(L"Spy");
    return S_OK;
}

STDMETHODIMP SpyFont::Description(short** text) { return Name(text); }
STDMETHODIMP SpyFont::Author(short** text) { return Name(text); }

STDMETHODIMP SpyFont::Icon(HICON* icon) {
    *icon = nullptr;
    return S_OK;
}

STDMETHODIMP SpyFont::GetCLSID(CLSID* clsid) {
    *clsid = kClassId;
    return S_OK;
}

STDMETHODIMP SpyFont::SaveProperty(tagPersistMemory** record) {
    *record = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP SpyFont::LoadProperty(tagPersistMemory* record) {
    std::string payload;
    char hex[3];
    for (long i = 0; i < record->nSize; ++i) {
        std::snprintf(hex, sizeof hex, "%02x", record->pData[i]);
        payload += hex;
    }
    Log("LoadProperty size=%ld version=%ld data=%s", record->nSize, record->nVersion, payload.c_str());
    return S_OK;
}

STDMETHODIMP SpyFont::OpenPropertyDlg(HWND) { return E_NOTIMPL; }

}  // namespace spy
