// The main frame: the view, the menu and the shortcuts. Its title is the
// document template's window title alone, never a document name; it has no
// tool bar and no status bar.
#pragma once

#include "appkit/framework/FrameWindow.h"

namespace app {

class CMainFrame final : public appkit::FrameWindow {};

}  // namespace app
