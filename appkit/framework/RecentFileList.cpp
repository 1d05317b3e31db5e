#include "appkit/framework/RecentFileList.h"

#include <algorithm>

#include "appkit/framework/FrameworkIds.h"
#include "appkit/framework/Profile.h"

namespace appkit {
namespace {

constexpr char kSection[] = "Recent File List";
constexpr size_t kMostEntries = APPKIT_ID_FILE_MRU_LAST - APPKIT_ID_FILE_MRU_FIRST + 1;

std::string EntryName(size_t index) { return "File" + std::to_string(index + 1); }

bool IsListCommand(UINT id) { return id >= APPKIT_ID_FILE_MRU_FIRST && id <= APPKIT_ID_FILE_MRU_LAST; }

// "&1 path", with every '&' of the path doubled so it shows as itself.
std::string MenuText(size_t index, const std::string& path) {
    std::string text(1, '&');
    text += std::to_string(index + 1);
    text += ' ';
    for (const char c : path) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

}  // namespace

RecentFileList::RecentFileList(size_t capacity) : capacity_(std::min(capacity, kMostEntries)) {}

void RecentFileList::Add(const std::string& path) {
    if (capacity_ == 0 || path.empty()) return;
    Remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_) entries_.resize(capacity_);
}

void RecentFileList::Remove(const std::string& path) {
    std::erase_if(entries_, [&](const std::string& entry) { return lstrcmpiA(entry.c_str(), path.c_str()) == 0; });
}

void RecentFileList::Load(const Profile& profile) {
    entries_.clear();
    for (size_t i = 0; i < capacity_; ++i) {
        std::string path = profile.GetString(kSection, EntryName(i), {});
        if (!path.empty()) entries_.push_back(std::move(path));
    }
}

void RecentFileList::Save(Profile& profile) const {
    // Every slot is written, so that entries of a longer earlier list do not come back.
    for (size_t i = 0; i < capacity_; ++i)
        profile.WriteString(kSection, EntryName(i), i < entries_.size() ? entries_[i] : std::string());
}

void RecentFileList::UpdateMenu(HMENU popup) {
    int first = -1;
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
        if (!IsListCommand(GetMenuItemID(popup, i))) continue;
        if (placeholder_.empty() && GetMenuItemID(popup, i) == APPKIT_ID_FILE_MRU_FIRST) {
            char text[256] = {};
            GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            placeholder_ = text;
        }
        DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
        first = i;
    }
    if (first < 0) return;
    if (entries_.empty()) {
        InsertMenuA(popup, static_cast<UINT>(first), MF_BYPOSITION | MF_STRING | MF_GRAYED, APPKIT_ID_FILE_MRU_FIRST,
                    placeholder_.c_str());
        return;
    }
    for (size_t i = 0; i < entries_.size(); ++i)
        InsertMenuA(popup, static_cast<UINT>(first) + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                    APPKIT_ID_FILE_MRU_FIRST + i, MenuText(i, entries_[i]).c_str());
}

}  // namespace appkit
