// What both halves of the shared suite know of the module under test,
// supplied by its generated entry (ModuleEntry.cpp.in, SuiteEntry.cpp.in).
#pragma once

#include "contract/contract.h"
#include "contract/module_identity.h"

namespace effectsuite {

contract::Module SuiteModule();
// The module file as built (a Unix path).
const char* ModuleFile();

const contract::ModuleIdentity& SuiteIdentity();

}  // namespace effectsuite
