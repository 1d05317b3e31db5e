// What the tests of installed effect modules share: the built program and
// modules, their registration by regsvr32 as another program would make it,
// the registry's answer for a class, and data appended to executables.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace apptest {

// Built files, as Windows paths.
std::string QuillonPath();
std::string StaticModulePath();
std::string RainModulePath();
// A built file's Windows path, in the ANSI code page.
std::string WindowsPath(const char* unixPath);

const CLSID& StaticClsid();
const CLSID& RainClsid();

// testsupport's, for modules and servers named by ANSI paths.
int Regsvr32(const std::string& module, bool unregister = false);
std::optional<std::string> RegisteredServer(const CLSID& clsid);

// An effect entry: the marker, the class as text, NUL, the module's bytes.
std::string EffectEntry(const std::string& marker, const CLSID& clsid, const std::string& module);

// Neither the Static nor the Rain class is registered before and after each test.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace apptest
