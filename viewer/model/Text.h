// A document's content: lines of styled runs, a background colour, and the
// style every line of the text starts with. Fragments (copied ranges, loaded
// records) are Texts too; one whose last line is open has no line end there
// and joins the text that follows wherever it is inserted.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "viewer/model/Line.h"
#include "viewer/model/TextPos.h"

namespace appkit {
class Archive;
}

namespace model {

class RecordHost;
class UndoHistory;

// Positions name existing lines; a primitive given a line that does not
// exist, or a range whose ends are out of order, changes nothing.
class Text final {
public:
    Text() = default;
    // No lines and the settings of another text, as CopySettings gives them.
    struct SettingsOf {
        const Text& source;
    };
    explicit Text(SettingsOf settings);
    ~Text();
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    // Null for a line that does not exist.
    Line* LineAt(int index);
    const Line* LineAt(int index) const;
    COLORREF BkColor() const { return m_bkColor; }
    bool LastLineOpen() const { return m_lastLineOpen; }
    void SetLastLineOpen(bool open) { m_lastLineOpen = open; }
    const Line& TemplateLine() const { return m_templateLine; }

    // The history that the edits below report to when asked to record
    // (`record`); not owned, null for none. Copies of the text have none.
    void SetHistory(UndoHistory* history) { m_history = history; }
    UndoHistory* History() const { return m_history; }

    // Listener, open last line, background colour and line style.
    void CopySettings(const Text& source);
    // Gives the line this text's listener and line style.
    void AdoptLine(Line& line);
    void AppendLine(std::unique_ptr<Line> line, bool record = false);
    // Appends copies of the source's lines in this text's colours.
    void AppendText(const Text& source, bool record = false);
    // Inserts a copy of the fragment, in this text's background colour.
    void Insert(const Text& fragment, TextPos at, bool record = false);
    void SplitLine(TextPos at, bool record = false);
    // At the end of a line, joins the next line onto it.
    void DeleteChar(TextPos at, bool record = false);
    void DeleteRange(TextPos from, TextPos to, bool record = false);
    // Destroys the lines from `index` to the end.
    void RemoveLinesFrom(int index);
    std::unique_ptr<Text> Clone() const;
    // A fragment of to.line - from.line + 1 lines with an open last line.
    std::unique_ptr<Text> CopyRange(TextPos from, TextPos to) const;
    // Every run, every line's default run and the line style take the colour.
    void SetBkColor(COLORREF color);
    void ApplyBkColor();
    void SetListener(LineListener* listener);

    // Text records, the serialised form of a text in documents and on the
    // clipboard. Storing writes the whole text, or the range from `first` to
    // `last`; loading appends the record's lines and ignores the positions.
    // False, with nothing read, when the data is not a text record; a record
    // that cannot be read whole throws ArchiveError, leaving the text's lines
    // as they were.
    bool Serialize(appkit::Archive& archive, RecordHost& host);
    bool Serialize(appkit::Archive& archive, RecordHost& host, TextPos first, TextPos last);
    void StoreLines(appkit::Archive& archive) const;
    void StoreRange(appkit::Archive& archive, TextPos first, TextPos last) const;
    void LoadLines(appkit::Archive& archive, int version, RecordHost& host);

    // Plain text, the runs' bytes with a line feed after each line: loading
    // appends the lines read in the text's style; storing writes the whole
    // text, or the range from `first` to `last` (no line feed after it).
    void SerializePlain(appkit::Archive& archive);
    void SerializePlain(appkit::Archive& archive, TextPos first, TextPos last);
    void WritePlain(appkit::Archive& archive) const;
    void WritePlainRange(appkit::Archive& archive, TextPos first, TextPos last) const;
    void ReadPlain(appkit::Archive& archive);

private:
    bool HasLine(int index) const { return index >= 0 && index < LineCount(); }
    // The settings besides the line style.
    void CopyFlags(const Text& source);
    void InsertLineAt(int index, std::unique_ptr<Line> line);
    // A copy of the fragment in this text's colours and with its listener.
    std::unique_ptr<Text> WorkingCopy(const Text& fragment) const;
    // Inserts lines read from an archive after the text's last character and
    // gives every run the text's background colour. The fragment's lines may
    // be taken over.
    void InsertLoaded(Text&& fragment);

    // The history to report to, when the edit is to be recorded.
    UndoHistory* Recorder(bool record) const { return record ? m_history : nullptr; }

    std::vector<std::unique_ptr<Line>> m_lines;
    Line m_templateLine;
    COLORREF m_bkColor = RGB(0, 0, 0);
    LineListener* m_listener = nullptr;
    UndoHistory* m_history = nullptr;
    bool m_lastLineOpen = false;
};

}  // namespace model
