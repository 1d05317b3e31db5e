// A run: characters of one style (a face from the installed-font table, a
// point size, a text colour and a background colour) and the one effect that
// draws them. The effect reads the run through IParagraphAccess; every change
// of text or style is followed by the effect's ChangeParagraph.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "comkit/ComPtr.h"
#include "contract/contract.h"
#include "comkit/LentObject.h"

namespace appkit {
class Archive;
}

namespace model {

class RecordHost;

// Which properties SameStyle compares.
enum StyleMask : unsigned {
    kStylePoints = 0x01,
    kStyleColor = 0x02,
    kStyleFace = 0x04,
    kStyleEffect = 0x08,
    kStyleAll = 0xFF,
};

class Paragraph final : public comkit::LentObject<IParagraphAccess> {
public:
    // White 16-point text on black in "ＭＳ Ｐゴシック" (the table's first face
    // when that one is not installed), drawn by the default effect.
    Paragraph();
    virtual ~Paragraph();
    Paragraph(const Paragraph&) = delete;
    Paragraph& operator=(const Paragraph&) = delete;

    // IParagraphAccess, as the effects read the run.
    STDMETHODIMP Length(int* length) override;
    STDMETHODIMP GetString(short** text) override;
    STDMETHODIMP GetCharactor(int index, short* character) override;
    STDMETHODIMP GetLOGFONT(tagPassLOGFONT* logFont) override;
    STDMETHODIMP GetColor(unsigned long* color) override;
    STDMETHODIMP GetBkColor(unsigned long* color) override;

    // A new run with this one's text and style and a clone of its effect.
    std::unique_ptr<Paragraph> Clone() const;
    // Takes the source's text and style and a bound clone of its effect;
    // answers the new effect's ChangeParagraph.
    HRESULT CopyFrom(const Paragraph& source);
    // Takes over the caller's reference and binds the effect to this run
    // (font cache, then run); answers SetParagraph. Null leaves the run
    // without an effect.
    HRESULT SetEffect(comkit::ComPtr<IViviFont> effect);

    // The first installed face of that name; an unknown name changes nothing
    // and answers false.
    bool SetFaceName(const char* face);
    void SetText(std::string text);
    void SetPoints(int points);
    void SetColor(COLORREF color);
    void SetBkColor(COLORREF color);

    const std::string& Bytes() const { return text; }
    int FontIndex() const { return fontIndex; }
    // The face of the run's table entry; empty when the table has none.
    std::string FaceName() const;
    int Points() const { return points; }
    COLORREF Color() const { return color; }
    COLORREF BkColor() const { return bkColor; }
    // Null when the default effect could not be created.
    IViviFont* Effect() const { return effect.get(); }

    // The font as GetLOGFONT gives it, for the caret.
    LOGFONTA GetLogFont() const;
    int CharCount() const;
    int CharToByte(int n) const;

    // Cuts the run at character n: SplitAt gives away characters [n, end),
    // SplitBefore gives away [0, n); the part given away is a new run that
    // the caller owns.
    std::unique_ptr<Paragraph> SplitAt(int n);
    std::unique_ptr<Paragraph> SplitBefore(int n);
    // Style comparison by StyleMask bits; the background colour and the
    // effect's settings never count.
    bool SameStyle(const Paragraph& other, unsigned mask) const;
    // Appends the other run's text when the styles match (kStyleAll).
    bool Append(const Paragraph& other);

    // Text edits in characters. The effect hears of each while text remains.
    void InsertText(int index, std::string_view bytes);
    void EraseChars(int from, int to);
    void EraseCharAt(int index);

    // The effect's geometry and drawing; a run without an effect has no
    // size and draws nothing.
    SIZE DrawingArea() const;
    // Width of the first n characters, n taken within 0..CharCount.
    int Width(int n) const;
    void Draw(HDC dc, POINT topLeft) const;
    void Update(HDC dc, POINT topLeft) const;

    // The run's record in a text record. Load makes a new run of a record:
    // its text, style, and a clone of the installed effect the record names.
    void Store(appkit::Archive& archive) const;
    static std::unique_ptr<Paragraph> Load(appkit::Archive& archive, int version, RecordHost& host);
    // The bytes of characters [from, to) as they are; `to` kEndOfLine is the
    // end of the run.
    void WritePlainRange(appkit::Archive& archive, int from, int to) const;

private:
    // A run of the default style whose effect its maker chooses at once: a
    // clone of another run's (Clone) or of the one a record names (Load). No
    // default effect is made only to be replaced.
    struct EffectChosenLater {};
    explicit Paragraph(EffectChosenLater);

    void ReleaseShared();
    LONG PixelHeight() const;
    void Changed() const;
    HRESULT Bind();

    std::string text;
    int fontIndex = 0;
    int points = 16;
    COLORREF color = RGB(255, 255, 255);
    COLORREF bkColor = RGB(0, 0, 0);
    comkit::ComPtr<IViviFont> effect;
};

}  // namespace model
