#include "tests/webcontrol/SpyLog.h"

#include <cstdio>
#include <fstream>
#include <map>

#include "comkit/ClassFactory.h"
#include "tests/webcontrol/spy/SpyFont.h"

namespace webtest {

SpyLog::SpyLog() { SetEnvironmentVariableA("NETRUNE_SPY_LOG", file_.path().c_str()); }

SpyLog::~SpyLog() { SetEnvironmentVariableA("NETRUNE_SPY_LOG", nullptr); }

// Instances are numbered by their first line in this log, from #1, whatever
// the process made before.
std::vector<std::string> SpyLog::Lines() const {
    std::vector<std::string> lines;
    std::map<std::string, int> numbers;
    std::ifstream in(file_.path(), std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        const std::size_t space = line.find(' ');
        const std::string instance = line.substr(0, space);
        const int number = numbers.emplace(instance, static_cast<int>(numbers.size()) + 1).first->second;
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "#%d", number);
        lines.push_back(prefix + line.substr(space));
    }
    return lines;
}

std::vector<std::string> SpyLog::Calls(const std::vector<std::string>& names) const {
    std::vector<std::string> calls;
    for (const std::string& line : Lines()) {
        const std::size_t space = line.find(' ');
        if (space == std::string::npos) continue;
        const std::string call = line.substr(space + 1, line.find(' ', space + 1) - space - 1);
        for (const std::string& name : names)
            if (call == name) calls.push_back(line);
    }
    return calls;
}

int SpyLog::Count(const std::string& call) const { return static_cast<int>(Calls({call}).size()); }

void SpyLog::Clear() { DeleteFileA(file_.path().c_str()); }

SpyClass::SpyClass() {
    IClassFactory* factory = nullptr;
    comkit::GetClassObject<spy::SpyFont>(spy::SpyFont::ClassId(), IID_IClassFactory, reinterpret_cast<void**>(&factory));
    CoRegisterClassObject(spy::SpyFont::ClassId(), factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
    factory->Release();
}

SpyClass::~SpyClass() { CoRevokeClassObject(cookie_); }

std::wstring SpyClass::Text() {
    wchar_t text[40];
    StringFromGUID2(spy::SpyFont::ClassId(), text, 40);
    return text;
}

}  // namespace webtest
