#include "tests/viewer/app/InstallTestSupport.h"

#include <objbase.h>

#include "contract/module_identity.h"
#include "tests/support/System.h"
#include "tests/support/WinePath.h"
#include "winkit/AnsiText.h"

namespace apptest {
std::string WindowsPath(const char* unixPath) { return winkit::ToAnsi(testsupport::WindowsPath(unixPath)); }
std::string QuillonPath() { return WindowsPath(QUILLON_PATH); }
std::string StaticModulePath() { return WindowsPath(STATIC_MODULE_PATH); }
std::string RainModulePath() { return WindowsPath(RAIN_MODULE_PATH); }

const CLSID& StaticClsid() { return contract::Identity(contract::Module::Static).clsid; }
const CLSID& RainClsid() { return contract::Identity(contract::Module::Rain).clsid; }

int Regsvr32(const std::string& module, bool unregister) {
    return testsupport::Regsvr32(winkit::ToWide(module), unregister);
}

std::optional<std::string> RegisteredServer(const CLSID& clsid) {
    const auto server = testsupport::RegisteredServer(clsid);
    if (!server) return std::nullopt;
    return winkit::ToAnsi(*server);
}

std::string EffectEntry(const std::string& marker, const CLSID& clsid, const std::string& module) {
    return marker + winkit::ToAnsi(testsupport::ClsidText(clsid)) + std::string(1, '\0') + module;
}

void RegistryTest::SetUp() {
    Regsvr32(StaticModulePath(), true);
    Regsvr32(RainModulePath(), true);
    ASSERT_FALSE(RegisteredServer(StaticClsid()));
    ASSERT_FALSE(RegisteredServer(RainClsid()));
}

void RegistryTest::TearDown() {
    Regsvr32(StaticModulePath(), true);
    Regsvr32(RainModulePath(), true);
}

}  // namespace apptest
