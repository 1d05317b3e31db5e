// The main frame: a top-level window with the program's menu, accelerators
// and icon, hosting one view that fills its client area. Commands from the
// menu, the accelerators and popup menus owned by the frame are routed
//   view -> the view's document -> the frame -> the application,
// and run only while their update state says enabled; before a popup menu
// opens, each item is enabled or greyed by the same route and the recent
// files are written into the File menu.
#pragma once

#include <memory>
#include <string>

#include "appkit/framework/CommandTarget.h"
#include "appkit/framework/View.h"
#include "appkit/framework/Window.h"

namespace appkit {

class Document;

class FrameWindow : public Window, public CommandTarget {
public:
    ~FrameWindow() override;

    // Creates the frame (hidden) with the menu, accelerators and icon of
    // `resourceId`, titled `title`, and `view` inside it showing `document`.
    bool LoadFrame(UINT resourceId, const std::string& title, std::unique_ptr<View> view, Document& document);

    View* GetActiveView() const { return view_.get(); }

    // Translates an accelerator key meant for this frame or a window inside it.
    bool TranslateAccelerators(MSG& msg);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Carries command `id` out along the route when it is enabled; true when
    // some target took it.
    bool RouteCommand(UINT id);
    bool IsCommandEnabled(UINT id);
    bool Route(UINT id, CommandCall& call);
    void UpdateMenu(HMENU popup);

    std::unique_ptr<View> view_;
    HACCEL accelerators_ = nullptr;
};

}  // namespace appkit
