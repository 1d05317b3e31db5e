// Ties one document, its frame and its view together for a single-document
// program. String resource `resourceId` holds the template's fields separated
// by '\n': window title, document name, new-document name, filter name,
// filter extension, file type id, file type name. The menu, accelerators and
// icon of the frame carry the same id.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "appkit/framework/Document.h"
#include "appkit/framework/FrameWindow.h"
#include "appkit/framework/View.h"

namespace appkit {

class SingleDocTemplate {
public:
    enum class DocString { WindowTitle, DocName, FileNewName, FilterName, FilterExt, RegFileTypeId, RegFileTypeName };

    template <class DocumentClass, class FrameClass, class ViewClass>
    static std::unique_ptr<SingleDocTemplate> Create(UINT resourceId) {
        return std::make_unique<SingleDocTemplate>(
            resourceId, [] { return std::make_unique<DocumentClass>(); },
            [] { return std::make_unique<FrameClass>(); }, [] { return std::make_unique<ViewClass>(); });
    }

    SingleDocTemplate(UINT resourceId, std::function<std::unique_ptr<Document>()> makeDocument,
                      std::function<std::unique_ptr<FrameWindow>()> makeFrame,
                      std::function<std::unique_ptr<View>()> makeView);
    ~SingleDocTemplate();

    std::string GetDocString(DocString field) const;

    // A new document (null `path`) or the file `path`, in the one document of
    // the program; the first call creates the document, the frame and the
    // view. On success the views get their initial update, the frame becomes
    // the program's main window and the document is answered. On failure the
    // document keeps what it had (and frame and view are dropped again when
    // this call created them); the user has seen why.
    Document* OpenDocumentFile(const char* path);

    Document* GetDocument() const { return document_.get(); }

    // Destroys the frame's window, then frame, view and document.
    void CloseDocument();

private:
    void SetDefaultTitle();

    UINT resourceId_;
    std::string docStrings_;
    std::function<std::unique_ptr<Document>()> makeDocument_;
    std::function<std::unique_ptr<FrameWindow>()> makeFrame_;
    std::function<std::unique_ptr<View>()> makeView_;
    std::unique_ptr<Document> document_;
    std::unique_ptr<FrameWindow> frame_;
};

}  // namespace appkit
