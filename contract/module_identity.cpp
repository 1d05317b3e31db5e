#include "contract/module_identity.h"

#include "contract/contract.h"

namespace contract {

namespace {
const ModuleIdentity kModules[] = {
#include "contract/module_table.inc"
};
}  // namespace

const CATID CATID_ViviFontObjects = {0x805C7300, 0x56D9, 0x11D2, {0xB8, 0xE1, 0x00, 0xA0, 0xC9, 0x6E, 0xED, 0x8B}};
const wchar_t kCategoryDescription[] = L"Tvk Vivi Font Objects";
const wchar_t kAuthor[] = L"Tarvik Corporation";

const ModuleIdentity& Identity(Module module) { return kModules[static_cast<int>(module)]; }

std::span<const ModuleIdentity> AllModules() { return kModules; }

}  // namespace contract
