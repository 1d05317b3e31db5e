// A document: the data the views show, filled by a new-document step or by
// loading a file through an archive. Documents of this layer are loaded,
// never saved.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "appkit/archive/Archive.h"
#include "appkit/framework/CommandTarget.h"

namespace appkit {

class View;

class Document : public CommandTarget {
public:
    Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document() override;

    // Empties the document for a new one and forgets its path.
    virtual bool OnNewDocument();
    // Opens `path`, empties the document and, unless the file is empty, loads
    // it through Serialize on a loading archive. A failure is reported to the
    // user with the standard messages and answers false; when loading had
    // begun, the document is emptied again and its views are updated before
    // the message shows, so no view keeps pointing into half-loaded data.
    virtual bool OnOpenDocument(const std::string& path);
    // Drops the document's data.
    virtual void DeleteContents() {}
    // Reads (or writes) the document through `archive`; may throw ArchiveError.
    virtual void Serialize(Archive& /*archive*/) {}

    // Calls OnUpdate of every view but `sender`.
    void UpdateAllViews(View* sender, LPARAM hint = 0, void* hintObject = nullptr);

    const std::string& GetPathName() const { return pathName_; }
    // Takes the full path and the file name as the title; a named document
    // goes to the head of the recent-file list.
    void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

private:
    friend class View;
    void AddView(View* view);
    void RemoveView(View* view);

    std::string pathName_;
    std::string title_;
    std::vector<View*> views_;
};

}  // namespace appkit
