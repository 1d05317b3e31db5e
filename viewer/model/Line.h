// One row of styled runs, with the editing primitives that keep neighbouring
// runs of equal style joined, and its layout: runs side by side on a common
// bottom edge, measured and drawn by their effects.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/model/Paragraph.h"
#include "viewer/model/TextPos.h"

namespace appkit {
class Archive;
}

namespace model {

class RecordHost;

// Told about every run of a line just before the run is destroyed.
class LineListener {
public:
    virtual void OnRunDeleted(Paragraph& run) = 0;

protected:
    ~LineListener() = default;
};

// Where a column lies: the run's index and the character offset in it. On a
// line without runs the index is 0, the end of the run list.
struct RunPos {
    std::size_t run = 0;
    int offset = 0;
};

// The caret at a column: its x, its height and the font of the run there.
struct CaretPos {
    int x = 0;
    int height = 0;
    LOGFONTA font{};
};

// Columns count characters; a column at or past the line's character count
// means the end of the line.
class Line final {
public:
    // No runs; a default run with the defaults of a new Paragraph.
    Line();
    // No runs; a clone of the given run as the default run.
    explicit Line(const Paragraph& defaultStyle);
    ~Line();
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    std::unique_ptr<Line> Clone() const;
    // Becomes a copy of the source: clones of its default run and runs, and
    // its listener. The runs it had are destroyed.
    void CopyFrom(const Line& source);
    void SetListener(LineListener* listener) { m_listener = listener; }
    // Stores a clone of the source as the style of characters typed into an
    // empty line; its height is the line's least height.
    const Paragraph& SetDefaultRun(const Paragraph& source);
    const Paragraph& DefaultRun() const { return *m_defaultRun; }

    std::size_t RunCount() const { return m_runs.size(); }
    // index < RunCount().
    const Paragraph& Run(std::size_t index) const { return *m_runs[index]; }
    // For readers building a line run by run.
    void AppendRun(std::unique_ptr<Paragraph> run);

    // Characters inserted on a run boundary take the style of the run after
    // it; at the end of the line, of the last run; in an empty line, of the
    // default run.
    void InsertChars(std::string_view bytes, int column);
    // Inserts clones of the source's runs; true when equal neighbours joined.
    bool InsertLine(const Line& source, int column);
    void DeleteChar(int column);
    // Deletes characters [from, to); nothing unless from < to.
    void DeleteRange(int from, int to);
    void Clear();
    // Moves the characters from the column on into a new line.
    std::unique_ptr<Line> Split(int column);
    // Appends clones of the source's runs, joining the joint when it can.
    void Append(const Line& source);
    bool MergeEqualRuns();
    // Every run and the default run; the layout stays as it is.
    void SetBkColor(COLORREF color);
    // The line's bytes; with no characters the string is left alone.
    int GetText(std::string& out);
    // A column on a boundary between two runs belongs to the following run.
    RunPos FindRun(int column) const;

    // Layout, in line coordinates (origin at the line's top-left).
    void Recalc();
    int CharCount();
    int Height();
    int Width();
    // Paints (Draw) or advances and paints (Update) every run, bottom-aligned.
    void Draw(HDC dc, int x, int y);
    void Update(HDC dc, int x, int y);
    int RunX(std::size_t run) const;
    CaretPos GetCaretPos(int column);
    // One rectangle per run touched, left to right; a column of exactly
    // kEndOfLine is the end of the last run.
    std::vector<RECT> GetSelectionRects(int from, int to);
    // The character boundary nearest to x.
    int HitTest(int x) const;

    // Serialisation of columns [from, to); `to` kEndOfLine is the end of the
    // line. StoreRuns writes the runs touched as a run list of a text record,
    // cutting copies of the runs at both ends; LoadRuns appends the runs of a
    // run list; WritePlainRange writes the characters as plain bytes.
    void StoreRuns(appkit::Archive& archive, int from, int to) const;
    void LoadRuns(appkit::Archive& archive, int version, RecordHost& host);
    void WritePlainRange(appkit::Archive& archive, int from, int to) const;

private:
    void InitDefaultRun();
    void DestroyRun(std::size_t index);
    void DestroyRuns(std::size_t first, std::size_t last);
    void RemoveRun(const Paragraph* run);
    // Removes a run left without characters, joining its neighbours when
    // they have the same style.
    void RemoveEmptyRun(std::size_t index);
    void InsertClones(std::size_t at, const Line& source, std::size_t skip = 0);
    template <class Paint>
    void PaintRuns(int x, int y, Paint paint);

    std::vector<std::unique_ptr<Paragraph>> m_runs;
    std::unique_ptr<Paragraph> m_defaultRun;
    int m_charCount = 0;
    int m_height = 0;
    int m_width = 0;
    bool m_dirty = true;
    LineListener* m_listener = nullptr;
};

}  // namespace model
