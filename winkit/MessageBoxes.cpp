#include "winkit/MessageBoxes.h"

namespace winkit {
namespace {

std::function<int(const MessageBoxRequest&)>& AnswerSlot() {
    static std::function<int(const MessageBoxRequest&)> slot;
    return slot;
}

}  // namespace

int ShowMessageBox(const MessageBoxRequest& request) {
    if (const auto& answer = AnswerSlot()) return answer(request);
    return MessageBoxW(request.owner, request.text.c_str(), request.caption.c_str(), request.type);
}

ScopedMessageBoxAnswer::ScopedMessageBoxAnswer(std::function<int(const MessageBoxRequest&)> answer)
    : ScopedOverride(AnswerSlot(), std::move(answer)) {}

}  // namespace winkit
