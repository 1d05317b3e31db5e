// The benchmark's own run: its characters answered as every host run answers
// them (textrun's code page 932 answers), in one face, white on the run's
// background, lent to the effect without reference counting.
#pragma once

#include <string>
#include <string_view>

#include "comkit/LentObject.h"
#include "contract/contract.h"
#include "bench/RunSize.h"

namespace bench {

class BenchParagraph final : public comkit::LentObject<IParagraphAccess> {
public:
    explicit BenchParagraph(const RunSize& run);
    BenchParagraph(const BenchParagraph&) = delete;
    BenchParagraph& operator=(const BenchParagraph&) = delete;

    STDMETHODIMP Length(int* length) override;
    STDMETHODIMP GetString(short** text) override;
    STDMETHODIMP GetCharactor(int index, short* character) override;
    STDMETHODIMP GetLOGFONT(tagPassLOGFONT* logFont) override;
    STDMETHODIMP GetColor(unsigned long* colour) override;
    STDMETHODIMP GetBkColor(unsigned long* colour) override;

private:
    std::string text_;  // code page 932
    tagPassLOGFONT font_{};
    COLORREF background_;
};

}  // namespace bench
