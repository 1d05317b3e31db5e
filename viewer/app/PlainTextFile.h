// The text, or a range of it, saved as plain text: the runs' bytes, each line
// feed stored as a carriage return and a line feed (a text-mode file).
#pragma once

#include <optional>
#include <string>

#include "viewer/model/Text.h"
#include "viewer/model/TextPos.h"

namespace app {

struct TextRange {
    model::TextPos first;
    model::TextPos last;  // not before `first`
};

// Creates `path` (an existing file is truncated) and writes the whole text,
// or `range` when given. A file that cannot be created or written is told to
// the user with the standard messages; false then.
bool SavePlainText(const std::string& path, model::Text& text, const std::optional<TextRange>& range);

}  // namespace app
