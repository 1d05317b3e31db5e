#include "viewer/app/Messages.h"

#include "appkit/framework/MessageBoxes.h"
#include "winkit/AnsiText.h"

namespace app {

int ShowMessage(std::wstring_view text, UINT style) { return appkit::AppMessageBox(winkit::ToAnsi(text), style); }

core::UserMessage MessageBoxSink() {
    return [](const std::wstring& text, UINT style) { ShowMessage(text, style); };
}

}  // namespace app
