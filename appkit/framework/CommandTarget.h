// Menu and accelerator commands. A command travels along a route of targets
// (view, its document, the frame, the application; see FrameWindow) until
// one takes it. The same route runs in two ways: to carry the command out, or
// to ask whether its menu item is enabled before a menu opens and before the
// command is carried out. A target answers both in one function:
//
//   bool MyView::OnCmdMsg(UINT id, appkit::CommandCall& call) {
//       switch (id) {
//       case ID_SAVE_TEXT: return call.Handle(this, &MyView::OnSaveText, &MyView::OnUpdateNeedsText);
//       case ID_SELECT_ALL: return call.Handle(this, &MyView::OnSelectAll);
//       }
//       return View::OnCmdMsg(id, call);
//   }
//
// A command that some target carries out but no target gives an update
// handler is enabled; one that no target carries out is disabled.
#pragma once

#include <windows.h>

#include <type_traits>

namespace appkit {

// The state an update handler sets for its command's menu item.
class CommandUI {
public:
    void Enable(bool enabled = true) { enabled_ = enabled; }
    bool IsEnabled() const { return enabled_; }

private:
    bool enabled_ = true;
};

class CommandCall {
public:
    // Carries the command out.
    CommandCall() = default;
    // Asks for the command's state into `ui`.
    explicit CommandCall(CommandUI& ui) : ui_(&ui) {}

    bool IsUpdate() const { return ui_ != nullptr; }
    // An update pass met a target that would carry the command out.
    bool FoundHandler() const { return foundHandler_; }
    void NoteHandler() { foundHandler_ = true; }

    // Runs `run` or `update` (either may be null) on `target` as this call
    // asks; true when the call is answered and the route ends here.
    template <class Target>
    bool Handle(Target* target, std::type_identity_t<void (Target::*)()> run,
                std::type_identity_t<void (Target::*)(CommandUI&)> update = nullptr) {
        if (ui_) {
            if (update) {
                (target->*update)(*ui_);
                return true;
            }
            if (run) NoteHandler();
            return false;
        }
        if (!run) return false;
        (target->*run)();
        return true;
    }

private:
    CommandUI* ui_ = nullptr;
    bool foundHandler_ = false;
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when this target answered the call for command `id`.
    virtual bool OnCmdMsg(UINT /*id*/, CommandCall& /*call*/) { return false; }
};

}  // namespace appkit
