#include "bench/BenchDocument.h"

#include <cstdio>
#include <memory>

#include "appkit/FileArchive.h"
#include "comkit/ComPtr.h"
#include "contract/module_identity.h"
#include "effects/static/StaticFont.h"
#include "viewer/model/DefaultEffect.h"
#include "viewer/model/RecordHost.h"
#include "viewer/model/Text.h"
#include "winkit/AnsiText.h"
#include "winkit/FileHandle.h"

namespace bench {
namespace {

// Storing a record asks the host nothing.
class NoHost final : public model::RecordHost {
public:
    IViviFont* FindEffectByClsid(const CLSID&) override { return nullptr; }
    void ShowMessage(const std::wstring&, UINT) override {}
};

// Runs being written start with a Static effect built into this program: the
// writer's cost is not what the benchmark times.
class BuiltInStatic final : public model::DefaultEffectSource {
public:
    BuiltInStatic() { model::SetDefaultEffectSource(this); }
    BuiltInStatic(const BuiltInStatic&) = delete;
    BuiltInStatic& operator=(const BuiltInStatic&) = delete;
    ~BuiltInStatic() { model::SetDefaultEffectSource(nullptr); }
    comkit::ComPtr<IViviFont> Create() override { return comkit::ComPtr<IViviFont>(new StaticFont); }
    void ReportUnavailable() override {}
};

std::string LineText(int index) {
    wchar_t text[64];
    std::swprintf(text, 64, L"雨の日の文字列 Quillon No.%06d", index);
    return winkit::ToAnsi(text, 932);
}

}  // namespace

const char* KindName(RunKind kind) { return kind == RunKind::Plain ? "plain" : "rain"; }

bool WriteBenchDocument(const std::wstring& path, RunKind kind, int lines) {
    BuiltInStatic statics;
    comkit::ComPtr<IViviFont> rain;
    if (kind == RunKind::Rain &&
        FAILED(CoCreateInstance(contract::Identity(contract::Module::Rain).clsid, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IViviFont, rain.put_void())))
        return false;

    model::Text text;
    text.SetBkColor(RGB(8, 10, 40));
    for (int index = 0; index < lines; ++index) {
        auto run = std::make_unique<model::Paragraph>();
        run->SetText(LineText(index));
        run->SetPoints(20);
        run->SetColor(RGB(200, 230, 255));
        if (rain) {
            comkit::ComPtr<IViviFont> clone;
            if (FAILED(rain->Clone(clone.put())) || !clone) return false;
            run->SetEffect(std::move(clone));
        }
        auto line = text.TemplateLine().Clone();
        line->AppendRun(std::move(run));
        text.AppendLine(std::move(line));
    }

    winkit::FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    try {
        NoHost host;
        appkit::FileArchive archive(file.get(), appkit::Archive::Mode::Store);
        text.Serialize(archive, host);
        archive.Close();
    } catch (const appkit::ArchiveError&) {
        return false;
    }
    return true;
}

}  // namespace bench
