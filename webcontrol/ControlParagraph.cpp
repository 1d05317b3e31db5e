#include "webcontrol/ControlParagraph.h"

#include "textrun/Cp932.h"
#include "textrun/RunAccess.h"
#include "textrun/RunShared.h"

namespace netrune {
namespace {

// "ＭＳ Ｐゴシック" in code page 932.
constexpr char kDefaultFace[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

}  // namespace

ControlParagraph::ControlParagraph() {
    textrun::RunShared::Join();
    SetFaceName(kDefaultFace);
}

ControlParagraph::~ControlParagraph() {
    // The effect goes before the last run takes the font cache with it.
    effect_.reset();
    textrun::RunShared::Leave();
}

STDMETHODIMP ControlParagraph::Length(int* length) { return textrun::runaccess::Length(text_, length); }
STDMETHODIMP ControlParagraph::GetString(short** text) { return textrun::runaccess::GetString(text_, text); }

STDMETHODIMP ControlParagraph::GetCharactor(int index, short* character) {
    return textrun::runaccess::GetCharactor(text_, index, character);
}

// The size is a pixel height, not points.
STDMETHODIMP ControlParagraph::GetLOGFONT(tagPassLOGFONT* logFont) {
    return textrun::runaccess::GetLOGFONT(fontIndex_, -size_, logFont);
}

STDMETHODIMP ControlParagraph::GetColor(unsigned long* color) {
    if (!color) return E_POINTER;
    *color = color_;
    return S_OK;
}

STDMETHODIMP ControlParagraph::GetBkColor(unsigned long* color) {
    if (!color) return E_POINTER;
    *color = bkColor_;
    return S_OK;
}

void ControlParagraph::SetEffect(comkit::ComPtr<IViviFont> effect) {
    if (!effect) return;
    effect_ = std::move(effect);
    effect_->SetFontManager(textrun::RunShared::Fonts());
    effect_->SetParagraph(this);
}

bool ControlParagraph::SetFaceName(const char* face) {
    if (!face) return false;
    const int index = textrun::FindFace(textrun::RunShared::InstalledFonts(), face);
    if (index < 0) return false;
    fontIndex_ = index;
    Changed();
    return true;
}

void ControlParagraph::InsertText(std::string_view bytes, int index) {
    text_.insert(textrun::cp932::CharToByte(text_, index), bytes);
    Changed();
}

void ControlParagraph::ClearText() { text_.clear(); }

void ControlParagraph::SetSize(int pixels) {
    size_ = pixels;
    Changed();
}

void ControlParagraph::SetColor(COLORREF color) {
    color_ = color;
    Changed();
}

void ControlParagraph::SetBkColor(COLORREF color) {
    bkColor_ = color;
    Changed();
}

void ControlParagraph::Changed() const {
    if (effect_) effect_->ChangeParagraph();
}

SIZE ControlParagraph::EffectArea() const {
    SIZE area{0, 0};
    if (effect_ && FAILED(effect_->GetDrawingArea(&area))) area = {0, 0};
    return area;
}

}  // namespace netrune
