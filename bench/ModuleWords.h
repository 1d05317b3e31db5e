// The module words a benchmark's command line names, to run only those.
#pragma once

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Arguments `first` on, as module words.
inline std::vector<std::string> Words(int argc, wchar_t** argv, int first) {
    std::vector<std::string> words;
    for (int i = first; i < argc; ++i) words.emplace_back(argv[i], argv[i] + std::wcslen(argv[i]));
    return words;
}

// Whether a module is among the words (every module is when there are none).
inline bool Wanted(const std::vector<std::string>& only, std::string_view word) {
    return only.empty() || std::find(only.begin(), only.end(), word) != only.end();
}

}  // namespace bench
