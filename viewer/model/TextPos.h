// A position in a text: a column (characters, a double-byte character
// counting one) on a 0-based line.
#pragma once

#include <cstdint>

namespace model {

// The column callers pass for the end of a line. Any column at or past a
// line's character count means its end.
inline constexpr std::int32_t kEndOfLine = 65535;

struct TextPos {
    std::int32_t column = 0;
    std::int32_t line = 0;

    friend bool operator==(const TextPos&, const TextPos&) = default;
};

// True when `from` is not after `to`: the order every range must have.
constexpr bool Ordered(TextPos from, TextPos to) {
    return from.line < to.line || (from.line == to.line && from.column <= to.column);
}

}  // namespace model
