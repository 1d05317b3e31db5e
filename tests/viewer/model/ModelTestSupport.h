// What the model tests share: sources of default effects (the real Static
// effect linked in, the fake, none at all), fixtures that install
// them and check that no run outlives a test, and run builders.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/FakeEffect.h"
#include "viewer/model/DefaultEffect.h"
#include "viewer/model/Line.h"
#include "viewer/model/Paragraph.h"
#include "viewer/model/Text.h"

namespace modeltest {

// Code page 932 bytes of a wide literal.
std::string Sjis(std::wstring_view text);

// Every new run gets a StaticFont object, created without registration.
class StaticSource final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override;
    void ReportUnavailable() override {}
};

// Every new run gets a fake of the current options, logging to `log`.
class FakeSource final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override;
    void ReportUnavailable() override {}

    std::shared_ptr<testsupport::FakeEffectLog> log = std::make_shared<testsupport::FakeEffectLog>();
    testsupport::FakeEffectOptions options;
    int created = 0;
};

// No effect can be had; counts the reports.
class MissingSource final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override { return {}; }
    void ReportUnavailable() override { ++reports; }

    int reports = 0;
};

// Installs a source for the test and checks at its end that every run of
// the test is gone.
class ModelTest : public testing::Test {
protected:
    explicit ModelTest(model::DefaultEffectSource& source) : source_(source) {}
    ModelTest() : source_(statics_) {}
    void SetUp() override;
    void TearDown() override;

private:
    StaticSource statics_;
    model::DefaultEffectSource& source_;
};

class FakeTest : public ModelTest {
protected:
    FakeTest() : ModelTest(fakes) {}

    static testsupport::FakeEffect& Fake(const model::Paragraph& run) {
        return *static_cast<testsupport::FakeEffect*>(run.Effect());
    }

    FakeSource fakes;
    testsupport::FakeEffectLog& log = *fakes.log;
};

// A run of the bytes in the colour (the style the edit tests tell apart).
std::unique_ptr<model::Paragraph> MakeRun(std::string_view bytes, COLORREF color = RGB(255, 255, 255));
void AddRun(model::Line& line, std::string_view bytes, COLORREF color = RGB(255, 255, 255));
// The runs' texts, left to right.
std::vector<std::string> RunTexts(const model::Line& line);
// The lines' texts, top to bottom.
std::vector<std::string> LineTexts(model::Text& text);

inline constexpr COLORREF kStyleX = RGB(255, 255, 255);
inline constexpr COLORREF kStyleY = RGB(255, 0, 0);

}  // namespace modeltest
