#include "viewer/app/EmbeddedDocument.h"

#include <windows.h>

#include <algorithm>

#include "appkit/archive/FileArchive.h"
#include "winkit/FileHandle.h"
#include "appkit/framework/StandardMessages.h"
#include "viewer/app/CatalogueRecordHost.h"
#include "viewer/app/Messages.h"
#include "viewer/app/WholeFile.h"
#include "viewer/core/AppendedData.h"
#include "viewer/core/Markers.h"
#include "viewer/core/TempFile.h"

namespace app {
namespace {

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

}  // namespace

std::optional<std::span<const std::uint8_t>> AppendedDocument(std::span<const std::uint8_t> image,
                                                              std::string_view marker) {
    const auto found = core::FindBytes(image, marker);
    if (!found) return std::nullopt;
    const std::span<const std::uint8_t> document = image.subspan(*found + marker.size());
    if (document.empty()) return std::nullopt;
    return document;
}

bool ExtractAppendedDocument(const std::string& source, const std::string& destination) {
    const WholeFile image = ReadWholeFile(source);
    if (image.status == WholeFile::Status::CannotOpen) {
        ShowMessage(L"ビュワーのオープンに失敗しました\n", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (image.status != WholeFile::Status::Read) return false;
    const auto document = AppendedDocument(image.bytes, core::DocumentMarker(GetModuleHandleW(nullptr)));
    if (!document) return false;

    winkit::FileHandle copy(CreateFileA(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!copy || !WriteAll(copy.get(), *document)) {
        ShowMessage(L"部分保存用ファイルの作成に失敗しました", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    return true;
}

bool ReadDocumentFromViewer(const std::string& path, model::Text& text) {
    core::TempFile copy;
    copy.Create();
    copy.SetDeleteOnDestruction(true);
    if (copy.Path().empty() || !ExtractAppendedDocument(path, copy.Path())) return false;

    winkit::FileHandle file(CreateFileA(copy.Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    try {
        appkit::FileArchive archive(file.get(), appkit::Archive::Mode::Load);
        return text.Serialize(archive, CatalogueRecordHost::Instance());
    } catch (const appkit::ArchiveError& error) {
        appkit::ReportArchiveError(path, error);
        return false;
    }
}

}  // namespace app
