// The effect classes installed on this machine: one prototype object of each
// class in the effect category, made once at start-up. A run that names an
// effect gets a Clone of its prototype; the prototypes themselves are never
// bound to a run.
#pragma once

#include <windows.h>
#include <comcat.h>

#include <cstddef>
#include <vector>

#include "comkit/ComPtr.h"
#include "contract/contract.h"
#include "viewer/core/UserMessage.h"

namespace core {

class EffectCatalogue {
public:
    EffectCatalogue() = default;
    EffectCatalogue(const EffectCatalogue&) = delete;
    EffectCatalogue& operator=(const EffectCatalogue&) = delete;
    ~EffectCatalogue() { ReleaseEffectCatalogue(); }

    // Through the system's component categories manager, or by scanning the
    // classes root when no manager can be created.
    void BuildEffectCatalogue(const UserMessage& show);
    // With a given manager. When it cannot enumerate the category the user is
    // told so and the catalogue stays empty; the registry is not scanned then.
    void BuildFromCategoryManager(ICatInformation& manager, const UserMessage& show);
    // Appends every class under `classesRoot`\CLSID whose "Implemented
    // Categories" lists `category`.
    void EnumCategoryFromRegistry(HKEY classesRoot, const CATID& category);

    // The first prototype whose GetCLSID equals `clsid`, without an added
    // reference (the caller clones it at once); null when there is none.
    IViviFont* FindEffectByClsid(const CLSID& clsid) const;

    // Releases the prototypes in the order they were found.
    void ReleaseEffectCatalogue();

    std::size_t Count() const { return prototypes_.size(); }
    // `index` below Count().
    IViviFont* At(std::size_t index) const { return prototypes_[index].get(); }

private:
    // Classes that cannot be created in process or lack IViviFont are skipped.
    void Append(const CLSID& clsid);

    std::vector<comkit::ComPtr<IViviFont>> prototypes_;
};

}  // namespace core
