// The run list of a line in a text record (a run count, then that many run
// records) and the run record: text, point size, text colour, face name, the
// effect's class as text, and the effect's property blob when it has one.
// The background colour is the record's, not the run's.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "appkit/archive/Archive.h"
#include "viewer/core/ClassId.h"
#include "viewer/model/DefaultEffect.h"
#include "viewer/model/EffectProperty.h"
#include "viewer/model/Line.h"
#include "viewer/model/Paragraph.h"
#include "viewer/model/RecordCount.h"
#include "viewer/model/RecordHost.h"
#include "viewer/model/Spans.h"

namespace model {
namespace {

constexpr int kFirstVersionWithBlobs = 2;
// Text, face and class strings of no bytes, the point size and the colour.
constexpr std::uint32_t kLeastRunBytes = 1 + 4 + 4 + 1 + 1;

}  // namespace

void Line::StoreRuns(appkit::Archive& archive, int from, int to) const {
    const std::vector<RunSlice> slices = SliceRuns(*this, from, to);
    archive.WriteLong(static_cast<std::int32_t>(slices.size()));
    for (const RunSlice& slice : slices) {
        const Paragraph& run = Run(slice.run);
        if (IsWhole(*this, slice)) {
            run.Store(archive);
            continue;
        }
        // The line stays as it is: a copy of the run is cut and written.
        const auto piece = run.Clone();
        piece->EraseChars(slice.end, piece->CharCount());
        piece->EraseChars(0, slice.begin);
        piece->Store(archive);
    }
}

void Line::LoadRuns(appkit::Archive& archive, int version, RecordHost& host) {
    for (int count = ReadCount(archive, kLeastRunBytes); count > 0; --count)
        AppendRun(Paragraph::Load(archive, version, host));
}

void Paragraph::Store(appkit::Archive& archive) const {
    archive.WriteString(text);
    archive.WriteLong(points);
    archive.WriteDword(color);
    archive.WriteString(FaceName());
    const CLSID stored = StoredClass(effect.get());
    archive.WriteString(ClsidText(stored));
    if (effect && !IsEqualCLSID(stored, StaticClsid())) StoreEffectProperty(archive, *effect.get());
}

std::unique_ptr<Paragraph> Paragraph::Load(appkit::Archive& archive, int version, RecordHost& host) {
    // The effect hears of the new text and style once, at the end.
    std::unique_ptr<Paragraph> run(new Paragraph(EffectChosenLater{}));
    std::string& text = run->text;
    text = archive.ReadString();
    // A run's text holds no NUL.
    text.resize(std::min(text.size(), text.find('\0')));
    run->points = archive.ReadLong();
    run->color = archive.ReadDword();
    // An unknown face leaves the default one.
    run->SetFaceName(archive.ReadString().c_str());

    // Document data names a class only by its identifier; nothing else is
    // looked up.
    const std::optional<CLSID> clsid = core::ParseClsid(archive.ReadString());
    IViviFont* prototype = clsid ? host.FindEffectByClsid(*clsid) : nullptr;
    comkit::ComPtr<IViviFont> clone;
    const bool cloned = prototype && SUCCEEDED(prototype->Clone(clone.put())) && clone;
    // A run whose class is not installed, or whose clone cannot be had,
    // draws with the default effect.
    run->SetEffect(cloned ? std::move(clone) : CreateDefaultEffect());
    comkit::ComPtr<IViviFontProperty> settings;
    if (cloned) settings = run->effect.As<IViviFontProperty>(IID_IViviFontProperty);
    if (version >= kFirstVersionWithBlobs && CarriesBlob(clsid, prototype)) {
        if (settings) {
            LoadEffectProperty(archive, *settings.get());
        } else {
            SkipEffectProperty(archive);
        }
    }
    run->Changed();
    return run;
}

}  // namespace model
