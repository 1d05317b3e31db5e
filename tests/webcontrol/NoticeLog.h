// The control's messages caught instead of shown, for the scope.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "winkit/MessageBoxes.h"

namespace webtest {

class NoticeLog final {
public:
    NoticeLog() = default;
    NoticeLog(const NoticeLog&) = delete;
    NoticeLog& operator=(const NoticeLog&) = delete;

    struct Notice {
        std::wstring text;
        std::wstring caption;
        UINT type;
    };
    std::vector<Notice> notices;
    // What the page does while a message box is up, its message loop running.
    std::function<void()> whileShown;

private:
    winkit::ScopedMessageBoxAnswer answer_{[this](const winkit::MessageBoxRequest& box) {
        notices.push_back({box.text, box.caption, box.type});
        if (whileShown) whileShown();
        return IDOK;
    }};
};

}  // namespace webtest
