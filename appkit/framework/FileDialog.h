// The common Open and Save dialogs, through a slot that a test can answer.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

#include "winkit/ScopedOverride.h"

namespace appkit {

struct FileDialogRequest {
    bool open = true;          // false: a Save dialog
    HWND owner = nullptr;
    std::string title;         // empty: the system's title
    std::string defaultExt;    // without the dot
    std::string fileName;      // initial file name
    std::string filter;        // "Name|*.ext|Name|*.*||"; empty: none
    DWORD flags = 0;           // OFN_* flags
};

// The chosen path, or nothing when the user cancelled.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request);

// The filter in the dialog's form: each '|' a NUL, double-byte characters
// (whose trail byte may be '|') left whole, two NULs at the end.
std::string DialogFilter(const std::string& filter);

// While it lives, every file dialog is answered by `answer` instead of a person.
class ScopedFileDialogAnswer : public winkit::ScopedOverride<std::optional<std::string>(const FileDialogRequest&)> {
public:
    explicit ScopedFileDialogAnswer(std::function<std::optional<std::string>(const FileDialogRequest&)> answer);
};

}  // namespace appkit
