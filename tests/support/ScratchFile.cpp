#include "tests/support/ScratchFile.h"

#include <windows.h>

#include <fstream>

namespace testsupport {

ScratchFile::ScratchFile() {
    char folder[MAX_PATH];
    char name[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "qts", 0, name);
    path_ = name;
    DeleteFileA(name);
}

ScratchFile::ScratchFile(const std::string& bytes) : ScratchFile() {
    std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFile::~ScratchFile() { DeleteFileA(path_.c_str()); }

}  // namespace testsupport
