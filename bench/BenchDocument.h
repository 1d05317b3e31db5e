// The documents the document benchmark opens: N lines of one run each, about
// 25 characters of Japanese and Latin text, written with the viewer's own
// record writer.
#pragma once

#include <string>

namespace bench {

enum class RunKind {
    Plain,  // the Static effect
    Rain,   // animated Rain runs, each with its property record
};

const char* KindName(RunKind kind);

// Writes the document to `path` (a Windows path); false when the file or an
// effect object could not be had.
bool WriteBenchDocument(const std::wstring& path, RunKind kind, int lines);

}  // namespace bench
