// A VARIANT cleared at scope end, whatever it came to hold.
#pragma once

#include <oleauto.h>

namespace comkit {

struct Variant {
    VARIANT value;
    Variant() { VariantInit(&value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&value); }
};

}  // namespace comkit
