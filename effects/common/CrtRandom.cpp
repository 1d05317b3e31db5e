#include "effects/common/CrtRandom.h"

#include <ctime>

namespace palette {

void CrtRandom::SeedWithClock() { Seed(static_cast<std::uint32_t>(std::time(nullptr))); }

CrtRandom& ModuleRandom() {
    static CrtRandom generator;
    return generator;
}

}  // namespace palette
