// The spy effect's log as the tests read it, and the spy class made
// creatable in this process without touching the registry.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/ScratchFile.h"

namespace webtest {

// Points NETRUNE_SPY_LOG at a fresh file for the scope.
class SpyLog {
public:
    SpyLog();
    ~SpyLog();
    SpyLog(const SpyLog&) = delete;
    SpyLog& operator=(const SpyLog&) = delete;

    // Every line as written: "#<instance> <call> ...".
    std::vector<std::string> Lines() const;
    // Lines whose call is one of the names, in order.
    std::vector<std::string> Calls(const std::vector<std::string>& names) const;
    int Count(const std::string& call) const;
    void Clear();

private:
    testsupport::ScratchFile file_;
};

// The spy's class object, registered for this process while in scope.
class SpyClass {
public:
    SpyClass();
    ~SpyClass();
    SpyClass(const SpyClass&) = delete;
    SpyClass& operator=(const SpyClass&) = delete;
    static std::wstring Text();

private:
    DWORD cookie_ = 0;
};

}  // namespace webtest
