// Documents appended to viewer executables: the text record after the first
// document marker, to the end of the file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "viewer/model/Text.h"

namespace app {

// The bytes after the first document marker of `image`; none without a
// marker, or when the marker is the last thing in it.
std::optional<std::span<const std::uint8_t>> AppendedDocument(std::span<const std::uint8_t> image,
                                                              std::string_view marker);

// Writes the document appended to the viewer executable `source` to the new
// file `destination`. False when there is none or it cannot be copied; a
// source that cannot be opened and a destination that cannot be written are
// told to the user.
bool ExtractAppendedDocument(const std::string& source, const std::string& destination);

// Reads the document appended to the viewer executable `path` into `text`,
// through a temporary copy that is deleted on every way out. False when the
// executable carries no document, when what it carries is not a text record,
// and when the record breaks off (the user is told why, and `text` keeps
// what it had).
bool ReadDocumentFromViewer(const std::string& path, model::Text& text);

}  // namespace app
