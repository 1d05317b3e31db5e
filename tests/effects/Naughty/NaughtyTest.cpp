#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "effects/Naughty/NaughtyFont.h"
#include "tests/effects/common/Hosting.h"

namespace {

constexpr int kCharacters = 8;

// The lowest and highest inked rows in each character's own columns: one
// pair for all when they stand in line.
std::set<std::pair<int, int>> InkedRows(const effecttest::Hosted<NaughtyFont>& naughty) {
    const effecttest::Picture surface = naughty.Surface(0);
    std::set<std::pair<int, int>> found;
    for (int i = 0; i < kCharacters; ++i) {
        int left = 0;
        int right = 0;
        naughty->GetWidth(i, &left);
        naughty->GetWidth(i + 1, &right);
        found.insert(surface.InkRows(left + 2, right - 2));
    }
    return found;
}

TEST(Naughty, LettersStandInLineAndStillUnderTheMouseAndJumpAboutOtherwise) {
    effecttest::Hosted<NaughtyFont> naughty(L"HHHHHHHH");
    naughty->MouseEnter();
    naughty.Frames(1);
    const std::vector<BYTE> lined = naughty.Surface(0).pixels;
    EXPECT_EQ(1u, InkedRows(naughty).size());
    naughty.Frames(5);
    EXPECT_EQ(lined, naughty.Surface(0).pixels);

    naughty->MouseLeave();
    for (int frame = 0; frame < 2; ++frame) {
        naughty.Frames(1);
        EXPECT_GT(InkedRows(naughty).size(), 1u) << "frame " << frame;
    }
}

}  // namespace
