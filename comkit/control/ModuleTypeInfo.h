// Type information of an interface described in the module's own type
// library (resource "TYPELIB" 1), whether or not the library is registered.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace comkit {

HRESULT LoadModuleTypeInfo(REFIID iid, ITypeInfo** info);

}  // namespace comkit
