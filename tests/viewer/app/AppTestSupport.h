// What the viewer program's in-process tests share: texts of fake effects
// of fixed size, the real document, frame and view
// created through the document template, texts and records built for them,
// every message box and file dialog answered and logged, scratch files.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "appkit/framework/FileDialog.h"
#include "appkit/framework/SingleDocTemplate.h"
#include "contract/contract.h"
#include "tests/support/FakeEffect.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/support/ScratchFile.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/app/QuillonApp.h"
#include "viewer/app/QuillonDoc.h"
#include "viewer/app/QuillonView.h"
#include "viewer/model/DefaultEffect.h"

namespace apptest {

// `lines` lines of one fake run each, tagged "0", "1", ..., each `size` large.
std::unique_ptr<model::Text> LoggedText(const std::shared_ptr<testsupport::FakeEffectLog>& log, int lines, SIZE size);
// A line of Static runs of the given ASCII texts, one per entry.
std::unique_ptr<model::Line> StaticLine(const model::Text& text, const std::vector<std::string>& runs,
                                        COLORREF colour = RGB(255, 255, 255), int points = 16);

// The bytes of a whole text record of `text`.
std::vector<std::uint8_t> RecordOf(model::Text& text);
std::string AsString(const std::vector<std::uint8_t>& bytes);

using modeltest::Sjis;
using modeltest::StaticSource;

using MessageLog = testsupport::MessageBoxLog;

// Every file dialog of the scope answered with `path` (none: cancelled), the requests logged.
class DialogAnswer {
public:
    explicit DialogAnswer(std::optional<std::string> path);
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;
    std::vector<appkit::FileDialogRequest> requests;

private:
    appkit::ScopedFileDialogAnswer answer_;
};

using testsupport::ScratchFile;

// Every byte of a file; empty when there is none.
std::string ReadFileBytes(const std::string& path);

// Full paths of the files of the temporary folder whose names begin with `prefix`.
std::set<std::string> TempFiles(const std::string& prefix);

// The document, frame and view of the program, made by its document template
// as a new document (which also reads the document appended to the test
// program: there is none). New runs get the Static effect built in.
class ViewerTest : public modeltest::ModelTest {
protected:
    void SetUp() override;
    void TearDown() override;

    app::CQuillonDoc& Doc() const;
    app::CQuillonView& View() const;
    HWND ViewWindow() const { return View().Handle(); }
    HWND Frame() const;
    // The view's client area resized, as the frame does.
    void ResizeView(int width, int height);
    // Installs the text as a load would (the views are reset).
    model::Text& Show(std::unique_ptr<model::Text> text);
    // Carries command `id` out through the frame, as the menu does.
    void Command(UINT id);
    // Whether the frame's menu shows the item enabled.
    bool MenuItemEnabled(UINT id);
    // Handles what is pending, the animation timer's ticks left out.
    static void Pump();

    // The program's application object, not started: only its template and commands.
    std::unique_ptr<app::CQuillonApp> app;
};

}  // namespace apptest
