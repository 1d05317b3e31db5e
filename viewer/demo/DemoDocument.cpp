// Writes the demo document: usage `quillon_demo_document OUTPUT.qvl`. The
// Static effect is built in; the other effect modules must be registered, and
// a module whose class cannot be created is left out. Exit code 0 when the
// document was written.
#include <windows.h>
#include <ole2.h>

#include <clocale>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "appkit/archive/FileArchive.h"
#include "winkit/FileHandle.h"
#include "comkit/ComPtr.h"
#include "comkit/TaskMem.h"
#include "contract/module_identity.h"
#include "viewer/model/DefaultEffect.h"
#include "viewer/model/RecordHost.h"
#include "viewer/model/Text.h"
#include "winkit/AnsiText.h"

namespace {

constexpr COLORREF kNight = RGB(8, 10, 40);

struct RunSpec {
    std::wstring_view text;
    int points;
    COLORREF colour;
    std::wstring_view face;
};

// Storing a record asks the host nothing.
class NoHost final : public model::RecordHost {
public:
    IViviFont* FindEffectByClsid(const CLSID&) override { return nullptr; }
    void ShowMessage(const std::wstring&, UINT) override {}
};

// Runs start with no effect, which the record writer stores as Static: the
// viewer's own carried Static module stays unregistered until the viewer
// installs it.
class NoDefaultEffect final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override { return {}; }
    void ReportUnavailable() override {}
};

comkit::ComPtr<IViviFont> CreateEffect(const contract::ModuleIdentity& identity) {
    comkit::ComPtr<IViviFont> effect;
    CoCreateInstance(identity.clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IViviFont, effect.put_void());
    return effect;
}

// Settings of the demo's own, written into an effect's property record
// through the contract: block offset and value.
struct Setting {
    unsigned offset;
    BYTE value;
};

// Heavier rain than the module's defaults: longer streaks, more drops.
constexpr Setting kPouring[] = {{46, 3}, {47, 60}};

void Configure(IViviFont& effect, std::span<const Setting> settings) {
    comkit::ComPtr<IViviFontProperty> property;
    if (FAILED(effect.QueryInterface(IID_IViviFontProperty, property.put_void()))) return;
    tagPersistMemory* saved = nullptr;
    const HRESULT hr = property->SaveProperty(&saved);
    const comkit::TaskMem<tagPersistMemory> record(saved);
    if (FAILED(hr) || !record) return;
    bool fits = true;
    for (const Setting& setting : settings) fits = fits && setting.offset < static_cast<unsigned>(record->nSize);
    if (!fits) return;
    for (const Setting& setting : settings) record->pData[setting.offset] = setting.value;
    property->LoadProperty(record.get());
}

void AddRun(model::Line& line, const RunSpec& spec, comkit::ComPtr<IViviFont> effect) {
    auto run = std::make_unique<model::Paragraph>();
    run->SetText(winkit::ToAnsi(spec.text, 932));
    run->SetPoints(spec.points);
    run->SetColor(spec.colour);
    run->SetFaceName(winkit::ToAnsi(spec.face, 932).c_str());
    if (effect) run->SetEffect(std::move(effect));
    line.AppendRun(std::move(run));
}

// Runs of the default (Static) effect, or of pouring Rain.
void AddLine(model::Text& text, std::initializer_list<RunSpec> runs, bool rain = false) {
    auto line = text.TemplateLine().Clone();
    for (const RunSpec& spec : runs) {
        comkit::ComPtr<IViviFont> effect;
        if (rain) effect = CreateEffect(contract::Identity(contract::Module::Rain));
        if (effect) Configure(*effect.get(), kPouring);
        AddRun(*line, spec, std::move(effect));
    }
    text.AppendLine(std::move(line));
}

std::wstring EffectName(IViviFont& effect) {
    comkit::TaskMemString name;
    if (FAILED(effect.Name(name.put())) || !name.get()) return L"?";
    return std::wstring(name.view());
}

void BuildDemo(model::Text& text) {
    text.SetBkColor(kNight);
    AddLine(text, {{L"Quillon ", 36, RGB(255, 214, 120), L"ＭＳ Ｐゴシック"},
                   {L"動く文字のビュワー", 36, RGB(255, 255, 255), L"ＭＳ Ｐゴシック"}});
    AddLine(text, {{L"小さな字 12pt ", 12, RGB(200, 200, 200), L"ＭＳ ゴシック"},
                   {L"18pt の明朝 ", 18, RGB(120, 220, 255), L"ＭＳ 明朝"},
                   {L"Mincho 24pt ", 24, RGB(255, 140, 170), L"ＭＳ Ｐ明朝"},
                   {L"赤い大きな字", 30, RGB(255, 60, 60), L"ＭＳ Ｐゴシック"}});
    AddLine(text, {{L"雨の中の文字 ", 40, RGB(140, 200, 255), L"ＭＳ Ｐゴシック"},
                   {L"Rain", 32, RGB(180, 255, 200), L"ＭＳ Ｐゴシック"}},
            true);
    AddLine(text, {{L"ASCII text in the plain Static effect, 20 points.", 20, RGB(255, 255, 160), L"ＭＳ Ｐゴシック"}});
    // Every other module that is installed, four to a line, so that all of
    // them fit the window.
    constexpr int kPerLine = 4;
    std::unique_ptr<model::Line> line;
    int onLine = 0;
    for (const contract::ModuleIdentity& identity : contract::AllModules()) {
        if (&identity == &contract::Identity(contract::Module::Static) ||
            &identity == &contract::Identity(contract::Module::Rain))
            continue;
        comkit::ComPtr<IViviFont> probe = CreateEffect(identity);
        if (!probe) continue;
        if (!line) line = text.TemplateLine().Clone();
        const std::wstring name = EffectName(*probe.get()) + L"  ";
        AddRun(*line, {name, 18, RGB(255, 200, 80), L"ＭＳ Ｐゴシック"}, std::move(probe));
        if (++onLine == kPerLine) {
            text.AppendLine(std::move(line));
            onLine = 0;
        }
    }
    if (line) text.AppendLine(std::move(line));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillon_demo_document OUTPUT.qvl\n");
        return 2;
    }
    std::setlocale(LC_ALL, "Japanese");
    if (FAILED(OleInitialize(nullptr))) return 1;
    int result = 1;
    NoDefaultEffect noEffect;
    model::SetDefaultEffectSource(&noEffect);
    {
        model::Text text;
        BuildDemo(text);
        winkit::FileHandle file(
            CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            try {
                NoHost host;
                appkit::FileArchive archive(file.get(), appkit::Archive::Mode::Store);
                text.Serialize(archive, host);
                archive.Close();
                result = 0;
            } catch (const appkit::ArchiveError& error) {
                std::fprintf(stderr, "cannot write %s: %s\n", argv[1], error.what());
            }
        } else {
            std::fprintf(stderr, "cannot create %s\n", argv[1]);
        }
    }
    model::SetDefaultEffectSource(nullptr);
    OleUninitialize();
    return result;
}
