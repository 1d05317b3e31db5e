#include "tests/appkit/framework/ProbeApp.h"

#include <algorithm>

#include "tests/appkit/framework/ProbeIds.h"

namespace probe {
namespace {

void Record(const std::string& event) { Events().push_back(event); }

std::string Handled(const char* target, UINT id) { return std::string(target) + ":" + std::to_string(id); }

}  // namespace

std::vector<std::string>& Events() {
    static std::vector<std::string> events;
    return events;
}

bool Happened(const std::string& event) { return std::ranges::find(Events(), event) != Events().end(); }

bool ProbeDocument::OnNewDocument() {
    Record("document new");
    return Document::OnNewDocument();
}

void ProbeDocument::DeleteContents() {
    Record("document emptied");
    bytes.clear();
}

void ProbeDocument::Serialize(appkit::Archive& archive) {
    Record("document serialized");
    const size_t count = archive.ReadByte();
    bytes.resize(count);
    archive.Read(bytes.data(), count);
}

bool ProbeDocument::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    pending_ = id;
    switch (id) {
    case PROBE_VIEW_AND_DOCUMENT:
    case PROBE_DOCUMENT_AND_APP: return call.Handle(this, &ProbeDocument::OnProbe);
    }
    return Document::OnCmdMsg(id, call);
}

void ProbeDocument::OnProbe() { Record(Handled("document", pending_)); }

void ProbeView::OnDraw(HDC) { ++draws; }

void ProbeView::OnUpdate(appkit::View* sender, LPARAM hint, void* hintObject) {
    Record("view updated");
    lastHint = hint;
    View::OnUpdate(sender, hint, hintObject);
}

bool ProbeView::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    pending_ = id;
    switch (id) {
    case PROBE_VIEW_ONLY:
    case PROBE_VIEW_AND_DOCUMENT: return call.Handle(this, &ProbeView::OnProbe);
    case PROBE_GATED: return call.Handle(this, &ProbeView::OnProbe, &ProbeView::OnUpdateGated);
    case PROBE_UPDATE_ONLY: return call.Handle(this, nullptr, &ProbeView::OnUpdateDisable);
    }
    return View::OnCmdMsg(id, call);
}

void ProbeView::OnProbe() { Record(Handled("view", pending_)); }

void ProbeView::OnUpdateGated(appkit::CommandUI& ui) { ui.Enable(allowGated); }

void ProbeView::OnUpdateDisable(appkit::CommandUI& ui) { ui.Enable(false); }

LRESULT ProbeView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP && onApp) {
        onApp();
        return 0;
    }
    return View::WindowProc(message, wParam, lParam);
}

bool ProbeFrame::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    if (id == PROBE_FRAME_AND_APP) return call.Handle(this, &ProbeFrame::OnProbe);
    return FrameWindow::OnCmdMsg(id, call);
}

void ProbeFrame::OnProbe() { Record(Handled("frame", PROBE_FRAME_AND_APP)); }

bool ProbeApp::InitInstance() {
    SetRegistryKey(kCompany);
    LoadStdProfileSettings(4);
    SetDocTemplate(appkit::SingleDocTemplate::Create<ProbeDocument, ProbeFrame, ProbeView>(PROBE_TEMPLATE));
    if (!ProcessShellCommand(commandLine)) return false;
    ShowWindow(MainWindow(), SW_SHOW);
    UpdateWindow(MainWindow());
    if (afterInit) afterInit();
    return true;
}

int ProbeApp::ExitInstance() {
    const bool documentGone = !DocTemplate() || !DocTemplate()->GetDocument();
    Record(documentGone ? "exit after the document" : "exit with a document");
    return Application::ExitInstance();
}

bool ProbeApp::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    pending_ = id;
    switch (id) {
    case PROBE_DOCUMENT_AND_APP:
    case PROBE_FRAME_AND_APP:
    case PROBE_APP_ONLY: return call.Handle(this, &ProbeApp::OnProbe);
    }
    return Application::OnCmdMsg(id, call);
}

void ProbeApp::OnProbe() { Record(Handled("app", pending_)); }

}  // namespace probe
