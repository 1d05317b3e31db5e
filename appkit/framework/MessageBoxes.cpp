#include "appkit/framework/MessageBoxes.h"

#include "appkit/framework/Application.h"
#include "appkit/framework/FrameworkIds.h"
#include "appkit/framework/ResourceText.h"

namespace appkit {
namespace {

std::function<int(const MessageBoxRequest&)>& AnswerSlot() {
    static std::function<int(const MessageBoxRequest&)> slot;
    return slot;
}

// The main window's last active popup, so a box raised while a dialog of the
// program is up stays in front of that dialog.
HWND ProgramOwner() {
    Application* app = Application::Current();
    HWND main = app ? app->MainWindow() : nullptr;
    return main ? GetLastActivePopup(main) : nullptr;
}

std::string ProgramCaption() {
    Application* app = Application::Current();
    return app ? app->AppName() : LoadText(APPKIT_IDS_APP_NAME);
}

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (const auto& answer = AnswerSlot()) return answer(MessageBoxRequest{owner, text, caption, type});
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

int AppMessageBox(const std::string& text, UINT type) {
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    return ShowMessageBox(ProgramOwner(), text, ProgramCaption(), type);
}

int AppMessageBox(UINT textId, UINT type) { return AppMessageBox(LoadText(textId), type); }

ScopedMessageBoxAnswer::ScopedMessageBoxAnswer(std::function<int(const MessageBoxRequest&)> answer)
    : ScopedOverride(AnswerSlot(), std::move(answer)) {}

}  // namespace appkit
