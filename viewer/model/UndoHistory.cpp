#include "viewer/model/UndoHistory.h"

#include <algorithm>

#include "viewer/model/UndoRecords.h"

namespace model {

UndoHistory::UndoHistory(Text& text, UndoSequence& sequence, UndoObserver* observer)
    : text_(text), sequence_(sequence), observer_(observer) {
    text_.SetHistory(this);
}

UndoHistory::~UndoHistory() {
    if (text_.History() == this) text_.SetHistory(nullptr);
}

void UndoHistory::Push(std::unique_ptr<UndoRecord> record) {
    const std::int32_t number = sequence_.count.fetch_add(1) + 1;
    if (sequence_.onRaised) sequence_.onRaised();
    FreeRecords(current_, records_.size());
    records_.emplace_back(number, std::move(record));
    current_ = records_.size();
}

void UndoHistory::FreeRecords(std::size_t from, std::size_t to) {
    to = std::min(to, records_.size());
    if (from >= to) return;
    records_.erase(records_.begin() + from, records_.begin() + to);
    if (current_ >= to) {
        current_ -= to - from;
    } else if (current_ > from) {
        current_ = from;
    }
}

bool UndoHistory::Undo() {
    if (current_ == 0) return false;
    --current_;
    Replay(*records_[current_].second, &UndoRecord::Undo);
    return true;
}

bool UndoHistory::Redo() {
    if (current_ == records_.size()) return false;
    Replay(*records_[current_].second, &UndoRecord::Redo);
    ++current_;
    return true;
}

void UndoHistory::Replay(const UndoRecord& record, void (UndoRecord::*step)(Text&) const) {
    replaying_ = true;
    (record.*step)(text_);
    if (observer_) observer_->OnReplayed();
    replaying_ = false;
}

TextPos UndoHistory::Normalised(TextPos pos) const {
    Line* line = text_.LineAt(pos.line);
    if (!line) return {};
    return {std::clamp(pos.column, 0, line->CharCount()), pos.line};
}

void UndoHistory::ReportInsert(const Text& fragment, TextPos at) {
    if (!replaying_) Push(std::make_unique<InsertRecord>(fragment, Normalised(at), text_.LineCount() == 0));
}

void UndoHistory::ReportAppendLine(const Line& line) {
    if (!replaying_) Push(std::make_unique<AppendLineRecord>(line));
}

void UndoHistory::ReportSplitLine(TextPos at) {
    if (!replaying_) Push(std::make_unique<LineBreakRecord>(Normalised(at), false));
}

void UndoHistory::ReportDeleteChar(TextPos at) {
    if (replaying_) return;
    const TextPos from = Normalised(at);
    Push(std::make_unique<DeleteRecord>(text_, from, TextPos{from.column + 1, from.line}));
}

void UndoHistory::ReportJoinLines(TextPos at) {
    if (!replaying_) Push(std::make_unique<LineBreakRecord>(Normalised(at), true));
}

void UndoHistory::ReportDeleteRange(TextPos from, TextPos to) {
    if (!replaying_) Push(std::make_unique<DeleteRecord>(text_, Normalised(from), Normalised(to)));
}

}  // namespace model
