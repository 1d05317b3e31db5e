#include "viewer/core/TempFile.h"

#include <windows.h>

namespace core {

const std::string& TempFile::Create() {
    // The new name is taken while the old file still holds its own, so the
    // two never coincide.
    const std::string previous = deleteOnDestruction_ ? std::move(path_) : std::string();
    path_.clear();
    char folder[MAX_PATH + 1];
    char name[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length > 0 && length <= sizeof folder && GetTempFileNameA(folder, prefix_.c_str(), 0, name) != 0) path_ = name;
    if (!previous.empty()) DeleteFileA(previous.c_str());
    return path_;
}

void TempFile::DeleteIfOwned() {
    if (deleteOnDestruction_ && !path_.empty()) DeleteFileA(path_.c_str());
}

}  // namespace core
