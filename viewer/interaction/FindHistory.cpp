#include "viewer/interaction/FindHistory.h"

#include <algorithm>

namespace interaction {
namespace {

constexpr char kCount[] = "LRU count";
constexpr char kSelected[] = "last select";

std::string EntryName(int index) { return "No." + std::to_string(index); }

}  // namespace

void RegistComboEntry::Load() {
    strings.clear();
    selected = 0;
    if (!app_) return;
    // A count stored as a negative number reads back negative and means none.
    const int stored = static_cast<int>(app_->GetProfileInt(section_, kCount, 0));
    const int count = std::clamp(stored, 0, kFindHistoryLength);
    for (int i = 0; i < count; ++i) strings.push_back(app_->GetProfileString(section_, EntryName(i), ""));
    selected = static_cast<int>(app_->GetProfileInt(section_, kSelected, 0));
}

void RegistComboEntry::Save() {
    if (!app_) return;
    app_->WriteProfileInt(section_, kCount, static_cast<UINT>(strings.size()));
    for (size_t i = 0; i < strings.size(); ++i) app_->WriteProfileString(section_, EntryName(static_cast<int>(i)), strings[i]);
    app_->WriteProfileInt(section_, kSelected, static_cast<UINT>(selected));
}

}  // namespace interaction
