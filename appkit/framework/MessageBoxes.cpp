#include "appkit/framework/MessageBoxes.h"

#include "appkit/framework/Application.h"
#include "appkit/framework/FrameworkIds.h"
#include "appkit/framework/ResourceText.h"
#include "winkit/AnsiText.h"
#include "winkit/MessageBoxes.h"

namespace appkit {
namespace {

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
    // The program's texts are in the ANSI code page, as the box would read them.
    return winkit::ShowMessageBox({owner, winkit::ToWide(text), winkit::ToWide(caption), type});
}

int AppMessageBox(const std::string& text, UINT type) {
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    return ShowMessageBox(ProgramOwner(), text, ProgramCaption(), type);
}

int AppMessageBox(UINT textId, UINT type) { return AppMessageBox(LoadText(textId), type); }

}  // namespace appkit
