// The half of an effect that every effect class shares, Static included: the
// COM identity, binding to the host's run and font cache, measuring with the
// prefix-width cache, the identity methods and the mouse methods that do
// nothing. A class names its module through Identity() and adds its drawing.
#pragma once

#include "comkit/ComObject.h"
#include "contract/contract.h"
#include "contract/module_identity.h"
#include "effectbase/IdentityAnswers.h"
#include "comkit/NoThrow.h"
#include "effectbase/TextExtent.h"

namespace effectbase {

template <class... MoreInterfaces>
class BoundEffect : public comkit::ComObject<IViviFont, MoreInterfaces...> {
public:
    STDMETHODIMP SetParagraph(IParagraphAccess* paragraph) override {
        extent_.SetParagraph(paragraph);
        // Through the object's own table, so that a class's own ChangeParagraph runs.
        return static_cast<IViviFont*>(this)->ChangeParagraph();
    }
    STDMETHODIMP ChangeParagraph() override {
        return comkit::Guarded([this] {
            // Measured again when next asked: a run is often changed several
            // times before anyone asks.
            extent_.Forget();
            extent_.ResetWidthCache();
            RunChanged();
            return S_OK;
        });
    }
    STDMETHODIMP SetFontManager(IFontManager* fontManager) override {
        extent_.SetFontManager(fontManager);
        return S_OK;
    }
    STDMETHODIMP GetDrawingArea(SIZE* size) override {
        if (!size) return E_POINTER;
        return comkit::Guarded([&] {
            *size = extent_.Extent();
            return S_OK;
        });
    }
    STDMETHODIMP GetWidth(int n, int* width) override {
        if (!width) return E_POINTER;
        *width = 0;
        return comkit::Guarded([&] {
            *width = extent_.GetPrefixWidth(n);
            return S_OK;
        });
    }
    STDMETHODIMP MouseEnter() override { return S_OK; }
    STDMETHODIMP MouseLeave() override { return S_OK; }
    STDMETHODIMP OnMouseMove(POINT) override { return S_OK; }
    STDMETHODIMP OnButtonDown(POINT) override { return S_OK; }
    STDMETHODIMP Version(int* version) override { return AnswerVersion(version); }
    STDMETHODIMP Name(short** name) override { return AnswerName(Identity(), name); }
    STDMETHODIMP Description(short** description) override { return AnswerDescription(Identity(), description); }
    STDMETHODIMP Author(short** author) override { return AnswerAuthor(author); }
    STDMETHODIMP Icon(HICON* icon) override { return AnswerIcon(Identity(), icon); }
    STDMETHODIMP GetCLSID(CLSID* clsid) override { return AnswerClsid(Identity(), clsid); }

    virtual const contract::ModuleIdentity& Identity() const = 0;

protected:
    BoundEffect() = default;

    // Runs after every change of the run.
    virtual void RunChanged() {}

    TextExtent& Extent() { return extent_; }
    const TextExtent& Extent() const { return extent_; }
    bool IsBound() const { return extent_.Paragraph() != nullptr; }

private:
    TextExtent extent_;
};

}  // namespace effectbase
