#include "bench/BenchRuns.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

namespace bench {

namespace {
constexpr wchar_t kTwenty[] = L"Quillon雨の文字列テスト12AB!";
}  // namespace

RunSize StandardRun() { return {"standard", 36, kTwenty}; }

RunSize LargeRun() { return {"large", 96, std::wstring(kTwenty) + kTwenty}; }

std::wstring DefaultModulesFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + L"..\\modules";
}

std::wstring ModulePath(const std::wstring& folder, const contract::ModuleIdentity& identity) {
    const std::string_view word(identity.word);
    return folder + L"\\" + std::wstring(word.begin(), word.end()) + L".dll";
}

std::vector<contract::ModuleIdentity> ModulesStaticFirst() {
    std::vector<contract::ModuleIdentity> modules(contract::AllModules().begin(), contract::AllModules().end());
    std::stable_partition(modules.begin(), modules.end(),
                          [](const contract::ModuleIdentity& m) { return std::string_view(m.word) == "Static"; });
    return modules;
}

BoundRun::BoundRun(IViviFont* effect, const RunSize& size) : effect_(effect), run_(size) {
    // The hosts' order: the font cache before the run.
    effect_->SetFontManager(&fonts_);
    effect_->SetParagraph(&run_);
}

BoundRun::~BoundRun() { effect_->SetParagraph(nullptr); }

SIZE BoundRun::Area() const {
    SIZE area{};
    effect_->GetDrawingArea(&area);
    return area;
}

}  // namespace bench
