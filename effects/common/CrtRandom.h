// The C runtime's rand() arithmetic in a generator of the module's own: the
// effects keep the runtime's sequence and its time seeding, while seeding it
// never reseeds the host process's generator.
#pragma once

#include <cstdint>

namespace palette {

class CrtRandom {
public:
    static constexpr int kMax = 32767;

    void Seed(std::uint32_t seed) { state_ = seed; }
    // srand(time(NULL)).
    void SeedWithClock();
    // 0 .. kMax.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_ = 1;
};

// The generator of this module, shared by its objects.
CrtRandom& ModuleRandom();

}  // namespace palette
