#include "bench/BenchDocument.h"

#include <cstdio>
#include <memory>

#include "appkit/archive/FileArchive.h"
#include "comkit/Make.h"
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
    comkit::ComPtr<IViviFont> Create() override { return comkit::Make<StaticFont>(); }
    void ReportUnavailable() override {}
};

constexpr COLORREF kNight = RGB(8, 10, 40);
constexpr COLORREF kPale = RGB(200, 230, 255);

struct Shape {
    int lines;
    int runsPerLine;
    int points;
};

// Writes `shape` with runs of `text(run number)`, each with a clone of a
// new object of `effect` (null: the Static effect).
template <class Text>
bool WriteDocument(const std::wstring& path, const CLSID* effect, Shape shape, Text&& text) {
    BuiltInStatic statics;
    comkit::ComPtr<IViviFont> prototype;
    if (effect &&
        FAILED(CoCreateInstance(*effect, nullptr, CLSCTX_INPROC_SERVER, IID_IViviFont, prototype.put_void())))
        return false;

    model::Text document;
    document.SetBkColor(kNight);
    for (int index = 0; index < shape.lines; ++index) {
        auto line = document.TemplateLine().Clone();
        for (int r = 0; r < shape.runsPerLine; ++r) {
            auto run = std::make_unique<model::Paragraph>();
            run->SetText(text(index * shape.runsPerLine + r));
            run->SetPoints(shape.points);
            run->SetColor(kPale);
            if (prototype) {
                comkit::ComPtr<IViviFont> clone;
                if (FAILED(prototype->Clone(clone.put())) || !clone) return false;
                run->SetEffect(std::move(clone));
            }
            line->AppendRun(std::move(run));
        }
        document.AppendLine(std::move(line));
    }

    winkit::FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    try {
        NoHost host;
        appkit::FileArchive archive(file.get(), appkit::Archive::Mode::Store);
        document.Serialize(archive, host);
        archive.Close();
    } catch (const appkit::ArchiveError&) {
        return false;
    }
    return true;
}

std::string LineText(int index) {
    wchar_t text[64];
    std::swprintf(text, 64, L"雨の日の文字列 Quillon No.%06d", index);
    return winkit::ToAnsi(text, 932);
}

}  // namespace

const char* KindName(RunKind kind) { return kind == RunKind::Plain ? "plain" : "rain"; }

bool WriteBenchDocument(const std::wstring& path, RunKind kind, int lines) {
    const CLSID* rain = kind == RunKind::Rain ? &contract::Identity(contract::Module::Rain).clsid : nullptr;
    return WriteDocument(path, rain, {lines, 1, 20}, LineText);
}

bool WriteAnimationDocument(const std::wstring& path, const CLSID* effect) {
    const std::string text = winkit::ToAnsi(L"雨の文字 Quill", 932);
    return WriteDocument(path, effect, {kAnimationLines, kAnimationRunsPerLine, kAnimationPoints},
                         [&text](int) { return text; });
}

}  // namespace bench
