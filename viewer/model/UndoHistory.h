// An undo history that a Text may carry: one record per recorded edit, each
// able to undo and redo its edit with the Text's own primitives. The Text
// reports an edit, before it changes anything, when the edit is called with
// its record flag and the history is attached. Records before the current
// position are undone by Undo, those from it on redone by Redo; a new record
// drops the ones that could still be redone. While a record is replayed
// nothing is recorded.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "viewer/model/Text.h"

namespace model {

// Numbers the records of every history that shares it, one up per record,
// and tells `onRaised` (when set) of each.
struct UndoSequence {
    std::atomic<std::int32_t> count{0};
    std::function<void()> onRaised;
};

// Told after each replayed step; a document clears its selection and
// updates its views.
class UndoObserver {
public:
    virtual void OnReplayed() = 0;

protected:
    ~UndoObserver() = default;
};

class UndoRecord {
public:
    virtual ~UndoRecord() = default;
    virtual void Undo(Text& text) const = 0;
    virtual void Redo(Text& text) const = 0;
};

class UndoHistory {
public:
    // Attaches itself to the text, which must outlive it.
    UndoHistory(Text& text, UndoSequence& sequence, UndoObserver* observer = nullptr);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    void Push(std::unique_ptr<UndoRecord> record);
    // Destroys the records [from, to).
    void FreeRecords(std::size_t from, std::size_t to);
    // One step back or forward; false when there is none.
    bool Undo();
    bool Redo();

    std::size_t Size() const { return records_.size(); }
    std::size_t Current() const { return current_; }
    std::int32_t SequenceNumber(std::size_t index) const { return records_[index].first; }

    // The Text's reports, made before it changes anything.
    void ReportInsert(const Text& fragment, TextPos at);
    void ReportAppendLine(const Line& line);
    void ReportSplitLine(TextPos at);
    // A character inside a line, and a line end that joins the next line.
    void ReportDeleteChar(TextPos at);
    void ReportJoinLines(TextPos at);
    void ReportDeleteRange(TextPos from, TextPos to);

private:
    void Replay(const UndoRecord& record, void (UndoRecord::*step)(Text&) const);
    // A position as the edit treats it: its column within the line's characters.
    TextPos Normalised(TextPos pos) const;

    Text& text_;
    UndoSequence& sequence_;
    UndoObserver* observer_;
    std::vector<std::pair<std::int32_t, std::unique_ptr<UndoRecord>>> records_;
    std::size_t current_ = 0;
    bool replaying_ = false;
};

}  // namespace model
