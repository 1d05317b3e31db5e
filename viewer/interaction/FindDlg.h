// The modeless find dialog: the user types or picks a search text, chooses
// whether to search from the document's start, upwards or downwards from
// the caret, and whether half-width letters match without regard to case.
// The last ten search texts stay in its drop-down list and in the settings.
// Several can be open at once; each loads the history when it opens and
// saves its own list when it is closed.
#pragma once

#include <string>

#include "appkit/framework/Dialog.h"
#include "viewer/interaction/FindTarget.h"

namespace interaction {

class FindDlg final : public appkit::Dialog {
public:
    // Opens and shows a dialog on `target`, owned by the program's main
    // window; null when it could not be created. The dialog deletes itself
    // when its window is destroyed, with the main window at the latest;
    // `target` must outlive it.
    static FindDlg* Open(FindTarget& target);

private:
    explicit FindDlg(FindTarget& target);

    bool OnInitDialog() override;
    void OnCancel() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void PostNcDestroy() override { delete this; }

    // Reads the controls into the fields below.
    void ReadControls();
    std::string ComboText() const;
    void OnFind();
    // Puts the text at the top of the list, removing an equal entry (in any
    // case) and the one past the tenth.
    void AddToHistory(const std::string& text);
    void ShowNotFound() const;

    // The radio buttons' order.
    enum Direction { kFromStart, kUp, kDown };

    FindTarget& target_;
    int direction_ = kDown;
    std::string searchText_;
    bool fold_ = false;
};

}  // namespace interaction
