// A second program that reads the clipboard the way the authoring program
// does: it writes the CF_TEXT and "OndelleWriter ver1.0" data it finds to the
// file named on its command line, each as a 32-bit size and the bytes, and
// exits with the number of formats that were missing.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 || !OpenClipboard(nullptr)) return 10;
    std::string out;
    int missing = 0;
    for (const UINT format : {UINT{CF_TEXT}, RegisterClipboardFormatA("OndelleWriter ver1.0")}) {
        const HANDLE data = GetClipboardData(format);
        const void* bytes = data ? GlobalLock(data) : nullptr;
        if (!bytes) {
            ++missing;
            continue;
        }
        const auto size = static_cast<std::uint32_t>(GlobalSize(data));
        out.append(reinterpret_cast<const char*>(&size), sizeof size);
        out.append(static_cast<const char*>(bytes), size);
        GlobalUnlock(data);
    }
    CloseClipboard();
    std::ofstream(argv[1], std::ios::binary) << out;
    return missing;
}
