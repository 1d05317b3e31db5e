// A view: a child window of the frame that shows its document. Painting goes
// to OnDraw; every document change reaches OnUpdate.
#pragma once

#include "appkit/framework/CommandTarget.h"
#include "appkit/framework/Window.h"

namespace appkit {

class Document;

class View : public Window, public CommandTarget {
public:
    ~View() override;

    // Null once the document is gone.
    Document* GetDocument() const { return document_; }

    // Paints the view into `dc` (the paint context of WM_PAINT).
    virtual void OnDraw(HDC dc) = 0;
    // The document changed; `sender` is the view that caused it, if any. By
    // default the whole view is repainted.
    virtual void OnUpdate(View* sender, LPARAM hint, void* hintObject);
    // Once a document has been created or opened for the view: OnUpdate with
    // no sender and no hint.
    virtual void OnInitialUpdate();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class Document;
    friend class FrameWindow;
    // Creates the view's window inside `frame`, attached to `document`.
    bool Create(HWND frame, Document& document);

    Document* document_ = nullptr;
};

}  // namespace appkit
