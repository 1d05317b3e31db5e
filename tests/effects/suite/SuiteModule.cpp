#include "tests/effects/suite/SuiteModule.h"

namespace effectsuite {

const contract::ModuleIdentity& SuiteIdentity() { return contract::Identity(SuiteModule()); }

}  // namespace effectsuite
