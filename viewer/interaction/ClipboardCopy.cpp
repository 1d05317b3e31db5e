#include "viewer/interaction/ClipboardCopy.h"

#include <cstdint>
#include <new>

#include "appkit/archive/MemoryArchive.h"
#include "comkit/Make.h"
#include "viewer/interaction/ClipboardData.h"
#include "viewer/model/RecordHost.h"

namespace interaction {
namespace {

constexpr char kPrivateFormatName[] = "OndelleWriter ver1.0";

// Storing a record asks its host for nothing.
class StoringHost final : public model::RecordHost {
public:
    IViviFont* FindEffectByClsid(const CLSID&) override { return nullptr; }
    void ShowMessage(const std::wstring&, UINT) override {}
};

std::span<const std::uint8_t> BytesOf(const std::uint32_t& word) {
    return {reinterpret_cast<const std::uint8_t*>(&word), sizeof word};
}

}  // namespace

UINT PrivateClipboardFormat() {
    static const UINT format = RegisterClipboardFormatA(kPrivateFormatName);
    return format;
}

winkit::GlobalBlock RenderPlainText(const model::Text& text, model::TextPos start, model::TextPos end) {
    appkit::MemoryArchive archive;
    text.WritePlainRange(archive, start, end);
    archive.WriteByte(0);
    archive.Flush();
    return FilledBlock(GMEM_MOVEABLE | GMEM_SHARE, {}, archive.Bytes());
}

winkit::GlobalBlock RenderPrivateFormat(model::Text& text, model::TextPos start, model::TextPos end) {
    appkit::MemoryArchive archive;
    StoringHost host;
    text.Serialize(archive, host, start, end);
    archive.Flush();
    // Little-endian on every Windows target.
    const std::uint32_t length = static_cast<std::uint32_t>(archive.Bytes().size());
    return FilledBlock(GMEM_SHARE, BytesOf(length), archive.Bytes());
}

bool CopyToClipboard(model::Text& text, model::TextPos start, model::TextPos end) {
    if (text.LineCount() == 0 || start == end || !model::Ordered(start, end)) return false;
    const UINT format = PrivateClipboardFormat();
    comkit::ComPtr<ClipboardData> data;
    try {
        winkit::GlobalBlock plain = RenderPlainText(text, start, end);
        if (!plain) return false;
        winkit::GlobalBlock record = RenderPrivateFormat(text, start, end);
        data = comkit::Make<ClipboardData>();
        if (!data) return false;
        data->Add(CF_TEXT, std::move(plain));
        if (record && format != 0) data->Add(static_cast<CLIPFORMAT>(format), std::move(record));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const appkit::ArchiveError&) {
        return false;
    }
    if (FAILED(OleSetClipboard(data.get()))) return false;
    // Renders every format onto the clipboard and lets the data object go.
    return SUCCEEDED(OleFlushClipboard());
}

}  // namespace interaction
