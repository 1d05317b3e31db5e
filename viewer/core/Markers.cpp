#include "viewer/core/Markers.h"

#include <string_view>

#include "viewer/core/MarkerIds.h"
#include "winkit/AnsiText.h"

namespace core {

namespace {

std::string LoadPiece(HINSTANCE instance, UINT id) {
    // A zero buffer size asks for a pointer to the resource text itself.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return {};
    return winkit::ToAnsi(std::wstring_view(text, static_cast<std::size_t>(length)));
}

}  // namespace

std::string DocumentMarker(HINSTANCE instance) {
    const std::string tag = LoadPiece(instance, IDS_DOCUMENT_MARKER_TAG);
    const std::string guid = LoadPiece(instance, IDS_DOCUMENT_MARKER_GUID);
    if (tag.empty() || guid.empty()) return {};
    return tag + "(" + guid + ")";
}

std::string EffectMarker(HINSTANCE instance) {
    const std::string guid = LoadPiece(instance, IDS_EFFECT_MARKER_GUID);
    const std::string tag = LoadPiece(instance, IDS_EFFECT_MARKER_TAG);
    if (guid.empty() || tag.empty()) return {};
    return guid + tag;
}

}  // namespace core
