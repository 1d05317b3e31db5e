// The effect half of a stored run: the class identifier as text and the
// property blob (nSize, nVersion, then nSize payload bytes: the head and
// payload of the tagPersistMemory record the effect saves).
//
// A blob follows a run record exactly when its effect has IViviFontProperty;
// the record itself does not say so. A reader therefore decides it from the
// prototype it found, or assumes a blob for a class it does not know, as
// every effect module has settings. The Static class never has one, found or
// not, so a reader that lacks it stays in step.
#pragma once

#include <optional>
#include <string>

#include "contract/contract.h"

namespace appkit {
class Archive;
}

namespace model {

const CLSID& StaticClsid();

// Braces, 38 characters, upper-case hexadecimal, as StringFromCLSID writes it.
std::string ClsidText(const CLSID& clsid);

// The class a run stores for its effect: Static for a run without an effect
// or one that cannot say its class, since a reader makes such a run Static.
CLSID StoredClass(IViviFont* effect);
// Whether a reader expects a blob after a run of the class; `prototype` is
// the installed prototype found for it, null when there is none.
bool CarriesBlob(const std::optional<CLSID>& clsid, IViviFont* prototype);

// Writes the blob when the effect has settings. A SaveProperty that fails,
// gives no record or a record larger than its block writes an empty blob, so
// that readers stay in step.
void StoreEffectProperty(appkit::Archive& archive, IViviFont& effect);
// Reads a blob into the effect. A size beyond the data left is the archive's
// end-of-data error, raised before anything is allocated.
void LoadEffectProperty(appkit::Archive& archive, IViviFontProperty& property);
void SkipEffectProperty(appkit::Archive& archive);

}  // namespace model
