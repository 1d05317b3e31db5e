// The viewer's document: the displayed Text and the selection that the
// view's interaction reads and writes. The Text is filled from a .QVL file
// (File Open), from the document appended to the viewer's own executable (a
// new document) or from the one appended to another viewer executable
// (command ID_FILE_OPEN_VIEWER); the viewer never writes a document.
#pragma once

#include <memory>

#include "appkit/framework/Document.h"
#include "viewer/interaction/Selection.h"
#include "viewer/model/Text.h"

namespace app {

class CQuillonDoc : public appkit::Document {
public:
    CQuillonDoc();
    ~CQuillonDoc() override;

    // An empty text, then the document appended to the viewer's executable.
    bool OnNewDocument() override;
    // Loading reads one text record. The current text stays on screen while
    // the record is read (a message box of the reader may let the views
    // paint) and is replaced only by a record read to its end. Storing writes
    // the current text as one record. Either way the selection is cleared
    // and the views are reset.
    void Serialize(appkit::Archive& archive) override;
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

    model::Text& GetText() const { return *m_pText; }
    interaction::Selection& Selection() { return m_selection; }

    // Replaces the text whole: the selection is cleared and every view is reset.
    void InstallText(std::unique_ptr<model::Text> text);

    // Reads the document appended to the program's own executable; true when one was read.
    bool LoadAppendedDocument();
    void OnFileOpenViewer();

private:
    std::unique_ptr<model::Text> m_pText;
    interaction::Selection m_selection;
};

}  // namespace app
