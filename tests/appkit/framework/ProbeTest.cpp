#include "tests/appkit/framework/ProbeTest.h"

#include <windows.h>

#include "tests/appkit/framework/ProbeApp.h"

namespace probe {
namespace {

// Handles what is pending (a paint stays pending until it is handled) and
// drops a quit message.
void DrainQueue() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

void ProbeTest::SetUp() {
    Events().clear();
    DrainQueue();
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + ProbeApp::kCompany).c_str());
}

void ProbeTest::TearDown() {
    DrainQueue();
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + ProbeApp::kCompany).c_str());
}

}  // namespace probe
