#include "viewer/model/PlainText.h"

#include <string>
#include <utility>
#include <vector>

#include "appkit/archive/Archive.h"
#include "textrun/Cp932.h"
#include "viewer/model/Spans.h"
#include "viewer/model/Text.h"

namespace model {
namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';

}  // namespace

bool ReadArchiveLine(appkit::Archive& archive, std::string& line, bool& endedByLineFeed) {
    line.clear();
    endedByLineFeed = false;
    if (archive.AtEnd()) return false;
    while (!archive.AtEnd()) {
        const char byte = static_cast<char>(archive.ReadByte());
        if (byte == kLineFeed) {
            if (!line.empty() && line.back() == kCarriageReturn) line.pop_back();
            endedByLineFeed = true;
            break;
        }
        line.push_back(byte);
    }
    return true;
}

void Text::SerializePlain(appkit::Archive& archive) {
    if (archive.IsLoading()) {
        ReadPlain(archive);
    } else {
        WritePlain(archive);
    }
}

void Text::SerializePlain(appkit::Archive& archive, TextPos first, TextPos last) {
    if (archive.IsLoading()) {
        ReadPlain(archive);
    } else {
        WritePlainRange(archive, first, last);
    }
}

void Text::WritePlain(appkit::Archive& archive) const {
    for (const LineSpan& span : SpanAllLines(*this)) {
        LineAt(span.line)->WritePlainRange(archive, span.from, span.to);
        archive.WriteByte(kLineFeed);
    }
}

void Text::WritePlainRange(appkit::Archive& archive, TextPos first, TextPos last) const {
    const std::vector<LineSpan> spans = SpanLines(*this, first, last);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (i > 0) archive.WriteByte(kLineFeed);
        LineAt(spans[i].line)->WritePlainRange(archive, spans[i].from, spans[i].to);
    }
}

void Text::ReadPlain(appkit::Archive& archive) {
    Text loaded(SettingsOf{*this});
    std::string bytes;
    bool endedByLineFeed = false;
    while (ReadArchiveLine(archive, bytes, endedByLineFeed)) {
        auto line = m_templateLine.Clone();
        // A run's text holds no NUL; an empty line is a line without runs.
        std::erase(bytes, '\0');
        if (!bytes.empty()) line->InsertChars(bytes, 0);
        loaded.AppendLine(std::move(line));
    }
    InsertLoaded(std::move(loaded));
}

void Line::WritePlainRange(appkit::Archive& archive, int from, int to) const {
    for (const RunSlice& slice : SliceRuns(*this, from, to)) {
        Run(slice.run).WritePlainRange(archive, slice.begin, slice.end);
    }
}

void Paragraph::WritePlainRange(appkit::Archive& archive, int from, int to) const {
    const std::size_t begin = textrun::cp932::CharToByte(text, from);
    const std::size_t end = to == kEndOfLine ? text.size() : textrun::cp932::CharToByte(text, to);
    if (end > begin) archive.Write(text.data() + begin, end - begin);
}

}  // namespace model
