#include "viewer/core/AppendedData.h"

#include "viewer/core/ClassId.h"

namespace core {

namespace {

constexpr std::size_t kClsidTextLength = 38;

std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Absolute offset of the first `marker` at or after `from`.
std::optional<std::size_t> FindFrom(std::span<const std::uint8_t> image, std::size_t from, std::string_view marker) {
    const auto found = FindBytes(image.subspan(from), marker);
    if (!found) return std::nullopt;
    return from + *found;
}

std::vector<AppendedEffect> ScanEffects(std::span<const std::uint8_t> image, std::string_view marker) {
    std::vector<AppendedEffect> effects;
    auto at = FindFrom(image, 0, marker);
    while (at) {
        const std::size_t text = *at + marker.size();
        if (image.size() - text < kClsidTextLength + 1) break;  // cut short
        const auto clsid = ParseClsid(AsText(image.subspan(text, kClsidTextLength)));
        if (!clsid || image[text + kClsidTextLength] != 0) {
            // Not an entry after all: look for the next marker right behind
            // this one, so a malformed text cannot hide a good entry.
            at = FindFrom(image, text, marker);
            continue;
        }
        const std::size_t module = text + kClsidTextLength + 1;
        at = FindFrom(image, module, marker);
        const std::size_t end = at ? *at : image.size();
        if (end > module) effects.push_back({*clsid, image.subspan(module, end - module)});
    }
    return effects;
}

}  // namespace

std::optional<std::size_t> FindBytes(std::span<const std::uint8_t> buffer, std::string_view pattern) {
    if (buffer.empty() || pattern.empty()) return std::nullopt;
    const std::size_t found = AsText(buffer).find(pattern);
    if (found == std::string_view::npos) return std::nullopt;
    return found;
}

AppendedData ScanAppendedData(std::span<const std::uint8_t> image, std::string_view effectMarker,
                              std::string_view documentMarker) {
    AppendedData data;
    data.effects = ScanEffects(image, effectMarker);
    if (const auto marker = FindBytes(image, documentMarker)) data.document = image.subspan(*marker + documentMarker.size());
    return data;
}

}  // namespace core
