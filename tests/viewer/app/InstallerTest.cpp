// The effect modules the viewer brings: the Static module carried in
// Quillon.exe and modules appended to an executable, written out, registered
// for the process's lifetime and removed again, leaving other programs'
// registrations alone.
#include <gtest/gtest.h>

#include "tests/viewer/app/AppTestSupport.h"
#include "tests/viewer/app/FailingRegistration.h"
#include "tests/viewer/app/InstallTestSupport.h"
#include "viewer/app/EffectInstaller.h"
#include "viewer/core/Markers.h"

namespace apptest {
namespace {

using app::EffectInstaller;

// Quillon.exe loaded for its resources only.
class ProgramResources {
public:
    ProgramResources() : module_(LoadLibraryExA(QuillonPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;
    ~ProgramResources() {
        if (module_) FreeLibrary(module_);
    }
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Installer : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        ASSERT_NE(nullptr, resources.get());
    }

    // An executable of a few bytes with `appended` after them.
    std::string Executable(const std::string& appended) {
        executable = std::make_unique<ScratchFile>(std::string("MZ program", 10) + appended);
        return executable->path();
    }
    std::string EffectMarker() const { return core::EffectMarker(resources.get()); }

    ProgramResources resources;
    std::unique_ptr<ScratchFile> executable;
};

TEST_F(Installer, TheCarriedStaticModuleLivesExactlyAsLongAsTheInstallation) {
    EffectInstaller installer;
    installer.InstallResourceEffect(resources.get());
    installer.InstallAppendedEffects(Executable(""), resources.get());
    ASSERT_EQ(1u, installer.Modules().size());
    const std::string path = installer.Modules()[0].path;
    EXPECT_EQ(ReadFileBytes(StaticModulePath()), ReadFileBytes(path));
    EXPECT_EQ(path, RegisteredServer(StaticClsid()));
    EXPECT_TRUE(app::IsClassRegistered(StaticClsid()));

    installer.UninstallEffects();
    EXPECT_FALSE(RegisteredServer(StaticClsid()));
    EXPECT_FALSE(Exists(path));
}

TEST_F(Installer, AClassRegisteredBeforeIsUsedAsItIs) {
    ASSERT_EQ(0, Regsvr32(StaticModulePath()));
    ASSERT_EQ(0, Regsvr32(RainModulePath()));
    const std::set<std::string> before = TempFiles("ZEQ");
    EffectInstaller installer;
    installer.InstallResourceEffect(resources.get());
    installer.InstallAppendedEffects(
        Executable(EffectEntry(EffectMarker(), RainClsid(), ReadFileBytes(RainModulePath()))), resources.get());
    EXPECT_TRUE(installer.Modules().empty());
    EXPECT_EQ(before, TempFiles("ZEQ"));

    installer.UninstallEffects();
    EXPECT_EQ(StaticModulePath(), RegisteredServer(StaticClsid()));
    EXPECT_EQ(RainModulePath(), RegisteredServer(RainClsid()));
}

TEST_F(Installer, AppendedModulesAreRegisteredInTurnAndAJunkModuleIsNot) {
    const CLSID junk = {0x0BADF00D, 0x2222, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x02}};
    const std::string rain = ReadFileBytes(RainModulePath());
    EffectInstaller installer;
    installer.InstallResourceEffect(resources.get());
    installer.InstallAppendedEffects(Executable(EffectEntry(EffectMarker(), RainClsid(), rain) +
                                                EffectEntry(EffectMarker(), junk, "not a module")),
                                     resources.get());
    ASSERT_EQ(3u, installer.Modules().size());
    const std::vector<EffectInstaller::Module> modules = installer.Modules();
    EXPECT_EQ(modules[0].path, RegisteredServer(StaticClsid()));  // Static, first
    EXPECT_EQ(rain, ReadFileBytes(modules[1].path));
    EXPECT_EQ(modules[1].path, RegisteredServer(RainClsid()));
    EXPECT_FALSE(RegisteredServer(junk));

    installer.UninstallEffects();
    EXPECT_FALSE(RegisteredServer(RainClsid()));
    EXPECT_FALSE(RegisteredServer(StaticClsid()));
    for (const auto& module : modules) EXPECT_FALSE(Exists(module.path)) << module.path;
}

TEST_F(Installer, AnExecutableThatCannotBeReadRegistersNothingButItsFilesStillGo) {
    ScratchFile missing;
    EffectInstaller installer;
    installer.InstallResourceEffect(resources.get());
    installer.InstallAppendedEffects(missing.path(), resources.get());
    ASSERT_EQ(1u, installer.Modules().size());
    const std::string path = installer.Modules()[0].path;
    EXPECT_FALSE(RegisteredServer(StaticClsid()));

    installer.UninstallEffects();
    EXPECT_FALSE(Exists(path));
}

// A module whose DllRegisterServer fails after it wrote its class's keys
// leaves none behind: its file is gone at exit, and no key may name it.
TEST_F(Installer, AModuleWhoseRegistrationFailedHalfWayIsUnregisteredAtExitToo) {
    const std::string failing = ReadFileBytes(WindowsPath(FAILING_REGISTRATION_MODULE_PATH));
    ASSERT_FALSE(failing.empty());
    EffectInstaller installer;
    installer.InstallAppendedEffects(Executable(EffectEntry(EffectMarker(), kFailingRegistrationClsid, failing)),
                                     resources.get());
    ASSERT_EQ(1u, installer.Modules().size());
    const std::string path = installer.Modules()[0].path;
    ASSERT_EQ(path, RegisteredServer(kFailingRegistrationClsid)) << "its registration wrote the keys";

    installer.UninstallEffects();
    EXPECT_FALSE(RegisteredServer(kFailingRegistrationClsid));
    EXPECT_FALSE(Exists(path));
}

TEST_F(Installer, ARegistrationThatAnotherProgramMadeMeanwhileIsKept) {
    EffectInstaller installer;
    installer.InstallAppendedEffects(
        Executable(EffectEntry(EffectMarker(), RainClsid(), ReadFileBytes(RainModulePath()))), resources.get());
    ASSERT_EQ(1u, installer.Modules().size());
    const std::string path = installer.Modules()[0].path;
    ASSERT_EQ(path, RegisteredServer(RainClsid()));

    ASSERT_EQ(0, Regsvr32(RainModulePath()));
    installer.UninstallEffects();
    EXPECT_EQ(RainModulePath(), RegisteredServer(RainClsid()));
    EXPECT_FALSE(Exists(path));
}

TEST(ModuleFile, AModuleThatCannotBeWrittenIsToldAndLeavesNoFile) {
    const std::set<std::string> before = TempFiles("ZEQ");
    MessageLog messages;
    const std::uint8_t bytes[] = {1, 2, 3};
    EXPECT_EQ("", app::WriteTempBinary(bytes, "Z:\\no such folder\\"));
    EXPECT_EQ(std::vector<std::wstring>{L"フォントファイルが出力できませんでした"}, messages.Texts());
    EXPECT_EQ(before, TempFiles("ZEQ"));
}

}  // namespace
}  // namespace apptest
