#include "tests/viewer/app/AppTestSupport.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "appkit/archive/MemoryArchive.h"
#include "viewer/app/CatalogueRecordHost.h"
#include "viewer/app/MainFrame.h"
#include "viewer/app/ViewerIds.h"

namespace apptest {

std::unique_ptr<model::Text> LoggedText(const std::shared_ptr<testsupport::FakeEffectLog>& log, int lines,
                                        SIZE size) {
    auto text = std::make_unique<model::Text>();
    for (int i = 0; i < lines; ++i) {
        auto run = std::make_unique<model::Paragraph>();
        run->SetText("ab");
        run->SetEffect(
            comkit::ComPtr<IViviFont>(new testsupport::FakeEffect(log, {.tag = std::to_string(i), .area = size})));
        auto line = text->TemplateLine().Clone();
        line->AppendRun(std::move(run));
        text->AppendLine(std::move(line));
    }
    return text;
}

std::unique_ptr<model::Line> StaticLine(const model::Text& text, const std::vector<std::string>& runs,
                                        COLORREF colour, int points) {
    auto line = text.TemplateLine().Clone();
    for (const std::string& bytes : runs) {
        auto run = std::make_unique<model::Paragraph>();
        run->SetText(bytes);
        run->SetColor(colour);
        run->SetPoints(points);
        line->AppendRun(std::move(run));
    }
    return line;
}

std::vector<std::uint8_t> RecordOf(model::Text& text) {
    appkit::MemoryArchive archive;
    text.Serialize(archive, app::CatalogueRecordHost::Instance());
    return archive.Bytes();
}

std::string AsString(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

DialogAnswer::DialogAnswer(std::optional<std::string> path)
    : answer_([this, path](const appkit::FileDialogRequest& request) {
          requests.push_back(request);
          return path;
      }) {}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> TempFiles(const std::string& prefix) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::set<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + prefix + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do files.insert(folder + std::string(found.cFileName));
    while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

void ViewerTest::SetUp() {
    ModelTest::SetUp();
    app = std::make_unique<app::CQuillonApp>();
    app->SetDocTemplate(
        appkit::SingleDocTemplate::Create<app::CQuillonDoc, app::CMainFrame, app::CQuillonView>(IDR_MAINFRAME));
    ASSERT_TRUE(app->ProcessShellCommand({}));
    ShowWindow(Frame(), SW_SHOW);
    UpdateWindow(Frame());
    Pump();
}

void ViewerTest::TearDown() {
    app.reset();
    Pump();
    ModelTest::TearDown();
}

app::CQuillonDoc& ViewerTest::Doc() const {
    return *static_cast<app::CQuillonDoc*>(app->DocTemplate()->GetDocument());
}

app::CQuillonView& ViewerTest::View() const {
    return *static_cast<app::CQuillonView*>(app->MainFrame()->GetActiveView());
}

HWND ViewerTest::Frame() const { return app->MainWindow(); }

void ViewerTest::ResizeView(int width, int height) {
    MoveWindow(ViewWindow(), 0, 0, width, height, TRUE);
    Pump();
}

model::Text& ViewerTest::Show(std::unique_ptr<model::Text> text) {
    Doc().InstallText(std::move(text));
    Pump();
    return Doc().GetText();
}

void ViewerTest::Command(UINT id) {
    SendMessageA(Frame(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

bool ViewerTest::MenuItemEnabled(UINT id) {
    HMENU menu = GetMenu(Frame());
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        HMENU popup = GetSubMenu(menu, i);
        if (!popup || GetMenuState(popup, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
        SendMessageA(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(i, FALSE));
        return (GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) == 0;
    }
    ADD_FAILURE() << "no menu item " << id;
    return false;
}

void ViewerTest::Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT || msg.message == WM_TIMER) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace apptest
