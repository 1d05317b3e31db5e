// The find history in the program's settings: the last search texts, newest
// first, in section "OndelleFindStrings" as "LRU count", "No.0", "No.1", ...
// and "last select".
#pragma once

#include <string>
#include <vector>

#include "appkit/framework/Application.h"

namespace interaction {

inline constexpr char kFindHistorySection[] = "OndelleFindStrings";
inline constexpr int kFindHistoryLength = 10;

// A settings object kept in one section of the application's settings.
class Registers_base {
public:
    explicit Registers_base(appkit::Application* app = appkit::Application::Current()) : app_(app) {}
    virtual ~Registers_base() = default;

    void SetSection(const std::string& section) { section_ = section; }
    virtual void Save() = 0;
    virtual void Load() = 0;

protected:
    std::string section_;
    // The running application, whose settings key holds the section; without
    // one nothing is read or written.
    appkit::Application* app_;
};

// The strings of a combo box's list and its selected index.
class RegistComboEntry final : public Registers_base {
public:
    using Registers_base::Registers_base;

    // "LRU count" is trusted only within 0 to 10; missing strings read as empty.
    void Load() override;
    void Save() override;

    std::vector<std::string> strings;
    int selected = 0;
};

}  // namespace interaction
