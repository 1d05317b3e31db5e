// A file in the user's temporary folder through which the viewer hands data
// to code that reads files: an appended document on its way to the reader,
// an appended module on its way to registration.
#pragma once

#include <string>
#include <utility>

namespace core {

class TempFile {
public:
    // Name prefix of the documents copied out of viewer executables.
    static constexpr const char* kDocumentPrefix = "ONW";

    explicit TempFile(std::string prefix = kDocumentPrefix) : prefix_(std::move(prefix)) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    // Deletes the file when asked to (SetDeleteOnDestruction).
    ~TempFile() { DeleteIfOwned(); }

    // Creates a new empty file with a unique name that begins with the prefix
    // and answers its full path; empty when no file could be created. A file
    // created before by this object and marked for deletion is deleted.
    const std::string& Create();
    const std::string& Path() const { return path_; }
    void SetDeleteOnDestruction(bool on) { deleteOnDestruction_ = on; }

private:
    void DeleteIfOwned();

    std::string prefix_;
    std::string path_;
    bool deleteOnDestruction_ = false;
};

}  // namespace core
