#include "appkit/framework/Application.h"

#include <cstdlib>

#include "appkit/framework/Dialog.h"
#include "appkit/framework/FileDialog.h"
#include "appkit/framework/FrameworkIds.h"
#include "appkit/framework/ResourceText.h"

namespace appkit {
namespace {

Application* current = nullptr;

}  // namespace

Application::Application() : appName_(LoadText(APPKIT_IDS_APP_NAME)) { current = this; }

Application::~Application() {
    // The document's objects go while this is still the program's application.
    template_.reset();
    if (current == this) current = nullptr;
}

Application* Application::Current() { return current; }

int Application::Main() {
    return InitInstance() ? Run() : Finish();
}

bool Application::InitInstance() { return true; }

int Application::Run() {
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            exitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) break;
        if (TranslateMessageForWindows(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return Finish();
}

int Application::Finish() {
    if (template_) template_->CloseDocument();
    return ExitInstance();
}

bool Application::TranslateMessageForWindows(MSG& msg) {
    // Keys for a modeless dialog (Tab, Enter, Esc, mnemonics) are the
    // dialog's; the frame's accelerators take the rest.
    return Dialog::TranslateModelessMessage(msg) || (mainFrame_ && mainFrame_->TranslateAccelerators(msg));
}

int Application::ExitInstance() {
    recentFiles_.Save(profile_);
    return exitCode_;
}

void Application::OnMainFrameDestroyed() {
    mainFrame_ = nullptr;
    PostQuitMessage(0);
}

bool Application::OnCmdMsg(UINT id, CommandCall& call) {
    switch (id) {
    case APPKIT_ID_FILE_NEW: return call.Handle(this, &Application::OnFileNew);
    case APPKIT_ID_FILE_OPEN: return call.Handle(this, &Application::OnFileOpen);
    case APPKIT_ID_APP_EXIT: return call.Handle(this, &Application::OnAppExit);
    }
    if (id < APPKIT_ID_FILE_MRU_FIRST || id > APPKIT_ID_FILE_MRU_LAST) return false;
    const size_t index = id - APPKIT_ID_FILE_MRU_FIRST;
    if (index >= recentFiles_.Entries().size()) return false;
    if (call.IsUpdate()) {
        call.NoteHandler();
        return false;
    }
    OpenRecentFile(index);
    return true;
}

void Application::SetRegistryKey(const std::string& company) { profile_.SetKey(company, appName_); }

std::string Application::GetProfileString(const std::string& section, const std::string& entry,
                                          const std::string& fallback) const {
    return profile_.GetString(section, entry, fallback);
}

UINT Application::GetProfileInt(const std::string& section, const std::string& entry, UINT fallback) const {
    return profile_.GetInt(section, entry, fallback);
}

bool Application::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) {
    return profile_.WriteString(section, entry, value);
}

bool Application::WriteProfileInt(const std::string& section, const std::string& entry, UINT value) {
    return profile_.WriteInt(section, entry, value);
}

void Application::LoadStdProfileSettings(UINT count) {
    recentFiles_ = RecentFileList(count);
    recentFiles_.Load(profile_);
}

void Application::SetDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate) {
    template_ = std::move(docTemplate);
}

Document* Application::OpenDocumentFile(const std::string& path) {
    return template_ ? template_->OpenDocumentFile(path.c_str()) : nullptr;
}

CommandLineInfo Application::ParseCommandLine() { return appkit::ParseCommandLine(__argc, __argv); }

bool Application::ProcessShellCommand(const CommandLineInfo& info) {
    if (info.command == CommandLineInfo::Command::FileOpen) return OpenDocumentFile(info.fileName) != nullptr;
    OnFileNew();
    return mainFrame_ != nullptr;
}

void Application::OnFileNew() {
    if (template_) template_->OpenDocumentFile(nullptr);
}

void Application::OnFileOpen() {
    if (!template_) return;
    // The template's own filter, if it names one, then all files.
    std::string filter;
    const std::string filterName = template_->GetDocString(SingleDocTemplate::DocString::FilterName);
    const std::string filterExt = template_->GetDocString(SingleDocTemplate::DocString::FilterExt);
    if (!filterName.empty() && !filterExt.empty()) filter = filterName + "|*" + filterExt + "|";
    filter += LoadText(APPKIT_IDS_ALL_FILES_FILTER) + "|*.*||";

    FileDialogRequest request;
    request.owner = MainWindow();
    request.title = LoadText(APPKIT_IDS_OPEN_TITLE);
    request.filter = filter;
    request.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (const auto path = RunFileDialog(request)) OpenDocumentFile(*path);
}

void Application::OnAppExit() {
    if (HWND main = MainWindow()) SendMessageA(main, WM_CLOSE, 0, 0);
}

void Application::OpenRecentFile(size_t index) {
    // A file that cannot be opened any more leaves the list.
    const std::string path = recentFiles_.Entries()[index];
    if (!OpenDocumentFile(path)) recentFiles_.Remove(path);
}

}  // namespace appkit
