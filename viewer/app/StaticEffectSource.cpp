#include "viewer/app/StaticEffectSource.h"

#include "appkit/framework/MessageBoxes.h"
#include "winkit/AnsiText.h"

namespace app {

void StaticEffectSource::ReportUnavailable() {
    // Owned by no window: the document that asked for the effect may be
    // opening before the main window is shown.
    appkit::ShowMessageBox(nullptr,
                           winkit::ToAnsi(L"Viviフォントコンポーネントが正しくインストールされていません\n"
                                          L"正しくセットアップしなおしてください"),
                           "Quillon", MB_OK | MB_ICONHAND);
    PostQuitMessage(1);
}

}  // namespace app
