// The About box (dialog IDD_ABOUTBOX): icon, version line, notice and OK.
#pragma once

#include "appkit/framework/Dialog.h"
#include "viewer/app/ViewerIds.h"

namespace app {

class QuillonAbout final : public appkit::Dialog {
public:
    QuillonAbout() : Dialog(IDD_ABOUTBOX) {}
};

}  // namespace app
