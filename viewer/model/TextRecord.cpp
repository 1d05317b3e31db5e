// The text record: a leading 0, the magic as a counted string, the version,
// a reserved word, from version 3 on the background colour, the line block
// (line count, each line's run list, a trailing word: 1 after a whole text,
// 0 after a range, whose last line is then open) and the end marker as a
// counted string. Writers always write version 3.
#include <cstdint>
#include <utility>
#include <vector>

#include "appkit/archive/Archive.h"
#include "viewer/model/RecordCount.h"
#include "viewer/model/RecordHost.h"
#include "viewer/model/Spans.h"
#include "viewer/model/Text.h"

namespace model {
namespace {

constexpr char kMagic[] = "Ondelle-Writer TEXT";
constexpr char kEndMarker[] = "{74246CC0-5D40-11d2-B8E1-00A0C96EED8B}";
constexpr std::int32_t kWrittenVersion = 3;
constexpr std::int32_t kFirstVersionWithBkColor = 3;
constexpr std::uint32_t kWholeText = 1;
constexpr std::uint32_t kRange = 0;
// A line of a record is at least its run count.
constexpr std::uint32_t kLeastLineBytes = 4;

constexpr UINT kMessageStyle = MB_OK | MB_ICONEXCLAMATION;
constexpr wchar_t kNotARecord[] =
    L"このバイナリファイルはOndelleライター文書ではありません\n"
    L"読み込みを中止します\n";
constexpr wchar_t kNotReadToTheEnd[] = L"Ondelle文章が正しく最後まで読み込めませんでした\n";

void WriteLineBlock(appkit::Archive& archive, const Text& text, const std::vector<LineSpan>& spans,
                    std::uint32_t trailing) {
    archive.WriteLong(static_cast<std::int32_t>(spans.size()));
    for (const LineSpan& span : spans) text.LineAt(span.line)->StoreRuns(archive, span.from, span.to);
    archive.WriteDword(trailing);
}

template <class WriteBlock>
void WriteRecord(appkit::Archive& archive, COLORREF bkColor, WriteBlock writeBlock) {
    archive.WriteByte(0);
    archive.WriteString(kMagic);
    archive.WriteLong(kWrittenVersion);
    archive.WriteDword(0);  // reserved
    archive.WriteDword(bkColor);
    writeBlock();
    archive.WriteString(kEndMarker);
}

}  // namespace

bool Text::Serialize(appkit::Archive& archive, RecordHost& host) {
    if (archive.IsStoring()) {
        WriteRecord(archive, m_bkColor, [&] { StoreLines(archive); });
        return true;
    }
    // Not consumed: a caller that gets false reads the same bytes another way.
    if (archive.PeekByte() != 0) return false;
    archive.ReadByte();
    if (archive.ReadString() != kMagic) {
        host.ShowMessage(kNotARecord, kMessageStyle);
        return true;
    }
    const std::int32_t version = archive.ReadLong();
    archive.ReadDword();  // reserved
    if (version >= kFirstVersionWithBkColor) m_bkColor = archive.ReadDword();
    LoadLines(archive, version, host);
    if (archive.ReadString() != kEndMarker) host.ShowMessage(kNotReadToTheEnd, kMessageStyle);
    return true;
}

bool Text::Serialize(appkit::Archive& archive, RecordHost& host, TextPos first, TextPos last) {
    if (!archive.IsStoring()) return Serialize(archive, host);
    WriteRecord(archive, m_bkColor, [&] { StoreRange(archive, first, last); });
    return true;
}

void Text::StoreLines(appkit::Archive& archive) const {
    WriteLineBlock(archive, *this, SpanAllLines(*this), kWholeText);
}

void Text::StoreRange(appkit::Archive& archive, TextPos first, TextPos last) const {
    WriteLineBlock(archive, *this, SpanLines(*this, first, last), kRange);
}

void Text::LoadLines(appkit::Archive& archive, int version, RecordHost& host) {
    // The lines are built apart and join the text only once the whole block
    // has been read: a block that breaks off leaves the text as it was.
    Text loaded(SettingsOf{*this});
    for (int count = ReadCount(archive, kLeastLineBytes); count > 0; --count) {
        auto line = m_templateLine.Clone();
        line->LoadRuns(archive, version, host);
        loaded.AppendLine(std::move(line));
    }
    const bool open = archive.ReadDword() == kRange;
    loaded.m_lastLineOpen = open;
    InsertLoaded(std::move(loaded));
    m_lastLineOpen = open;
}

}  // namespace model
