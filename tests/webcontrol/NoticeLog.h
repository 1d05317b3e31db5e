// The control's messages caught instead of shown, for the scope.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "webcontrol/Notice.h"

namespace webtest {

class NoticeLog final : public netrune::NoticeSink {
public:
    NoticeLog() { netrune::SetNoticeSink(this); }
    ~NoticeLog() { netrune::SetNoticeSink(nullptr); }
    NoticeLog(const NoticeLog&) = delete;
    NoticeLog& operator=(const NoticeLog&) = delete;

    struct Notice {
        std::wstring text;
        std::wstring caption;
        UINT type;
    };
    void Show(const std::wstring& text, const std::wstring& caption, UINT type) override {
        notices.push_back({text, caption, type});
        if (whileShown) whileShown();
    }
    std::vector<Notice> notices;
    // What the page does while a message box is up, its message loop running.
    std::function<void()> whileShown;
};

}  // namespace webtest
