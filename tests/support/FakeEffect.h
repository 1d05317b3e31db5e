// The one fake effect of the hosts' tests, configured for what a test needs
// of it: its geometry, its class, whether it keeps settings and whether it
// paints. It writes a line for each call a test looks at into a log it
// shares with its clones, and answers from switches the test may flip at any
// time (a clone that fails, the record SaveProperty gives).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "comkit/ComObject.h"
#include "contract/contract.h"

namespace testsupport {

// What fakes did, and how they answer. Each line is the call's name, the
// fake's tag when it has one, then what the call carried: "Created",
// "SetParagraph", "DrawTextFace A 10,15", "LoadProperty size=3 version=2
// data=abcdef", "Released".
class FakeEffectLog {
public:
    virtual ~FakeEffectLog() = default;

    // Where a line goes; instance numbers a fake among those of this log, from 1.
    virtual void Write(int instance, const std::string& line);

    // Every line of the calls named, in order.
    std::vector<std::string> Lines(std::initializer_list<std::string_view> calls) const;
    // The same, and every line forgotten.
    std::vector<std::string> Take(std::initializer_list<std::string_view> calls);
    // The calls' names, in order.
    std::vector<std::string> Calls() const;
    int Count(std::string_view call) const;

    std::vector<std::string> lines;
    // Lines are neither made nor kept: for fakes made by the thousand.
    bool quiet = false;
    int instances = 0;
    int alive = 0;
    int areaQueries = 0;
    // Fakes destroyed after the font the cache gave them was deleted.
    int outlivedFont = 0;

    bool cloneFails = false;
    // SaveProperty's answer: the payload, a failure, success without a
    // record, or a record whose size claims 4096 bytes more than it holds.
    enum class Save { Payload, Fails, NoRecord, Oversized } save = Save::Payload;
    std::vector<std::uint8_t> payload;
};

// Lower-case hex of the bytes, as a fake logs a payload.
std::string Hex(std::span<const std::uint8_t> bytes);

struct FakeEffectOptions {
    std::wstring name = L"Fake";
    std::string tag{};
    // n characters are widths[n] wide (the last entry past the end) when
    // widths are given, else margin + n * charWidth.
    int charWidth = 10;
    int margin = 0;
    std::vector<int> widths{};
    // The drawing area: `area` when given, else as wide as the run's text
    // plus slack, and height high.
    std::optional<SIZE> area{};
    int slack = 0;
    int height = 20;
    // Takes its run's font from the host's cache when bound, as effects do.
    bool takesFont = true;
    // Without a class, GetCLSID fails.
    std::optional<CLSID> clsid{};
    // Answers IViviFontProperty.
    bool settings = false;
    // Fills its drawing area with the run's colour.
    bool paints = false;
};

// Activated from its creation, as a real effect is from its first draw.
class FakeEffect : public comkit::ComObject<IViviFont, IViviFontProperty, IViviFontActivation> {
public:
    FakeEffect(std::shared_ptr<FakeEffectLog> log, FakeEffectOptions options);
    ~FakeEffect() override;

    IParagraphAccess* Bound() const { return run_; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;

    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP SetParagraph(IParagraphAccess* run) override;
    STDMETHODIMP ChangeParagraph() override;
    STDMETHODIMP SetFontManager(IFontManager* fonts) override;
    STDMETHODIMP DrawTextFace(HDC dc, POINT at) override;
    STDMETHODIMP UpdateTextFace(HDC dc, POINT at) override;
    STDMETHODIMP GetDrawingArea(SIZE* size) override;
    STDMETHODIMP GetWidth(int n, int* width) override;
    STDMETHODIMP MouseEnter() override;
    STDMETHODIMP MouseLeave() override;
    STDMETHODIMP OnMouseMove(POINT at) override;
    STDMETHODIMP OnButtonDown(POINT at) override;
    STDMETHODIMP Version(int* version) override;
    STDMETHODIMP Name(short** name) override;
    STDMETHODIMP Description(short** text) override;
    STDMETHODIMP Author(short** text) override;
    STDMETHODIMP Icon(HICON* icon) override;
    STDMETHODIMP GetCLSID(CLSID* clsid) override;

    STDMETHODIMP SaveProperty(tagPersistMemory** record) override;
    STDMETHODIMP LoadProperty(tagPersistMemory* record) override;
    STDMETHODIMP OpenPropertyDlg(HWND owner) override;

    STDMETHODIMP Activate() override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP IsActivated(char* activated) override;

private:
    void Log(std::string_view call, const std::string& detail = {}) const;
    std::string RunRead() const;
    int Prefix(int n) const;
    SIZE Area();
    void Paint(HDC dc, POINT at);

    std::shared_ptr<FakeEffectLog> log_;
    FakeEffectOptions options_;
    int instance_;
    IParagraphAccess* run_ = nullptr;
    IFontManager* fonts_ = nullptr;
    HFONT font_ = nullptr;
    bool activated_ = true;
};

}  // namespace testsupport
