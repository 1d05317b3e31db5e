// Copy: a range of the text goes to the clipboard as plain text (CF_TEXT:
// the characters' bytes, lines separated by one line feed, then a NUL) and
// in the private format "OndelleWriter ver1.0" (a 32-bit length, then the
// text record of the range) that the authoring program reads. The clipboard
// is flushed at once, so the data stays there after the program ends.
#pragma once

#include <windows.h>

#include "viewer/interaction/GlobalMemory.h"
#include "viewer/model/Text.h"

namespace interaction {

// The private format's id, registered at the first call.
UINT PrivateClipboardFormat();

// The two formats of the ordered range [start, end]; empty when memory ran out.
winkit::GlobalBlock RenderPlainText(const model::Text& text, model::TextPos start, model::TextPos end);
winkit::GlobalBlock RenderPrivateFormat(model::Text& text, model::TextPos start, model::TextPos end);

// False when nothing went to the clipboard: an empty range, no memory for
// the plain text, or a clipboard that would not take it. Without memory for
// the private format only the plain text goes.
bool CopyToClipboard(model::Text& text, model::TextPos start, model::TextPos end);

}  // namespace interaction
