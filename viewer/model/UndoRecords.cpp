#include "viewer/model/UndoRecords.h"

#include <algorithm>

namespace model {
namespace {

std::unique_ptr<Text> Unlistened(std::unique_ptr<Text> copy) {
    copy->SetListener(nullptr);
    return copy;
}

// Puts a saved copy of deleted characters back where they were.
void Restore(Text& text, const Text& copy, TextPos at) {
    if (at.line <= std::max(text.LineCount() - 1, 0)) {
        text.Insert(copy, at);
    } else {
        text.AppendText(copy);
    }
}

}  // namespace

InsertRecord::InsertRecord(const Text& fragment, TextPos at, bool intoEmptyText)
    : fragment_(Unlistened(fragment.Clone())), at_(at), intoEmptyText_(intoEmptyText) {}

void InsertRecord::Undo(Text& text) const {
    if (intoEmptyText_) {
        text.RemoveLinesFrom(0);
        return;
    }
    // What the insert added ends where the old line's tail starts: after the
    // fragment's last line when that line was open (joined to the tail), at
    // the start of the tail's own line when the fragment was closed.
    const int lines = fragment_->LineCount();
    const int lastCount = fragment_->LineAt(lines - 1)->CharCount();
    TextPos end{0, at_.line + lines};
    if (fragment_->LastLineOpen()) {
        end = lines == 1 ? TextPos{at_.column + lastCount, at_.line} : TextPos{lastCount, at_.line + lines - 1};
    }
    text.DeleteRange(at_, end);
}

void InsertRecord::Redo(Text& text) const { text.Insert(*fragment_, at_); }

AppendLineRecord::AppendLineRecord(const Line& line) : line_(line.Clone()) { line_->SetListener(nullptr); }

void AppendLineRecord::Undo(Text& text) const { text.RemoveLinesFrom(text.LineCount() - 1); }

void AppendLineRecord::Redo(Text& text) const { text.AppendLine(line_->Clone()); }

void LineBreakRecord::Undo(Text& text) const {
    if (join_) {
        text.SplitLine(at_);
    } else {
        text.DeleteChar(at_);
    }
}

void LineBreakRecord::Redo(Text& text) const {
    if (join_) {
        text.DeleteChar(at_);
    } else {
        text.SplitLine(at_);
    }
}

DeleteRecord::DeleteRecord(const Text& text, TextPos from, TextPos to)
    : copy_(Unlistened(text.CopyRange(from, to))), from_(from), to_(to) {}

void DeleteRecord::Undo(Text& text) const { Restore(text, *copy_, from_); }

void DeleteRecord::Redo(Text& text) const { text.DeleteRange(from_, to_); }

}  // namespace model
