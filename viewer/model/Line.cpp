#include "viewer/model/Line.h"

#include <algorithm>
#include <iterator>

namespace model {

Line::Line() { InitDefaultRun(); }

Line::Line(const Paragraph& defaultStyle) : m_defaultRun(defaultStyle.Clone()) {}

Line::~Line() { DestroyRuns(0, m_runs.size()); }

void Line::InitDefaultRun() {
    m_defaultRun = std::make_unique<Paragraph>();
    m_charCount = m_height = m_width = 0;
    m_listener = nullptr;
    m_dirty = true;
}

std::unique_ptr<Line> Line::Clone() const {
    // Not through CopyFrom: the new line's own default run would only be
    // made to be replaced.
    auto copy = std::make_unique<Line>(*m_defaultRun);
    copy->m_listener = m_listener;
    copy->InsertClones(0, *this);
    return copy;
}

void Line::CopyFrom(const Line& source) {
    if (&source == this) return;
    DestroyRuns(0, m_runs.size());
    m_defaultRun = source.m_defaultRun->Clone();
    m_listener = source.m_listener;
    InsertClones(0, source);
    m_dirty = true;
}

const Paragraph& Line::SetDefaultRun(const Paragraph& source) {
    m_defaultRun = source.Clone();
    m_dirty = true;
    return *m_defaultRun;
}

void Line::AppendRun(std::unique_ptr<Paragraph> run) {
    if (!run) return;
    m_runs.push_back(std::move(run));
    m_dirty = true;
}

void Line::DestroyRun(std::size_t index) { DestroyRuns(index, index + 1); }

void Line::DestroyRuns(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        if (m_listener) m_listener->OnRunDeleted(*m_runs[i]);
        m_runs[i].reset();
    }
    m_runs.erase(m_runs.begin() + first, m_runs.begin() + last);
}

void Line::RemoveRun(const Paragraph* run) {
    const auto found = std::find_if(m_runs.begin(), m_runs.end(), [run](const auto& r) { return r.get() == run; });
    if (found != m_runs.end()) DestroyRun(found - m_runs.begin());
}

void Line::RemoveEmptyRun(std::size_t index) {
    if (index > 0 && index + 1 < m_runs.size() && m_runs[index - 1]->Append(*m_runs[index + 1])) {
        DestroyRun(index + 1);
    }
    DestroyRun(index);
}

void Line::InsertClones(std::size_t at, const Line& source, std::size_t skip) {
    // Cloned before inserting, so that a line may take runs from itself.
    std::vector<std::unique_ptr<Paragraph>> clones;
    for (std::size_t i = skip; i < source.m_runs.size(); ++i) clones.push_back(source.m_runs[i]->Clone());
    m_runs.insert(m_runs.begin() + at, std::make_move_iterator(clones.begin()), std::make_move_iterator(clones.end()));
}

void Line::InsertChars(std::string_view bytes, int column) {
    if (m_runs.empty()) m_runs.push_back(m_defaultRun->Clone());
    const RunPos at = FindRun(column);
    m_runs[at.run]->InsertText(at.offset, bytes);
    m_dirty = true;
}

bool Line::InsertLine(const Line& source, int column) {
    const RunPos at = FindRun(column);
    if (m_runs.empty() || at.offset == 0) {
        InsertClones(at.run, source);
    } else {
        // The run is cut in two around the inserted runs; cut at its end,
        // its tail is left empty and goes.
        m_runs.insert(m_runs.begin() + at.run, m_runs[at.run]->SplitBefore(at.offset));
        const std::size_t added = source.m_runs.size();
        InsertClones(at.run + 1, source);
        const std::size_t tail = at.run + 1 + added;
        if (m_runs[tail]->CharCount() == 0) DestroyRun(tail);
    }
    const bool joined = MergeEqualRuns();
    m_dirty = true;
    return joined;
}

void Line::DeleteChar(int column) {
    if (m_runs.empty()) return;
    const RunPos at = FindRun(column);
    Paragraph& run = *m_runs[at.run];
    run.EraseCharAt(at.offset);
    if (run.CharCount() == 0) RemoveEmptyRun(at.run);
    m_dirty = true;
}

void Line::DeleteRange(int from, int to) {
    if (m_runs.empty() || from >= to) return;
    const RunPos a = FindRun(from);
    const RunPos b = FindRun(to);
    if (a.run == b.run) {
        Paragraph& run = *m_runs[a.run];
        run.EraseChars(a.offset, b.offset);
        if (run.CharCount() == 0) RemoveEmptyRun(a.run);
        m_dirty = true;
        return;
    }
    DestroyRuns(a.run + 1, b.run);
    const std::size_t lastIndex = a.run + 1;
    Paragraph* first = m_runs[a.run].get();
    Paragraph* last = m_runs[lastIndex].get();
    first->EraseChars(a.offset, first->CharCount());
    last->EraseChars(0, b.offset);
    // What is left on either side of the gap, to be joined when alike.
    Paragraph* left = first->CharCount() > 0 ? first : a.run > 0 ? m_runs[a.run - 1].get() : nullptr;
    Paragraph* right = last->CharCount() > 0                ? last
                       : lastIndex + 1 < m_runs.size() ? m_runs[lastIndex + 1].get()
                                                          : nullptr;
    if (first->CharCount() == 0) RemoveRun(first);
    if (last->CharCount() == 0) RemoveRun(last);
    if (left && right && left->Append(*right)) RemoveRun(right);
    m_dirty = true;
}

void Line::Clear() {
    DestroyRuns(0, m_runs.size());
    m_dirty = true;
}

std::unique_ptr<Line> Line::Split(int column) {
    auto tail = std::make_unique<Line>();
    tail->SetDefaultRun(*m_defaultRun);
    tail->m_listener = m_listener;
    if (!m_runs.empty()) {
        const RunPos at = FindRun(column);
        std::size_t moved = at.run;
        if (at.offset > 0) {
            auto cut = m_runs[at.run]->SplitAt(at.offset);
            if (cut->CharCount() > 0) tail->m_runs.push_back(std::move(cut));
            moved = at.run + 1;
        }
        std::move(m_runs.begin() + moved, m_runs.end(), std::back_inserter(tail->m_runs));
        m_runs.erase(m_runs.begin() + moved, m_runs.end());
    }
    m_dirty = true;
    return tail;
}

void Line::Append(const Line& source) {
    const bool joined = !m_runs.empty() && !source.m_runs.empty() && m_runs.back()->Append(*source.m_runs.front());
    InsertClones(m_runs.size(), source, joined ? 1 : 0);
    m_dirty = true;
}

bool Line::MergeEqualRuns() {
    bool joined = false;
    for (std::size_t i = 0; i + 1 < m_runs.size();) {
        if (m_runs[i]->Append(*m_runs[i + 1])) {
            DestroyRun(i + 1);
            joined = true;
        } else {
            ++i;
        }
    }
    if (joined) m_dirty = true;
    return joined;
}

void Line::SetBkColor(COLORREF color) {
    for (const auto& run : m_runs) run->SetBkColor(color);
    m_defaultRun->SetBkColor(color);
}

int Line::GetText(std::string& out) {
    const int count = CharCount();
    if (count > 0) {
        out.clear();
        for (const auto& run : m_runs) out += run->Bytes();
    }
    return count;
}

RunPos Line::FindRun(int column) const {
    if (column <= 0 || m_runs.empty()) return {};
    int before = 0;
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        const int count = m_runs[i]->CharCount();
        if (before + count > column) return {i, column - before};
        before += count;
    }
    return {m_runs.size() - 1, m_runs.back()->CharCount()};
}

}  // namespace model
