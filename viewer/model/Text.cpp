#include "viewer/model/Text.h"

#include <cstdint>
#include <limits>

#include "viewer/model/UndoHistory.h"

namespace model {

Text::~Text() {
    for (auto& line : m_lines) {
        line->SetListener(m_listener);
        line.reset();
    }
}

Line* Text::LineAt(int index) { return HasLine(index) ? m_lines[index].get() : nullptr; }

const Line* Text::LineAt(int index) const { return HasLine(index) ? m_lines[index].get() : nullptr; }

// The line style is cloned at once, not made with a default effect first.
Text::Text(SettingsOf settings) : m_templateLine(settings.source.m_templateLine.DefaultRun()) {
    CopyFlags(settings.source);
}

void Text::CopySettings(const Text& source) {
    CopyFlags(source);
    m_templateLine.CopyFrom(source.m_templateLine);
}

void Text::CopyFlags(const Text& source) {
    m_listener = source.m_listener;
    m_lastLineOpen = source.m_lastLineOpen;
    m_bkColor = source.m_bkColor;
}

void Text::AdoptLine(Line& line) {
    if (m_listener) line.SetListener(m_listener);
    line.SetDefaultRun(m_templateLine.DefaultRun());
}

void Text::AppendLine(std::unique_ptr<Line> line, bool record) {
    if (!line) return;
    AdoptLine(*line);
    if (UndoHistory* history = Recorder(record)) history->ReportAppendLine(*line);
    m_lines.push_back(std::move(line));
}

void Text::InsertLineAt(int index, std::unique_ptr<Line> line) {
    if (!line) return;
    AdoptLine(*line);
    m_lines.insert(m_lines.begin() + index, std::move(line));
}

std::unique_ptr<Text> Text::WorkingCopy(const Text& fragment) const {
    auto copy = fragment.Clone();
    copy->SetBkColor(m_bkColor);
    copy->SetListener(m_listener);
    return copy;
}

void Text::AppendText(const Text& source, bool record) {
    auto lines = std::move(WorkingCopy(source)->m_lines);
    for (auto& line : lines) AppendLine(std::move(line), record);
}

void Text::Insert(const Text& fragment, TextPos at, bool record) {
    if (fragment.m_lines.empty() || (!m_lines.empty() && !HasLine(at.line))) return;
    if (UndoHistory* history = Recorder(record)) history->ReportInsert(fragment, at);
    if (m_lines.empty()) {
        AppendText(fragment);
        return;
    }
    auto copy = WorkingCopy(fragment);
    // The copy's lines are taken over: those not inserted go with them.
    auto lines = std::move(copy->m_lines);
    if (copy->m_lastLineOpen && lines.size() == 1) {
        m_lines[at.line]->InsertLine(*lines.front(), at.column);
        return;
    }
    SplitLine(at);
    m_lines[at.line]->Append(*lines.front());
    // The open last line is not a line of its own: it starts the tail line.
    const std::size_t whole = copy->m_lastLineOpen ? lines.size() - 1 : lines.size();
    int tail = at.line + 1;
    for (std::size_t i = 1; i < whole; ++i) InsertLineAt(tail++, std::move(lines[i]));
    if (copy->m_lastLineOpen) m_lines[tail]->InsertLine(*lines.back(), 0);
}

void Text::InsertLoaded(Text&& fragment) {
    if (m_lines.empty()) {
        // Copies of the lines read would clone and bind every run's effect
        // again, only for the effects just read to be dropped; the lines are
        // taken over instead. They were read with this text's settings.
        for (auto& line : fragment.m_lines) AppendLine(std::move(line));
        fragment.m_lines.clear();
    } else {
        // Any column past a line's characters is its end.
        Insert(fragment, {std::numeric_limits<std::int32_t>::max(), LineCount() - 1});
    }
    ApplyBkColor();
}

void Text::SplitLine(TextPos at, bool record) {
    if (!HasLine(at.line)) return;
    if (UndoHistory* history = Recorder(record)) history->ReportSplitLine(at);
    m_lines.insert(m_lines.begin() + at.line + 1, m_lines[at.line]->Split(at.column));
}

void Text::DeleteChar(TextPos at, bool record) {
    if (!HasLine(at.line)) return;
    Line& line = *m_lines[at.line];
    UndoHistory* history = Recorder(record);
    if (at.column < line.CharCount()) {
        if (history) history->ReportDeleteChar(at);
        line.DeleteChar(at.column);
    } else if (HasLine(at.line + 1)) {
        if (history) history->ReportJoinLines(at);
        line.Append(*m_lines[at.line + 1]);
        m_lines.erase(m_lines.begin() + at.line + 1);
    }
}

void Text::DeleteRange(TextPos from, TextPos to, bool record) {
    if (!HasLine(from.line) || !HasLine(to.line) || !Ordered(from, to)) return;
    if (UndoHistory* history = Recorder(record)) history->ReportDeleteRange(from, to);
    if (from.line == to.line) {
        m_lines[from.line]->DeleteRange(from.column, to.column);
        return;
    }
    Line& first = *m_lines[from.line];
    first.DeleteRange(from.column, first.CharCount());
    // A first line left empty goes, and nothing is joined onto it.
    const bool keepFirst = first.CharCount() > 0;
    Line& last = *m_lines[to.line];
    last.DeleteRange(0, to.column);
    if (keepFirst) {
        first.Append(last);
        m_lines.erase(m_lines.begin() + from.line + 1, m_lines.begin() + to.line + 1);
    } else {
        m_lines.erase(m_lines.begin() + from.line, m_lines.begin() + to.line);
    }
}

void Text::RemoveLinesFrom(int index) {
    if (HasLine(index)) m_lines.erase(m_lines.begin() + index, m_lines.end());
}

std::unique_ptr<Text> Text::Clone() const {
    auto copy = std::make_unique<Text>(SettingsOf{*this});
    for (const auto& line : m_lines) copy->AppendLine(line->Clone());
    return copy;
}

std::unique_ptr<Text> Text::CopyRange(TextPos from, TextPos to) const {
    auto copy = std::make_unique<Text>(SettingsOf{*this});
    copy->m_lastLineOpen = true;
    if (!HasLine(from.line) || !HasLine(to.line) || !Ordered(from, to)) return copy;
    for (int index = from.line; index <= to.line; ++index) {
        auto line = m_lines[index]->Clone();
        if (index == to.line) line->DeleteRange(to.column, line->CharCount());
        if (index == from.line) line->DeleteRange(0, from.column);
        copy->AppendLine(std::move(line));
    }
    return copy;
}

void Text::SetBkColor(COLORREF color) {
    m_bkColor = color;
    ApplyBkColor();
    m_templateLine.SetBkColor(color);
}

void Text::ApplyBkColor() {
    for (const auto& line : m_lines) line->SetBkColor(m_bkColor);
}

void Text::SetListener(LineListener* listener) {
    m_listener = listener;
    for (const auto& line : m_lines) line->SetListener(listener);
}

}  // namespace model
