// Data appended to a viewer executable after its own bytes: effect modules
// and one document, each found by its marker (Markers.h).
//
//   effect entry: effect marker, the class identifier as 38 characters of
//                 registry text, NUL, the module's bytes up to the next
//                 effect marker or the end
//   document:     document marker, then one text record to the end
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace core {

// Offset of the first occurrence of `pattern` that lies wholly inside
// `buffer`; none for an empty buffer or an empty pattern.
std::optional<std::size_t> FindBytes(std::span<const std::uint8_t> buffer, std::string_view pattern);

struct AppendedEffect {
    CLSID clsid;
    std::span<const std::uint8_t> module;
};

struct AppendedData {
    std::vector<AppendedEffect> effects;  // in the order they appear
    // The bytes after the first document marker, empty when the marker ends
    // the buffer; none without a marker.
    std::optional<std::span<const std::uint8_t>> document;
};

// Splits `image` (a whole executable) into its appended pieces; the spans
// point into `image`. Nothing outside `image` is read. An entry whose class
// identifier does not parse or whose module has no bytes is left out, and an
// entry cut short by the end of the buffer ends the scan.
AppendedData ScanAppendedData(std::span<const std::uint8_t> image, std::string_view effectMarker,
                              std::string_view documentMarker);

}  // namespace core
