// What every host run answers through IParagraphAccess, from its multibyte
// text and its entry in the installed-font table, so that the viewer's runs
// and the web-page control's run read the same. Memory running out ends an
// answer with E_OUTOFMEMORY, never with an exception.
#pragma once

#include <windows.h>

#include <string_view>

#include "contract/contract.h"

namespace textrun::runaccess {

HRESULT Length(std::string_view text, int* length);
// Length() characters in UTF-16 in a CoTaskMem block the caller frees.
HRESULT GetString(std::string_view text, short** out);
// A double-byte character converted, a single byte widened as it is, 0 past the end.
HRESULT GetCharactor(std::string_view text, int index, short* character);
// The table entry at fontIndex with the given height; without an entry (no
// fonts installed at all) the description names no face and leaves the
// choice to GDI.
LOGFONTA LogFontAt(int fontIndex, LONG height);
HRESULT GetLOGFONT(int fontIndex, LONG height, tagPassLOGFONT* logFont);

}  // namespace textrun::runaccess
