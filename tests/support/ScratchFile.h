// A path in the temporary folder whose file is deleted at scope end.
#pragma once

#include <string>

namespace testsupport {

class ScratchFile {
public:
    ScratchFile();  // no file there yet
    explicit ScratchFile(const std::string& bytes);
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile();
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace testsupport
