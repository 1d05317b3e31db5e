#include "tests/viewer/model/RecordTestSupport.h"

#include "comkit/TaskMem.h"
#include "contract/module_identity.h"
#include "effectbase/EffectObject.h"
#include "effects/Rain/RainFont.h"
#include "effects/static/StaticFont.h"
#include "tests/viewer/model/ModelTestSupport.h"

namespace recordtest {

const CLSID kUnknownClass = {0x0BADC0DE, 0x1234, 0x5678, {0x9A, 0xBC, 0xDE, 0xF0, 0x12, 0x34, 0x56, 0x78}};

const CLSID& StaticClass() { return contract::Identity(contract::Module::Static).clsid; }
const CLSID& RainClass() { return contract::Identity(contract::Module::Rain).clsid; }

std::unique_ptr<model::Paragraph> RainRun(std::string bytes, BYTE decay, BYTE drops) {
    auto run = modeltest::MakeRun(std::move(bytes), RGB(255, 0, 0));
    run->SetPoints(24);
    run->SetEffect(comkit::ComPtr<IViviFont>(new effectbase::EffectObject<RainFont>));
    const auto settings = comkit::ComPtr<IViviFont>(run->Effect()).As<IViviFontProperty>(IID_IViviFontProperty);
    tagPersistMemory* saved = nullptr;
    settings->SaveProperty(&saved);
    const comkit::TaskMem<tagPersistMemory> record(saved);
    auto* block = reinterpret_cast<RainBlock*>(record->pData);
    block->decay = decay;
    block->drops = drops;
    settings->LoadProperty(record.get());
    return run;
}

RunKept Summary(const model::Paragraph& run) {
    RunKept stored{run.Bytes(), run.Points(), run.Color(), run.BkColor(), run.FaceName(), {}, {}};
    run.Effect()->GetCLSID(&stored.clsid);
    const auto settings = comkit::ComPtr<IViviFont>(run.Effect()).As<IViviFontProperty>(IID_IViviFontProperty);
    tagPersistMemory* saved = nullptr;
    if (settings && SUCCEEDED(settings->SaveProperty(&saved))) {
        const comkit::TaskMem<tagPersistMemory> record(saved);
        stored.settings.assign(record->pData, record->pData + record->nSize);
    }
    return stored;
}

std::vector<std::vector<RunKept>> Summary(const model::Text& text) {
    std::vector<std::vector<RunKept>> lines;
    for (int i = 0; i < text.LineCount(); ++i) {
        const model::Line& line = *text.LineAt(i);
        lines.emplace_back();
        for (std::size_t r = 0; r < line.RunCount(); ++r) lines.back().push_back(Summary(line.Run(r)));
    }
    return lines;
}

TestRecordHost TestRecordHost::WithStaticAndRain() {
    TestRecordHost host;
    host.Install(comkit::ComPtr<IViviFont>(new StaticFont));
    host.Install(comkit::ComPtr<IViviFont>(new effectbase::EffectObject<RainFont>));
    return host;
}

void TestRecordHost::Install(comkit::ComPtr<IViviFont> prototype) { prototypes_.push_back(std::move(prototype)); }

IViviFont* TestRecordHost::FindEffectByClsid(const CLSID& clsid) {
    ++lookups;
    for (const auto& prototype : prototypes_) {
        CLSID answered;
        if (SUCCEEDED(prototype->GetCLSID(&answered)) && IsEqualCLSID(answered, clsid)) return prototype.get();
    }
    return nullptr;
}

void TestRecordHost::ShowMessage(const std::wstring& text, UINT style) { messages.push_back({text, style}); }

comkit::ComPtr<IViviFont> MakeFakeEffect(std::shared_ptr<testsupport::FakeEffectLog> log, const CLSID& clsid,
                                         bool withSettings) {
    return comkit::ComPtr<IViviFont>(new testsupport::FakeEffect(
        std::move(log), {.charWidth = 0, .height = 0, .takesFont = false, .clsid = clsid, .settings = withSettings}));
}

QuietStaticSource::QuietStaticSource() { log_->quiet = true; }

comkit::ComPtr<IViviFont> QuietStaticSource::Create() { return MakeFakeEffect(log_, StaticClass(), false); }

Bytes& Bytes::Byte(std::uint8_t value) {
    data.push_back(value);
    return *this;
}

Bytes& Bytes::Dword(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<std::uint8_t>(value >> shift));
    return *this;
}

Bytes& Bytes::String(std::string_view text) {
    Byte(static_cast<std::uint8_t>(text.size()));
    return Raw(text);
}

Bytes& Bytes::Raw(std::string_view bytes) {
    data.insert(data.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes& Bytes::Raw(const std::vector<std::uint8_t>& bytes) {
    data.insert(data.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes& Bytes::Header(std::uint32_t version, std::uint32_t bkColor) {
    Byte(0).String("Ondelle-Writer TEXT").Dword(version).Dword(0);
    if (version >= 3) Dword(bkColor);
    return *this;
}

Bytes& Bytes::EndMarker() { return String("{74246CC0-5D40-11d2-B8E1-00A0C96EED8B}"); }

Bytes& Bytes::Run(std::string_view text, std::uint32_t points, std::uint32_t color, std::string_view face,
                  std::string_view clsid) {
    return String(text).Dword(points).Dword(color).String(face).String(clsid);
}

Bytes& Bytes::DefaultRun(std::string_view text) { return Run(text, 16, 0xFFFFFF, DefaultFace(), kStaticText); }

const std::string& DefaultFace() {
    static const std::string face = model::Paragraph().FaceName();
    return face;
}

}  // namespace recordtest
