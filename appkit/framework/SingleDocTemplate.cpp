#include "appkit/framework/SingleDocTemplate.h"

#include "appkit/framework/Application.h"
#include "appkit/framework/FrameworkIds.h"
#include "appkit/framework/ResourceText.h"

namespace appkit {

SingleDocTemplate::SingleDocTemplate(UINT resourceId, std::function<std::unique_ptr<Document>()> makeDocument,
                                     std::function<std::unique_ptr<FrameWindow>()> makeFrame,
                                     std::function<std::unique_ptr<View>()> makeView)
    : resourceId_(resourceId),
      docStrings_(LoadText(resourceId)),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)),
      makeView_(std::move(makeView)) {}

SingleDocTemplate::~SingleDocTemplate() { CloseDocument(); }

std::string SingleDocTemplate::GetDocString(DocString field) const {
    size_t begin = 0;
    for (int i = 0; i < static_cast<int>(field); ++i) {
        begin = docStrings_.find('\n', begin);
        if (begin == std::string::npos) return {};
        ++begin;
    }
    return docStrings_.substr(begin, docStrings_.find('\n', begin) - begin);
}

Document* SingleDocTemplate::OpenDocumentFile(const char* path) {
    const bool created = !frame_;
    if (created) {
        document_ = makeDocument_();
        frame_ = makeFrame_();
        if (!frame_->LoadFrame(resourceId_, GetDocString(DocString::WindowTitle), makeView_(), *document_)) {
            CloseDocument();
            return nullptr;
        }
    }
    bool loaded;
    if (path) {
        loaded = document_->OnOpenDocument(path);
        if (loaded) document_->SetPathName(path);
    } else {
        SetDefaultTitle();
        loaded = document_->OnNewDocument();
    }
    if (!loaded) {
        if (created) CloseDocument();
        return nullptr;
    }
    if (View* view = frame_->GetActiveView()) view->OnInitialUpdate();
    if (Application* app = Application::Current(); app && !app->MainFrame()) app->SetMainFrame(frame_.get());
    return document_.get();
}

void SingleDocTemplate::CloseDocument() {
    if (Application* app = Application::Current(); app && frame_ && app->MainFrame() == frame_.get())
        app->SetMainFrame(nullptr);
    frame_.reset();
    document_.reset();
}

void SingleDocTemplate::SetDefaultTitle() {
    std::string title = GetDocString(DocString::DocName);
    document_->SetTitle(title.empty() ? LoadText(APPKIT_IDS_UNTITLED) : title);
}

}  // namespace appkit
