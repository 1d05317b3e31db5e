#include "tests/webcontrol/spy/SpyFont.h"

#include <memory>
#include <string>

#include "winkit/FileHandle.h"

namespace spy {
namespace {

// {5F1E7A10-3C2B-4D7E-9A61-0B2C3D4E5F60}
constexpr CLSID kClassId = {0x5F1E7A10, 0x3C2B, 0x4D7E, {0x9A, 0x61, 0x0B, 0x2C, 0x3D, 0x4E, 0x5F, 0x60}};

// Opens the file for each line, so that the test reads every line written.
class FileLog final : public testsupport::FakeEffectLog {
public:
    FileLog() { save = Save::Fails; }

    void Write(int instance, const std::string& text) override {
        char path[MAX_PATH];
        if (!GetEnvironmentVariableA("NETRUNE_SPY_LOG", path, MAX_PATH)) return;
        std::string line = "#";
        line.append(std::to_string(instance)).append(" ").append(text).append("\n");
        const winkit::FileHandle file(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return;
        DWORD written = 0;
        WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
};

std::shared_ptr<testsupport::FakeEffectLog> ProcessLog() {
    static const auto log = std::make_shared<FileLog>();
    return log;
}

}  // namespace

const CLSID& SpyFont::ClassId() { return kClassId; }

SpyFont::SpyFont()
    : FakeEffect(ProcessLog(), {.name = L"Spy",
                                .widths = {kArea.cx},
                                .area = kArea,
                                .clsid = kClassId,
                                .settings = true,
                                .paints = true}) {}

}  // namespace spy
