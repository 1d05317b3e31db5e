#include "appkit/framework/StandardMessages.h"

#include "appkit/framework/FrameworkIds.h"
#include "appkit/framework/MessageBoxes.h"
#include "appkit/framework/ResourceText.h"

namespace appkit {
namespace {

UINT FileErrorText(DWORD win32Error) {
    switch (win32Error) {
    case ERROR_FILE_NOT_FOUND: return APPKIT_IDS_FILE_NOT_FOUND;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY: return APPKIT_IDS_FILE_BAD_PATH;
    case ERROR_TOO_MANY_OPEN_FILES: return APPKIT_IDS_FILE_TOO_MANY_OPEN;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED: return APPKIT_IDS_FILE_ACCESS_DENIED;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return APPKIT_IDS_FILE_SHARING;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return APPKIT_IDS_FILE_DISK_FULL;
    default: return APPKIT_IDS_FILE_GENERIC;
    }
}

UINT ArchiveErrorText(ArchiveError::Cause cause) {
    switch (cause) {
    case ArchiveError::Cause::EndOfData: return APPKIT_IDS_ARCHIVE_END_OF_DATA;
    case ArchiveError::Cause::ReadFailed: return APPKIT_IDS_ARCHIVE_READ_FAILED;
    case ArchiveError::Cause::WriteFailed: return APPKIT_IDS_ARCHIVE_WRITE_FAILED;
    case ArchiveError::Cause::OutOfMemory: return APPKIT_IDS_ARCHIVE_OUT_OF_MEMORY;
    case ArchiveError::Cause::WrongMode: break;
    }
    return APPKIT_IDS_ARCHIVE_GENERIC;
}

}  // namespace

void ReportFileError(const std::string& path, DWORD win32Error) {
    AppMessageBox(FormatText(FileErrorText(win32Error), path));
}

void ReportArchiveError(const std::string& path, const ArchiveError& error) {
    AppMessageBox(FormatText(ArchiveErrorText(error.cause()), path));
}

void ReportOpenFailure() { AppMessageBox(APPKIT_IDS_FAILED_TO_OPEN_DOC); }

}  // namespace appkit
