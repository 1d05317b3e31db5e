// Puts a replacement into a function slot for one scope and puts the previous
// one back at its end. Prompts that wait for a person (message boxes, file
// dialogs) go through such slots, so that tests can answer them.
#pragma once

#include <functional>
#include <utility>

namespace winkit {

template <class Signature>
class ScopedOverride {
public:
    ScopedOverride(std::function<Signature>& slot, std::function<Signature> replacement)
        : slot_(slot), previous_(std::exchange(slot, std::move(replacement))) {}
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;
    ~ScopedOverride() { slot_ = std::move(previous_); }

private:
    std::function<Signature>& slot_;
    std::function<Signature> previous_;
};

}  // namespace winkit
