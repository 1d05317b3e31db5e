#include "tests/viewer/interaction/InteractionTestSupport.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/support/Canvas.h"
#include "tests/support/System.h"
#include "tests/support/WinePath.h"
#include "viewer/interaction/FindDlgIds.h"

namespace interactiontest {
void InteractionTest::AddLine(model::Text& text, const std::vector<RunSpec>& runs) {
    auto line = std::make_unique<model::Line>();
    for (const RunSpec& run : runs) {
        source.options = run.fake;
        modeltest::AddRun(*line, run.bytes);
    }
    source.options = {};
    text.AppendLine(std::move(line));
}

void InteractionTest::AddLines(model::Text& text, const std::vector<std::string>& lines) {
    for (const std::string& bytes : lines) {
        if (bytes.empty()) {
            AddLine(text, {});
        } else {
            AddLine(text, {{bytes}});
        }
    }
}

const interaction::VisibleLines& FakeView::Layout() {
    layout_ = interaction::LayoutVisibleLines(text, first, clientHeight);
    return layout_;
}

void FakeView::ScrollLines(int count) {
    scrolls.push_back(count);
    first += count;
}

void FakeView::SetCaret(POINT clientTopLeft, int height) {
    caretPoint = clientTopLeft;
    caretHeight = height;
}

void FakeView::Invalidate(const RECT* clientRect) {
    if (clientRect) {
        invalidated.push_back(*clientRect);
    } else {
        ++wholeInvalidations;
    }
}

void FakeView::DrawOnWindow(const std::function<void(HDC)>& draw) {
    ++drawsOnWindow;
    testsupport::Canvas canvas(400, 300, RGB(0, 0, 0));
    draw(canvas.dc());
}

std::vector<std::string> TakeMouseCalls(testsupport::FakeEffectLog& log) {
    return log.Take({"MouseEnter", "MouseLeave", "OnMouseMove", "OnButtonDown"});
}

void PressButton(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void ClickControl(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void TypeAndFind(HWND dialog, const std::string& text) {
    SetDlgItemTextA(dialog, IDC_FIND_TEXT, text.c_str());
    PressButton(dialog, IDC_FIND_RUN);
}

std::vector<std::string> HistoryEntries(HWND dialog) {
    std::vector<std::string> entries;
    const HWND combo = GetDlgItem(dialog, IDC_FIND_TEXT);
    for (LRESULT i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        std::string entry(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(std::strlen(entry.c_str()));
        entries.push_back(entry);
    }
    return entries;
}

std::optional<ClipboardData> ReadClipboardInAnotherProgram() {
    char folder[MAX_PATH] = {};
    if (GetTempPathA(MAX_PATH, folder) == 0) return std::nullopt;
    const std::string file = std::string(folder) + "quillon-clipboard.bin";
    const int missing = testsupport::RunProcess(L"\"" + testsupport::WindowsPath(CLIPBOARD_READER_PATH) + L"\" \"" +
                                                std::wstring(file.begin(), file.end()) + L"\"");
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> read{std::istreambuf_iterator<char>(in), {}};
    in.close();
    DeleteFileA(file.c_str());
    if (missing != 0) return std::nullopt;

    // Each format as its 32-bit size and its bytes.
    std::vector<std::vector<std::uint8_t>> formats;
    for (std::size_t at = 0; at + 4 <= read.size();) {
        std::uint32_t size = 0;
        std::memcpy(&size, read.data() + at, 4);
        at += 4;
        if (size > read.size() - at) return std::nullopt;
        formats.emplace_back(read.begin() + at, read.begin() + at + size);
        at += size;
    }
    if (formats.size() != 2) return std::nullopt;
    return ClipboardData{formats[0], formats[1]};
}

}  // namespace interactiontest
