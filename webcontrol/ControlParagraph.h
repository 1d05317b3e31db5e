// The control's run: its text in pixels of one face, its colours and the
// effect that draws it, lent to that effect through IParagraphAccess. It
// shares the process's installed-font table and font cache with every other
// run of the process.
#pragma once

#include <string>
#include <string_view>

#include "comkit/ComPtr.h"
#include "contract/contract.h"
#include "comkit/LentObject.h"

namespace netrune {

class ControlParagraph final : public comkit::LentObject<IParagraphAccess> {
public:
    // Empty white text on black, 16 pixels high, in "ＭＳ Ｐゴシック" (the
    // table's first face when that one is not installed), with no effect.
    ControlParagraph();
    ~ControlParagraph();
    ControlParagraph(const ControlParagraph&) = delete;
    ControlParagraph& operator=(const ControlParagraph&) = delete;

    STDMETHODIMP Length(int* length) override;
    STDMETHODIMP GetString(short** text) override;
    STDMETHODIMP GetCharactor(int index, short* character) override;
    STDMETHODIMP GetLOGFONT(tagPassLOGFONT* logFont) override;
    STDMETHODIMP GetColor(unsigned long* color) override;
    STDMETHODIMP GetBkColor(unsigned long* color) override;

    // Takes over the caller's reference and binds the effect to this run and
    // the shared font cache; null changes nothing.
    void SetEffect(comkit::ComPtr<IViviFont> effect);
    IViviFont* Effect() const { return effect_.get(); }

    // The first installed face of that name; an unknown name changes nothing.
    bool SetFaceName(const char* face);
    void InsertText(std::string_view bytes, int index);
    void ClearText();
    void SetSize(int pixels);
    void SetColor(COLORREF color);
    void SetBkColor(COLORREF color);
    // The effect's ChangeParagraph; nothing without an effect.
    void Changed() const;

    int FontIndex() const { return fontIndex_; }
    // The effect's drawing area; (0, 0) without an effect.
    SIZE EffectArea() const;

private:
    std::string text_;
    int fontIndex_ = 0;
    int size_ = 16;
    COLORREF color_ = RGB(255, 255, 255);
    COLORREF bkColor_ = RGB(0, 0, 0);
    comkit::ComPtr<IViviFont> effect_;
};

}  // namespace netrune
