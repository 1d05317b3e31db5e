// The most recently opened files, newest first, kept in the profile section
// "Recent File List" as "File1", "File2", ... and shown in the File menu in
// place of the item with command APPKIT_ID_FILE_MRU_FIRST (the placeholder,
// shown greyed while the list is empty). A menu without that item shows no list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace appkit {

class Profile;

class RecentFileList {
public:
    // At most 16 entries (the command range).
    explicit RecentFileList(size_t capacity = 0);

    const std::vector<std::string>& Entries() const { return entries_; }
    // Puts `path` first; an entry for the same file (in any letter case) goes.
    void Add(const std::string& path);
    void Remove(const std::string& path);

    void Load(const Profile& profile);
    void Save(Profile& profile) const;

    void UpdateMenu(HMENU popup);

private:
    size_t capacity_;
    std::vector<std::string> entries_;
    std::string placeholder_;  // the placeholder item's text, kept from its first sight
};

}  // namespace appkit
