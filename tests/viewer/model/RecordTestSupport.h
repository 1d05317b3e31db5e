// What the record tests share: a record host with prototypes of its own and
// a log of the messages it was asked to show, fake effects of any class, Rain
// runs with
// settings of their own and what a record keeps of runs, and a builder of
// expected bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "comkit/ComPtr.h"
#include "tests/support/FakeEffect.h"
#include "viewer/model/DefaultEffect.h"
#include "viewer/model/Paragraph.h"
#include "viewer/model/RecordHost.h"
#include "viewer/model/Text.h"

namespace recordtest {

// The classes the record tests name, and their texts in records.
const CLSID& StaticClass();
const CLSID& RainClass();
extern const CLSID kUnknownClass;  // installed nowhere
inline constexpr char kStaticText[] = "{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}";
inline constexpr char kRainText[] = "{D090DA71-5809-11D2-AFB3-00A02495C41F}";
inline constexpr char kUnknownText[] = "{0BADC0DE-1234-5678-9ABC-DEF012345678}";

struct Message {
    std::wstring text;
    UINT style = 0;
};

class TestRecordHost final : public model::RecordHost {
public:
    // Also used for every record the test reads: Static and Rain installed.
    static TestRecordHost WithStaticAndRain();

    void Install(comkit::ComPtr<IViviFont> prototype);
    IViviFont* FindEffectByClsid(const CLSID& clsid) override;
    void ShowMessage(const std::wstring& text, UINT style) override;

    std::vector<Message> messages;
    int lookups = 0;

private:
    std::vector<comkit::ComPtr<IViviFont>> prototypes_;
};

// A fake effect of the class, with settings (IViviFontProperty) or without,
// that measures nothing.
comkit::ComPtr<IViviFont> MakeFakeEffect(std::shared_ptr<testsupport::FakeEffectLog> log, const CLSID& clsid,
                                         bool withSettings);

// A red 24-point run of `bytes` drawn by Rain with the given decay and drops.
std::unique_ptr<model::Paragraph> RainRun(std::string bytes, BYTE decay, BYTE drops);

// What a run record keeps of a run, and the record its effect saves.
struct RunKept {
    std::string bytes;
    int points;
    COLORREF color;
    COLORREF bkColor;
    std::string face;
    CLSID clsid;
    std::vector<std::uint8_t> settings;

    friend bool operator==(const RunKept&, const RunKept&) = default;
};
RunKept Summary(const model::Paragraph& run);
// Line by line, run by run.
std::vector<std::vector<RunKept>> Summary(const model::Text& text);

// New runs get a stand-in for Static that measures nothing, for tests that
// read many records and are about the reading, not about drawing.
class QuietStaticSource final : public model::DefaultEffectSource {
public:
    QuietStaticSource();
    comkit::ComPtr<IViviFont> Create() override;
    void ReportUnavailable() override {}

private:
    std::shared_ptr<testsupport::FakeEffectLog> log_ = std::make_shared<testsupport::FakeEffectLog>();
};

// Expected record bytes, written field by field.
class Bytes {
public:
    Bytes& Byte(std::uint8_t value);
    Bytes& Dword(std::uint32_t value);
    // A counted string of fewer than 255 bytes.
    Bytes& String(std::string_view text);
    Bytes& Raw(std::string_view bytes);
    Bytes& Raw(const std::vector<std::uint8_t>& bytes);

    // Leading 0, magic, version, reserved 0, and the colour from version 3.
    Bytes& Header(std::uint32_t version = 3, std::uint32_t bkColor = 0);
    Bytes& EndMarker();
    // A run record without a blob.
    Bytes& Run(std::string_view text, std::uint32_t points, std::uint32_t color, std::string_view face,
               std::string_view clsid);
    // A run of the defaults: 16 points, white, the default face, Static.
    Bytes& DefaultRun(std::string_view text);

    std::vector<std::uint8_t> data;
};

// The face a new run starts with: the documents' "ＭＳ Ｐゴシック" where that
// face is installed, else the first installed face. Asked only while a
// default effect source is installed.
const std::string& DefaultFace();

}  // namespace recordtest
