// Layout of a line: runs side by side, each as large as its effect's drawing
// area, all on the line's bottom edge; columns placed by the effects' prefix
// widths.
#include <algorithm>

#include "viewer/model/Line.h"

namespace model {

void Line::Recalc() {
    if (!m_dirty) return;
    int count = 0;
    int width = 0;
    int height = m_defaultRun->DrawingArea().cy;
    for (const auto& run : m_runs) {
        const SIZE area = run->DrawingArea();
        count += run->CharCount();
        width += area.cx;
        height = std::max<int>(height, area.cy);
    }
    m_charCount = count;
    m_width = width;
    m_height = height;
    m_dirty = false;
}

int Line::CharCount() {
    Recalc();
    return m_charCount;
}

int Line::Height() {
    Recalc();
    return m_height;
}

int Line::Width() {
    Recalc();
    return m_width;
}

template <class Paint>
void Line::PaintRuns(int x, int y, Paint paint) {
    Recalc();
    for (const auto& run : m_runs) {
        const SIZE area = run->DrawingArea();
        paint(*run, POINT{x, y + m_height - area.cy});
        x += area.cx;
    }
}

void Line::Draw(HDC dc, int x, int y) {
    PaintRuns(x, y, [dc](const Paragraph& run, POINT topLeft) { run.Draw(dc, topLeft); });
}

void Line::Update(HDC dc, int x, int y) {
    PaintRuns(x, y, [dc](const Paragraph& run, POINT topLeft) { run.Update(dc, topLeft); });
}

int Line::RunX(std::size_t run) const {
    int x = 0;
    for (std::size_t i = 0; i < std::min(run, m_runs.size()); ++i) x += m_runs[i]->DrawingArea().cx;
    return x;
}

CaretPos Line::GetCaretPos(int column) {
    Recalc();
    CaretPos caret;
    caret.height = m_height;
    const Paragraph* fontRun = m_defaultRun.get();
    int before = 0;
    for (const auto& run : m_runs) {
        const int count = run->CharCount();
        const SIZE area = run->DrawingArea();
        caret.height = area.cy;
        fontRun = run.get();
        if (before + count > column) {
            caret.x += run->Width(column - before);
            break;
        }
        caret.x += area.cx;
        before += count;
    }
    caret.font = fontRun->GetLogFont();
    return caret;
}

std::vector<RECT> Line::GetSelectionRects(int from, int to) {
    std::vector<RECT> rects;
    if (m_runs.empty()) return rects;
    if (from > to) std::swap(from, to);
    const RunPos a = FindRun(from);
    const RunPos b = to == kEndOfLine ? RunPos{m_runs.size() - 1, m_runs.back()->CharCount()} : FindRun(to);
    Recalc();
    // Each rectangle is as high as its own run, on the line's bottom edge.
    const auto add = [&](std::size_t run, int left, int right) {
        rects.push_back(RECT{left, m_height - m_runs[run]->DrawingArea().cy, right, m_height});
    };
    int x = RunX(a.run);
    const Paragraph& first = *m_runs[a.run];
    if (a.run == b.run) {
        add(a.run, x + first.Width(a.offset), x + first.Width(b.offset));
        return rects;
    }
    const int firstWidth = first.DrawingArea().cx;
    add(a.run, x + first.Width(a.offset), x + firstWidth);
    x += firstWidth;
    for (std::size_t i = a.run + 1; i < b.run; ++i) {
        const int width = m_runs[i]->DrawingArea().cx;
        add(i, x, x + width);
        x += width;
    }
    add(b.run, x, x + m_runs[b.run]->Width(b.offset));
    return rects;
}

int Line::HitTest(int x) const {
    int chars = 0;
    int right = 0;
    for (const auto& run : m_runs) {
        const int width = run->DrawingArea().cx;
        const int count = run->CharCount();
        right += width;
        if (right < x) {
            chars += count;
            continue;
        }
        const int local = x - (right - width);
        int previous = 0;
        for (int i = 0; i <= count; ++i) {
            const int boundary = run->Width(i);
            if (boundary < local) {
                previous = boundary;
                continue;
            }
            // Left of the run's first boundary (its left edge, or the margin
            // of an effect that draws one): the run's start.
            if (i == 0) return chars;
            return chars + (local <= previous + (boundary - previous) / 2 ? i - 1 : i);
        }
        // Inside the drawing area but right of the text: the run's end.
        return chars + count;
    }
    return chars;
}

}  // namespace model
