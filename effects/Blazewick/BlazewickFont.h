// BlazewickFont ("Blazewick"): the swaying fire in hot colours, black through
// red and yellow to white, cooling less, with a fire ball under the pointer.
#pragma once

#include "effects/common/SwayingFire.h"

class BlazewickFont : public palette::SwayingFireEffect {
public:
    static constexpr contract::Module kModule = contract::Module::Blazewick;

protected:
    BlazewickFont();
};
