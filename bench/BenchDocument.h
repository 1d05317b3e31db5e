// The documents the benchmarks open, written with the viewer's own record
// writer: lines of runs of one effect class with its default settings.
//   The document benchmark: N lines of one run each, about 25 characters of
//   Japanese and Latin text, plain (Static) or animated Rain.
//   The viewer benchmark: 10 lines of 4 runs of 16 points, one effect.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

enum class RunKind {
    Plain,  // the Static effect
    Rain,   // animated Rain runs, each with its property record
};

const char* KindName(RunKind kind);

// Writes the document benchmark's document to `path` (a Windows path);
// false when the file or an effect object could not be had.
bool WriteBenchDocument(const std::wstring& path, RunKind kind, int lines);

// Lines and runs of an animation document.
constexpr int kAnimationLines = 10;
constexpr int kAnimationRunsPerLine = 4;
constexpr int kAnimationPoints = 16;

// Writes the viewer benchmark's document of the effect class `effect` (null:
// Static), the same text in every run.
bool WriteAnimationDocument(const std::wstring& path, const CLSID* effect);

}  // namespace bench
