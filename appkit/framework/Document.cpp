#include "appkit/framework/Document.h"

#include <algorithm>
#include <exception>

#include "appkit/archive/FileArchive.h"
#include "appkit/framework/Application.h"
#include "winkit/FileHandle.h"
#include "appkit/framework/StandardMessages.h"
#include "appkit/framework/View.h"

namespace appkit {

Document::~Document() {
    for (View* view : views_) view->document_ = nullptr;
}

bool Document::OnNewDocument() {
    DeleteContents();
    pathName_.clear();
    return true;
}

bool Document::OnOpenDocument(const std::string& path) {
    winkit::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ReportFileError(path, GetLastError());
        return false;
    }
    DeleteContents();
    try {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.get(), &size)) throw ArchiveError(ArchiveError::Cause::ReadFailed);
        if (size.QuadPart != 0) {
            FileArchive archive(file.get(), Archive::Mode::Load);
            Serialize(archive);
            archive.Close();
        }
        return true;
    } catch (const ArchiveError& error) {
        DeleteContents();
        UpdateAllViews(nullptr);
        ReportArchiveError(path, error);
    } catch (const std::exception&) {
        DeleteContents();
        UpdateAllViews(nullptr);
        ReportOpenFailure();
    }
    return false;
}

void Document::UpdateAllViews(View* sender, LPARAM hint, void* hintObject) {
    // A view whose window is gone has nothing left to update.
    for (View* view : views_)
        if (view != sender && view->Handle()) view->OnUpdate(sender, hint, hintObject);
}

void Document::SetPathName(const std::string& path) {
    char full[MAX_PATH];
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, &name);
    if (length > 0 && length < sizeof full) {
        pathName_.assign(full, length);
        title_ = name ? std::string(name) : pathName_;
    } else {
        pathName_ = title_ = path;
    }
    if (Application* app = Application::Current()) app->AddToRecentFileList(pathName_);
}

void Document::AddView(View* view) { views_.push_back(view); }

void Document::RemoveView(View* view) { std::erase(views_, view); }

}  // namespace appkit
