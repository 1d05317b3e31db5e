// The messages a command shows when a file or an archive fails it: the
// reason, in the program's message box, with the file's path in it.
#pragma once

#include <windows.h>

#include <string>

#include "appkit/archive/ArchiveError.h"

namespace appkit {

// A file that could not be opened or created; `win32Error` from GetLastError.
void ReportFileError(const std::string& path, DWORD win32Error);
// An archive over `path` that failed while reading or writing.
void ReportArchiveError(const std::string& path, const ArchiveError& error);
// A document load that failed for a reason neither of the above names.
void ReportOpenFailure();

}  // namespace appkit
