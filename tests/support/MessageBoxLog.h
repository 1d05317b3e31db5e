// Every message box of the scope answered instead of shown, and kept.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "winkit/MessageBoxes.h"

namespace testsupport {

class MessageBoxLog final {
public:
    explicit MessageBoxLog(int answer = IDOK);
    MessageBoxLog(const MessageBoxLog&) = delete;
    MessageBoxLog& operator=(const MessageBoxLog&) = delete;

    std::vector<std::wstring> Texts() const;

    std::vector<winkit::MessageBoxRequest> boxes;
    // The button every box is answered with.
    int answer;
    // What goes on while a box is up, its message loop running.
    std::function<void()> whileShown;

private:
    winkit::ScopedMessageBoxAnswer answer_;
};

}  // namespace testsupport
