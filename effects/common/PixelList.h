// The offsets of a surface's nonzero pixels (the letters as drawn), for the
// classes whose frames seed or recolour the letters pixel by pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include <windows.h>

namespace palette {

class PixelList {
public:
    // Lists the nonzero pixels in ascending order. False when the list could
    // not be allocated: the list then does not exist.
    bool Build(std::span<const BYTE> pixels);
    void Clear();

    bool Exists() const { return exists_; }
    std::span<const std::uint32_t> Offsets() const { return {offsets_.get(), length_}; }

private:
    std::unique_ptr<std::uint32_t[]> offsets_;
    size_t length_ = 0;
    bool exists_ = false;
};

// Tells the user that a run's effect will move incompletely for want of
// memory: a warning box captioned with the effect's display name.
void ShowMemoryWarning(const wchar_t* displayName);

}  // namespace palette
