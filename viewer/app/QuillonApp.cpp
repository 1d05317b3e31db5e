#include "viewer/app/QuillonApp.h"

#include <objbase.h>
#include <ole2.h>
#include <shellapi.h>

#include <clocale>

#include "appkit/framework/ResourceText.h"
#include "viewer/app/CatalogueRecordHost.h"
#include "viewer/app/MainFrame.h"
#include "viewer/app/Messages.h"
#include "viewer/app/QuillonAbout.h"
#include "viewer/app/QuillonDoc.h"
#include "viewer/app/QuillonView.h"
#include "viewer/app/ViewerIds.h"
#include "viewer/app/WholeFile.h"

namespace app {

CQuillonApp::Apartment::Apartment()
    : ole_(SUCCEEDED(OleInitialize(nullptr))), com_(SUCCEEDED(CoInitialize(nullptr))) {}

CQuillonApp::Apartment::~Apartment() {
    if (com_) CoUninitialize();
    if (ole_) OleUninitialize();
}

bool CQuillonApp::InitInstance() {
    apartment_.emplace();
    std::setlocale(LC_ALL, "Japanese");

    const HMODULE self = GetModuleHandleW(nullptr);
    installer_.InstallResourceEffect(self);
    installer_.InstallAppendedEffects(OwnExecutablePath(), self);

    SetRegistryKey(kCompany);

    m_pEffectCatalogue = std::make_unique<core::EffectCatalogue>();
    m_pEffectCatalogue->BuildEffectCatalogue(MessageBoxSink());
    CatalogueRecordHost::Instance().SetCatalogue(m_pEffectCatalogue.get());
    model::SetDefaultEffectSource(&effects_);

    LoadStdProfileSettings(kRecentFiles);
    SetDocTemplate(appkit::SingleDocTemplate::Create<CQuillonDoc, CMainFrame, CQuillonView>(IDR_MAINFRAME));

    if (!ProcessShellCommand(ParseCommandLine())) return false;
    ShowWindow(MainWindow(), SW_SHOW);
    UpdateWindow(MainWindow());
    return true;
}

int CQuillonApp::ExitInstance() {
    // The document and every run with it are gone: nothing uses the
    // prototypes or the installed modules any more.
    model::SetDefaultEffectSource(nullptr);
    CatalogueRecordHost::Instance().SetCatalogue(nullptr);
    m_pEffectCatalogue.reset();
    installer_.UninstallEffects();
    const int result = Application::ExitInstance();
    apartment_.reset();
    return result;
}

void CQuillonApp::OnAppAbout() {
    QuillonAbout about;
    about.DoModal();
}

void CQuillonApp::OnHomePage() {
    ShellExecuteA(nullptr, "open", appkit::LoadText(IDS_HOME_PAGE).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool CQuillonApp::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    switch (id) {
    case ID_APP_ABOUT: return call.Handle(this, &CQuillonApp::OnAppAbout);
    case ID_HOME_PAGE: return call.Handle(this, &CQuillonApp::OnHomePage);
    }
    return Application::OnCmdMsg(id, call);
}

}  // namespace app
