// What the framework tests share: a clean start for each test and scratch files.
#pragma once

#include <string>

#include <gtest/gtest.h>

namespace probe {

// Every test starts with an empty event log, no settings of the probe
// company and no messages left in the thread's queue, and leaves none.
class ProbeTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// A file in the temporary folder, deleted at scope end.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& bytes);
    // A path where no file is.
    ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile();
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace probe
