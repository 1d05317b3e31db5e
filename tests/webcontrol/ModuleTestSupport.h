// What the tests of the built modules share: their files, their registration
// by regsvr32 as an installer would make it, the registry's answer for a
// class, and a Rain settings record whose effect is plain to see.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <optional>
#include <string>

#include "tests/support/System.h"
#include "tests/webcontrol/PropertyRecords.h"

namespace webtest {

std::wstring NetruneModule();
std::wstring RainModule();
std::wstring SpyModule();
const CLSID& RainClsid();
using testsupport::ClsidText;
using testsupport::RegisteredServer;
using testsupport::Regsvr32;

// Removes the class key, however the class was registered.
void ForgetClass(const CLSID& clsid);
std::string FileBytes(const std::wstring& path);

// Rain settings that leave the run's colours unused: its background is
// then its own black, whatever the container's ambient background.
Bytes RainRecordWithoutRunColours();
// Pixels of a background colour in the window when Rain's background shows
// (a 48-pixel run leaves well over this between its letters), and at most
// when it does not (a few streaks pass through the blue of Rain's palette).
constexpr int kBackgroundShown = 800;
constexpr int kBackgroundAbsent = 200;
// Pixels of the colour in the control's window, as it is on the screen.
int WindowCount(IUnknown* control, COLORREF colour);
// Rain's own black background shows in the control's window, and the page's
// background colour does not.
bool ShowsRainsOwnBackground(IUnknown* control, COLORREF page);

}  // namespace webtest
