// The messages the control shows the page's user, in winkit's message boxes
// (which a test answers); the control's code only asks for a message to be
// shown.
#pragma once

#include <windows.h>

#include <string>

namespace netrune {

// put ViviFontCLSID with text that is no class identifier.
void NoticeInvalidClsid(const std::wstring& text);
// The effect could not be created and no download was started.
void NoticeCreationFailed(const CLSID& clsid, HRESULT failure);
// A downloader could not be made.
void NoticeNoDownloader();

}  // namespace netrune
