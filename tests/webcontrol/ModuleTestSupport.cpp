#include "tests/webcontrol/ModuleTestSupport.h"

#include <objbase.h>

#include <fstream>
#include <iterator>

#include "contract/module_identity.h"
#include "tests/support/System.h"
#include "tests/support/WinePath.h"
#include "tests/webcontrol/TestContainer.h"

namespace webtest {

std::wstring NetruneModule() { return testsupport::WindowsPath(NETRUNE_MODULE_PATH); }
std::wstring RainModule() { return testsupport::WindowsPath(RAIN_MODULE_PATH); }
std::wstring SpyModule() { return testsupport::WindowsPath(SPY_MODULE_PATH); }
const CLSID& RainClsid() { return contract::Identity(contract::Module::Rain).clsid; }

void ForgetClass(const CLSID& clsid) { RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + ClsidText(clsid)).c_str()); }

std::string FileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

Bytes RainRecordWithoutRunColours() {
    constexpr long kRainBlock = 49;
    Bytes payload(kRainBlock, 0);
    payload[36] = 2;    // two black keys in use
    payload[38] = 255;  // at palette positions 0 and 255
    payload[46] = 8;    // decay
    payload[47] = 20;   // drops
    payload[48] = 0;    // the run's colours unused
    return Record(kRainBlock, 2, payload);
}

int WindowCount(IUnknown* control, COLORREF colour) {
    HWND window = nullptr;
    comkit::ComPtr<IUnknown>(control).As<IOleWindow>(IID_IOleWindow)->GetWindow(&window);
    return window ? WindowPixels(window).Count(colour) : -1;
}

bool ShowsRainsOwnBackground(IUnknown* control, COLORREF page) {
    return WindowCount(control, RGB(0, 0, 0)) > kBackgroundShown && WindowCount(control, page) < kBackgroundAbsent;
}

}  // namespace webtest
