// The class of the test module whose registration writes its keys and then
// fails (FailingRegistrationModule.cpp).
#pragma once

#include <windows.h>

namespace apptest {

inline constexpr CLSID kFailingRegistrationClsid = {
    0x0BADF00D, 0x3333, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x03}};

}  // namespace apptest
