#include "tests/viewer/model/ModelTestSupport.h"

#include "effects/static/StaticFont.h"
#include "textrun/RunShared.h"
#include "winkit/AnsiText.h"

namespace modeltest {

std::string Sjis(std::wstring_view text) { return winkit::ToAnsi(text, 932); }

comkit::ComPtr<IViviFont> StaticSource::Create() { return comkit::ComPtr<IViviFont>(new StaticFont); }

comkit::ComPtr<IViviFont> FakeSource::Create() {
    ++created;
    return comkit::ComPtr<IViviFont>(new testsupport::FakeEffect(log, options));
}

void ModelTest::SetUp() { model::SetDefaultEffectSource(&source_); }

void ModelTest::TearDown() {
    model::SetDefaultEffectSource(nullptr);
    EXPECT_EQ(0, textrun::RunShared::LiveCount()) << "runs outlived the test";
}

std::unique_ptr<model::Paragraph> MakeRun(std::string_view bytes, COLORREF color) {
    auto run = std::make_unique<model::Paragraph>();
    run->SetText(std::string(bytes));
    run->SetColor(color);
    return run;
}

void AddRun(model::Line& line, std::string_view bytes, COLORREF color) { line.AppendRun(MakeRun(bytes, color)); }

std::vector<std::string> RunTexts(const model::Line& line) {
    std::vector<std::string> texts;
    for (size_t i = 0; i < line.RunCount(); ++i) texts.push_back(line.Run(i).Bytes());
    return texts;
}

std::vector<std::string> LineTexts(model::Text& text) {
    std::vector<std::string> lines;
    for (int i = 0; i < text.LineCount(); ++i) {
        std::string bytes;
        text.LineAt(i)->GetText(bytes);
        lines.push_back(bytes);
    }
    return lines;
}

}  // namespace modeltest
