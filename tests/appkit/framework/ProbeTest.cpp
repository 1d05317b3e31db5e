#include "tests/appkit/framework/ProbeTest.h"

#include <windows.h>

#include <fstream>

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

ScratchFile::ScratchFile() {
    char folder[MAX_PATH];
    char name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "prb", 0, name);
    path_ = name;
    DeleteFileA(name);
}

ScratchFile::ScratchFile(const std::string& bytes) : ScratchFile() {
    std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFile::~ScratchFile() { DeleteFileA(path_.c_str()); }

}  // namespace probe
