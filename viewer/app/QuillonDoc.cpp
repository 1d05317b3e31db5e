#include "viewer/app/QuillonDoc.h"

#include "appkit/archive/MemoryArchive.h"
#include "appkit/framework/FileDialog.h"
#include "appkit/framework/StandardMessages.h"
#include "viewer/app/CatalogueRecordHost.h"
#include "viewer/app/EmbeddedDocument.h"
#include "viewer/app/Messages.h"
#include "viewer/app/ViewerIds.h"
#include "viewer/app/WholeFile.h"
#include "viewer/core/Markers.h"
#include "winkit/AnsiText.h"

namespace app {

CQuillonDoc::CQuillonDoc() : m_pText(std::make_unique<model::Text>()) {}

CQuillonDoc::~CQuillonDoc() = default;

void CQuillonDoc::InstallText(std::unique_ptr<model::Text> text) {
    m_pText = std::move(text);
    m_selection.Clear();
    UpdateAllViews(nullptr);
}

bool CQuillonDoc::OnNewDocument() {
    if (!Document::OnNewDocument()) return false;
    InstallText(std::make_unique<model::Text>());
    LoadAppendedDocument();
    return true;
}

void CQuillonDoc::Serialize(appkit::Archive& archive) {
    if (archive.IsStoring()) {
        m_pText->Serialize(archive, CatalogueRecordHost::Instance());
        m_selection.Clear();
        UpdateAllViews(nullptr);
        return;
    }
    auto text = std::make_unique<model::Text>();
    text->Serialize(archive, CatalogueRecordHost::Instance());
    InstallText(std::move(text));
}

bool CQuillonDoc::LoadAppendedDocument() {
    const std::string executable = OwnExecutablePath();
    const WholeFile image = ReadWholeFile(executable);
    if (image.status == WholeFile::Status::CannotOpen) {
        ShowMessage(L"ファイルオープンに失敗しました\n", MB_OK | MB_ICONSTOP);
        return false;
    }
    if (image.status == WholeFile::Status::ShortRead) {
        ShowMessage(L"バイナリの読み込みに失敗しました\n"
                    L"- 内蔵されているバイナリファイルが壊れている可能性があります -",
                    MB_OK | MB_ICONSTOP);
        return false;
    }
    const auto document = AppendedDocument(image.bytes, core::DocumentMarker(GetModuleHandleW(nullptr)));
    if (!document) return false;
    try {
        appkit::MemoryArchive archive(*document);
        Serialize(archive);
        return true;
    } catch (const appkit::ArchiveError& error) {
        appkit::ReportArchiveError(executable, error);
        return false;
    }
}

void CQuillonDoc::OnFileOpenViewer() {
    appkit::FileDialogRequest request;
    request.defaultExt = "EXE";
    request.flags = OFN_HIDEREADONLY;
    request.filter = winkit::ToAnsi(L"ビュワー内蔵型文書ファイル(*.EXE)|*.EXE|すべてのファイル(*.*)|*.*||");
    request.title = winkit::ToAnsi(L"Quillonからの読み込み");
    const auto path = appkit::RunFileDialog(request);
    if (!path) return;
    auto text = std::make_unique<model::Text>();
    if (ReadDocumentFromViewer(*path, *text)) {
        InstallText(std::move(text));
        return;
    }
    ShowMessage(L"このビュワーには内蔵データがありません", MB_OK | MB_ICONEXCLAMATION);
}

bool CQuillonDoc::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    if (id == ID_FILE_OPEN_VIEWER) return call.Handle(this, &CQuillonDoc::OnFileOpenViewer);
    return Document::OnCmdMsg(id, call);
}

}  // namespace app
