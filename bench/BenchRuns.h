// What both modes of the frame benchmark share: the runs they drive an
// effect on, the module folder beside the program, and the modules in the
// order they are reported (Static first).
#pragma once

#include <string>
#include <vector>

#include "contract/contract.h"
#include "bench/BenchParagraph.h"
#include "bench/RunSize.h"
#include "contract/module_identity.h"
#include "textrun/FontManager.h"

namespace bench {

// ..\modules beside this program.
std::wstring DefaultModulesFolder();
// A module's file in a folder.
std::wstring ModulePath(const std::wstring& folder, const contract::ModuleIdentity& identity);

// Every module, Static first.
std::vector<contract::ModuleIdentity> ModulesStaticFirst();

// A run of the benchmark and the product's font cache with an effect bound to
// them; the effect is unbound again before they go.
class BoundRun {
public:
    BoundRun(IViviFont* effect, const RunSize& size);
    BoundRun(const BoundRun&) = delete;
    BoundRun& operator=(const BoundRun&) = delete;
    ~BoundRun();

    // The effect's drawing area on this run.
    SIZE Area() const;

private:
    IViviFont* effect_;
    textrun::FontManager fonts_;
    BenchParagraph run_;
};

}  // namespace bench
