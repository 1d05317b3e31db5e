// The records of the undo history, one kind per recorded edit. Each keeps
// the positions of its edit, taken as the edit treated them, and whatever it
// needs to put the text back exactly: saved content is a copy with no line
// listener.
#pragma once

#include <memory>

#include "viewer/model/UndoHistory.h"

namespace model {

// A fragment inserted at a position; undone by deleting what it added (or
// every line, when the text had none).
class InsertRecord final : public UndoRecord {
public:
    InsertRecord(const Text& fragment, TextPos at, bool intoEmptyText);
    void Undo(Text& text) const override;
    void Redo(Text& text) const override;

private:
    std::unique_ptr<Text> fragment_;
    TextPos at_;
    bool intoEmptyText_;
};

// A line appended at the end; undone by removing the last line.
class AppendLineRecord final : public UndoRecord {
public:
    explicit AppendLineRecord(const Line& line);
    void Undo(Text& text) const override;
    void Redo(Text& text) const override;

private:
    std::unique_ptr<Line> line_;
};

// A line split at a position, or (`join`) a line end deleted, which joins
// the next line: each the other's undo.
class LineBreakRecord final : public UndoRecord {
public:
    LineBreakRecord(TextPos at, bool join) : at_(at), join_(join) {}
    void Undo(Text& text) const override;
    void Redo(Text& text) const override;

private:
    TextPos at_;
    bool join_;
};

// Characters [from, to) deleted, a single character among them; undone by
// inserting the saved copy of the range at `from`.
class DeleteRecord final : public UndoRecord {
public:
    DeleteRecord(const Text& text, TextPos from, TextPos to);
    void Undo(Text& text) const override;
    void Redo(Text& text) const override;

private:
    std::unique_ptr<Text> copy_;
    TextPos from_;
    TextPos to_;
};

}  // namespace model
