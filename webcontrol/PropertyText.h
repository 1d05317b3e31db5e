// The effect settings a page gives as ViviFontProperty: base64 text of a
// whole property record (nSize, nVersion, payload).
#pragma once

#include <string_view>
#include <vector>

#include "contract/contract.h"

namespace netrune {

// Standard alphabet with "=" padding. Only complete groups of four characters
// are decoded; characters outside the alphabet count as 0.
std::vector<unsigned char> DecodeBase64(std::string_view text);

// The record in the bytes when they hold its head and every payload byte its
// nSize announces; null otherwise, so no effect reads past the bytes.
const tagPersistMemory* RecordIn(const std::vector<unsigned char>& bytes);

}  // namespace netrune
