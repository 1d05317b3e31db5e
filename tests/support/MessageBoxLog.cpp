#include "tests/support/MessageBoxLog.h"

namespace testsupport {

MessageBoxLog::MessageBoxLog(int answer)
    : answer(answer), answer_([this](const winkit::MessageBoxRequest& box) {
          boxes.push_back(box);
          if (whileShown) whileShown();
          return this->answer;
      }) {}

std::vector<std::wstring> MessageBoxLog::Texts() const {
    std::vector<std::wstring> texts;
    for (const winkit::MessageBoxRequest& box : boxes) texts.push_back(box.text);
    return texts;
}

}  // namespace testsupport
