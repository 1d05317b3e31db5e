// The property map of a control: the order in which its properties are saved
// to streams and property bags and applied when loaded from them. The extent
// is kept by the control base; every other entry goes through the control's
// IDispatch by its DISPID.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <span>

namespace comkit {

struct PropertyEntry {
    enum class Kind { ExtentWidth, ExtentHeight, Dispatch };
    const wchar_t* name;
    Kind kind;
    DISPID dispid;  // Dispatch entries only
    VARTYPE type;   // what the bag's value is converted to before the put
};

using PropertyMap = std::span<const PropertyEntry>;

}  // namespace comkit
