// The interfaces and records that hosts and effects share, with the layout
// checks that keep separately built modules binary-compatible.
#pragma once

#include <windows.h>
#include <comcat.h>
#include <ole2.h>

#include <cstddef>

#include "contract/vivifont.h"

static_assert(sizeof(tagPassLOGFONT) == 60, "tagPassLOGFONT is the 60-byte ANSI LOGFONT");
static_assert(sizeof(tagPassLOGFONT) == sizeof(LOGFONTA), "tagPassLOGFONT mirrors LOGFONTA");
static_assert(offsetof(tagPassLOGFONT, lfWeight) == 16);
static_assert(offsetof(tagPassLOGFONT, lfItalic) == 20);
static_assert(offsetof(tagPassLOGFONT, lfCharSet) == 23);
static_assert(offsetof(tagPassLOGFONT, lfPitchAndFamily) == 27);
static_assert(offsetof(tagPassLOGFONT, lfFaceName) == 28);
static_assert(sizeof(tagPersistMemory) == 12, "declared record: header + one byte, padded");
static_assert(offsetof(tagPersistMemory, nVersion) == 4);
static_assert(offsetof(tagPersistMemory, pData) == 8);
static_assert(sizeof(tagAnonyVVLF) == 12);
static_assert(offsetof(tagAnonyVVLF, pData) == 8);
static_assert(sizeof(((tagPersistMemory*)nullptr)->nSize) == 4, "record words are 32-bit on every target");

namespace contract {

// Versions that tell the two property records apart.
constexpr long kPersistMemoryVersion = 2;
constexpr long kAnonyVVLFVersion = 1;
// Bytes a record takes beyond its payload (header, and the declared byte with padding).
constexpr long kRecordOverhead = 12;
constexpr long kRecordHeader = 8;

// The effect component category every effect class registers in.
extern const CATID CATID_ViviFontObjects;
extern const wchar_t kCategoryDescription[];

}  // namespace contract
