#include "viewer/model/Paragraph.h"

#include <algorithm>
#include <optional>

#include "comkit/TaskMem.h"
#include "textrun/Cp932.h"
#include "textrun/RunAccess.h"
#include "textrun/RunShared.h"
#include "viewer/model/DefaultEffect.h"

namespace model {
namespace {

// "ＭＳ Ｐゴシック" in code page 932: the face documents are written in.
constexpr char kDefaultFace[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

std::optional<std::wstring> EffectName(IViviFont* effect) {
    if (!effect) return std::nullopt;
    comkit::TaskMemString name;
    if (FAILED(effect->Name(name.put()))) return std::nullopt;
    return std::wstring(name.view());
}

}  // namespace

Paragraph::Paragraph(EffectChosenLater) {
    textrun::RunShared::Join();
    // The table's first face when the default one is not installed.
    fontIndex = std::max(textrun::RunShared::FindFace(kDefaultFace), 0);
}

Paragraph::Paragraph() : Paragraph(EffectChosenLater{}) {
    effect = CreateDefaultEffect();
    if (effect) Bind();
    // The default face is told like any face set, when it is installed.
    if (textrun::RunShared::FindFace(kDefaultFace) >= 0) Changed();
}

Paragraph::~Paragraph() { ReleaseShared(); }

void Paragraph::ReleaseShared() {
    // The effect goes before the last run takes the font cache with it: the
    // effect may still have one of the cache's fonts selected somewhere.
    effect.reset();
    textrun::RunShared::Leave();
}

HRESULT Paragraph::Bind() {
    effect->SetFontManager(textrun::RunShared::Fonts());
    return effect->SetParagraph(this);
}

void Paragraph::Changed() const {
    if (effect) effect->ChangeParagraph();
}

STDMETHODIMP Paragraph::Length(int* length) { return textrun::runaccess::Length(text, length); }
STDMETHODIMP Paragraph::GetString(short** out) { return textrun::runaccess::GetString(text, out); }

STDMETHODIMP Paragraph::GetCharactor(int index, short* character) {
    return textrun::runaccess::GetCharactor(text, index, character);
}

STDMETHODIMP Paragraph::GetLOGFONT(tagPassLOGFONT* logFont) {
    return textrun::runaccess::GetLOGFONT(fontIndex, PixelHeight(), logFont);
}

STDMETHODIMP Paragraph::GetColor(unsigned long* out) {
    if (!out) return E_POINTER;
    *out = color;
    return S_OK;
}

STDMETHODIMP Paragraph::GetBkColor(unsigned long* out) {
    if (!out) return E_POINTER;
    *out = bkColor;
    return S_OK;
}

std::unique_ptr<Paragraph> Paragraph::Clone() const {
    std::unique_ptr<Paragraph> copy(new Paragraph(EffectChosenLater{}));
    copy->CopyFrom(*this);
    return copy;
}

HRESULT Paragraph::CopyFrom(const Paragraph& source) {
    if (&source == this) return S_OK;
    fontIndex = source.fontIndex;
    points = source.points;
    color = source.color;
    bkColor = source.bkColor;
    text = source.text;
    effect.reset();
    if (!source.effect) return S_OK;
    const HRESULT cloned = source.effect->Clone(effect.put());
    if (!effect) return FAILED(cloned) ? cloned : E_POINTER;
    Bind();
    return effect->ChangeParagraph();
}

HRESULT Paragraph::SetEffect(comkit::ComPtr<IViviFont> replacement) {
    effect = std::move(replacement);
    return effect ? Bind() : S_OK;
}

bool Paragraph::SetFaceName(const char* face) {
    if (!face) return false;
    const int index = textrun::RunShared::FindFace(face);
    if (index < 0) return false;
    fontIndex = index;
    Changed();
    return true;
}

void Paragraph::SetText(std::string bytes) {
    text = std::move(bytes);
    Changed();
}

void Paragraph::SetPoints(int size) {
    points = size;
    Changed();
}

void Paragraph::SetColor(COLORREF value) {
    color = value;
    Changed();
}

void Paragraph::SetBkColor(COLORREF value) {
    bkColor = value;
    Changed();
}

std::string Paragraph::FaceName() const {
    const textrun::FontTable& table = textrun::RunShared::InstalledFonts();
    if (fontIndex < 0 || fontIndex >= static_cast<int>(table.size())) return {};
    return table[fontIndex].lfFaceName;
}

LOGFONTA Paragraph::GetLogFont() const { return textrun::runaccess::LogFontAt(fontIndex, PixelHeight()); }

// Points on the screen, as a character height in pixels.
LONG Paragraph::PixelHeight() const { return -MulDiv(points, textrun::RunShared::ScreenDpi(), 72); }

int Paragraph::CharCount() const { return textrun::cp932::CharCount(text); }

int Paragraph::CharToByte(int n) const { return static_cast<int>(textrun::cp932::CharToByte(text, n)); }

std::unique_ptr<Paragraph> Paragraph::SplitAt(int n) {
    auto tail = Clone();
    tail->EraseChars(0, n);
    EraseChars(n, CharCount());
    return tail;
}

std::unique_ptr<Paragraph> Paragraph::SplitBefore(int n) {
    auto head = Clone();
    EraseChars(0, n);
    head->EraseChars(n, head->CharCount());
    return head;
}

bool Paragraph::SameStyle(const Paragraph& other, unsigned mask) const {
    if ((mask & kStyleFace) && fontIndex != other.fontIndex) return false;
    if ((mask & kStylePoints) && points != other.points) return false;
    if ((mask & kStyleColor) && color != other.color) return false;
    if ((mask & kStyleEffect) && EffectName(effect.get()) != EffectName(other.effect.get())) return false;
    return true;
}

bool Paragraph::Append(const Paragraph& other) {
    if (!SameStyle(other, kStyleAll)) return false;
    text += other.text;
    Changed();
    return true;
}

void Paragraph::InsertText(int index, std::string_view bytes) {
    text.insert(textrun::cp932::CharToByte(text, index), bytes);
    Changed();
}

void Paragraph::EraseChars(int from, int to) {
    const std::size_t begin = textrun::cp932::CharToByte(text, from);
    const std::size_t end = textrun::cp932::CharToByte(text, to);
    if (end > begin) text.erase(begin, end - begin);
    if (!text.empty()) Changed();
}

void Paragraph::EraseCharAt(int index) {
    const std::size_t at = textrun::cp932::CharToByte(text, index);
    if (at < text.size()) text.erase(at, textrun::cp932::CharSize(text, at));
    if (!text.empty()) Changed();
}

SIZE Paragraph::DrawingArea() const {
    SIZE size{0, 0};
    if (effect && FAILED(effect->GetDrawingArea(&size))) size = {0, 0};
    return size;
}

int Paragraph::Width(int n) const {
    int width = 0;
    if (effect && FAILED(effect->GetWidth(std::clamp(n, 0, CharCount()), &width))) width = 0;
    return width;
}

void Paragraph::Draw(HDC dc, POINT topLeft) const {
    if (effect) effect->DrawTextFace(dc, topLeft);
}

void Paragraph::Update(HDC dc, POINT topLeft) const {
    if (effect) effect->UpdateTextFace(dc, topLeft);
}

}  // namespace model
