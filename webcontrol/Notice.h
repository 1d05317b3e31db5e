// The messages the control shows the page's user. Tests install a sink of
// their own; the control's code only asks for a message to be shown.
#pragma once

#include <windows.h>

#include <string>

namespace netrune {

class NoticeSink {
public:
    virtual void Show(const std::wstring& text, const std::wstring& caption, UINT type) = 0;

protected:
    ~NoticeSink() = default;
};

// Null brings back the message box.
void SetNoticeSink(NoticeSink* sink);

// put ViviFontCLSID with text that is no class identifier.
void NoticeInvalidClsid(const std::wstring& text);
// The effect could not be created and no download was started.
void NoticeCreationFailed(const CLSID& clsid, HRESULT failure);
// A downloader could not be made.
void NoticeNoDownloader();

}  // namespace netrune
