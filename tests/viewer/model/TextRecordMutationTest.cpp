// Valid records damaged at random: bits flipped, cut short, bytes inserted
// or repeated, lengths made huge. Every damaged record is either read or
// refused with a reported error (the archive's, or one of the reader's two
// messages); nothing crashes, hangs or allocates more than the data could
// hold, and whatever is read writes back as a record that reads the same.
//
// The seed is printed; QUILLON_MUTATION_SEED repeats a run, and a failure
// names its case.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "appkit/archive/MemoryArchive.h"
#include "effectbase/EffectObject.h"
#include "effects/Rain/RainFont.h"
#include "tests/appkit/archive/AllocationWatch.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "tests/viewer/model/RecordTestSupport.h"
#include "viewer/model/Text.h"

namespace {

using model::Text;
using recordtest::Bytes;
using Data = std::vector<std::uint8_t>;

constexpr std::uint32_t kDefaultSeed = 0x5EED0122;
constexpr int kCases = 60000;
// Runs keep the installed-font table and the font cache alive; a fresh
// start now and then keeps the fonts that damaged point sizes ask for few.
constexpr int kCasesPerFontCache = 2000;
// The records here are a few kilobytes: a lying length would ask for far more.
constexpr std::size_t kLargestAllowedAllocation = 1 << 20;

std::uint32_t Seed() {
    const char* given = std::getenv("QUILLON_MUTATION_SEED");
    return given ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 0)) : kDefaultSeed;
}

class Mutator {
public:
    Mutator(std::uint32_t seed, int index) {
        std::seed_seq sequence{seed, static_cast<std::uint32_t>(index)};
        random_.seed(sequence);
    }

    Data Damage(Data bytes) {
        const int steps = Below(3) + 1;
        for (int i = 0; i < steps && !bytes.empty(); ++i) DamageOnce(bytes);
        return bytes;
    }

private:
    int Below(std::size_t bound) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_));
    }
    std::size_t At(const Data& bytes) { return static_cast<std::size_t>(Below(bytes.size())); }

    void DamageOnce(Data& bytes) {
        switch (Below(5)) {
            case 0:  // bit flips
                for (int flips = Below(8) + 1; flips > 0; --flips) bytes[At(bytes)] ^= 1u << Below(8);
                break;
            case 1:  // cut short
                bytes.resize(At(bytes));
                break;
            case 2: {  // random bytes inserted
                Data inserted(Below(16) + 1);
                for (auto& byte : inserted) byte = static_cast<std::uint8_t>(Below(256));
                bytes.insert(bytes.begin() + At(bytes), inserted.begin(), inserted.end());
                break;
            }
            case 3: {  // a stretch repeated
                const std::size_t from = At(bytes);
                const std::size_t length = std::min<std::size_t>(Below(64) + 1, bytes.size() - from);
                const Data stretch(bytes.begin() + from, bytes.begin() + from + length);
                bytes.insert(bytes.begin() + At(bytes), stretch.begin(), stretch.end());
                break;
            }
            default: {  // a length or count made huge
                static const Data huge[] = {{0xFF, 0xFF, 0xFF, 0xFF},
                                            {0xFF, 0xFF, 0xFF, 0x7F},
                                            {0x00, 0x00, 0x00, 0x80},
                                            {0xFF, 0xFF, 0xFF},
                                            {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                                            {0xFF, 0xFD, 0xFF},
                                            {0xF0, 0xFF, 0xFF, 0x0F}};
                const Data& value = huge[Below(std::size(huge))];
                const std::size_t at = At(bytes);
                for (std::size_t i = 0; i < value.size() && at + i < bytes.size(); ++i) bytes[at + i] = value[i];
                break;
            }
        }
    }

    std::mt19937 random_;
};

// Runs start with a stand-in for Static that measures nothing, so that the
// time goes to reading; Rain runs get the real Rain, damaged settings and all.
class RecordMutationTest : public modeltest::ModelTest {
protected:
    RecordMutationTest() : ModelTest(quiet) {
        host.Install(quiet.Create());
        host.Install(comkit::ComPtr<IViviFont>(new effectbase::EffectObject<RainFont>));
    }

    enum class Outcome { Read, Message, NotARecord, Refused };

    Outcome Load(Text& text, const Data& bytes) {
        const std::size_t messages = host.messages.size();
        appkit::MemoryArchive archive(bytes);
        try {
            if (!text.Serialize(archive, host)) return Outcome::NotARecord;
        } catch (const appkit::ArchiveError&) {
            return Outcome::Refused;
        }
        return host.messages.size() > messages ? Outcome::Message : Outcome::Read;
    }

    Data Stored(Text& text) {
        appkit::MemoryArchive archive;
        text.Serialize(archive, host);
        return archive.Bytes();
    }

    // The records every case starts from.
    std::vector<Data> Originals() {
        Text text;
        auto first = std::make_unique<model::Line>();
        first->AppendRun(modeltest::MakeRun("Quill "));
        first->AppendRun(recordtest::RainRun(modeltest::Sjis(L"雨の日"), 4, 12));
        text.AppendLine(std::move(first));
        text.AppendLine(std::make_unique<model::Line>());
        auto last = std::make_unique<model::Line>();
        last->AppendRun(modeltest::MakeRun(modeltest::Sjis(L"終わり") + " end", RGB(255, 0, 0)));
        text.AppendLine(std::move(last));
        text.SetBkColor(RGB(1, 2, 3));

        appkit::MemoryArchive range;
        text.Serialize(range, host, {2, 0}, {2, 2});
        const std::string face = recordtest::DefaultFace();
        return {
            Stored(text),
            range.Bytes(),
            Bytes()
                .Header(2)
                .Dword(1)
                .Dword(2)
                .Run("gone", 16, 0xFFFFFF, face, recordtest::kUnknownText)
                .Dword(4)
                .Dword(2)
                .Raw("blob")
                .DefaultRun("x")
                .Dword(1)
                .EndMarker()
                .data,
            Bytes().Header(1).Dword(1).Dword(1).Run("r", 9, 0, face, recordtest::kRainText).Dword(1).EndMarker().data,
        };
    }

    recordtest::QuietStaticSource quiet;
    recordtest::TestRecordHost host;
};

TEST_F(RecordMutationTest, DamagedRecordsAreReadOrRefused) {
    const std::uint32_t seed = Seed();
    std::printf("mutation seed 0x%08X (QUILLON_MUTATION_SEED repeats it)\n", static_cast<unsigned>(seed));
    const std::vector<Data> originals = Originals();
    for (const Data& original : originals) {
        Text text;
        ASSERT_EQ(Outcome::Read, Load(text, original));
    }

    int counts[4] = {};
    int failures = 0;
    const auto started = std::chrono::steady_clock::now();
    auto keeper = std::make_unique<model::Paragraph>();
    for (int index = 0; index < kCases && failures < 5; ++index) {
        if (index % kCasesPerFontCache == 0) keeper = std::make_unique<model::Paragraph>();
        const Data damaged = Mutator(seed, index).Damage(originals[index % originals.size()]);
        // The log of messages would grow along with the cases.
        host.messages.clear();
        Text text;
        Outcome outcome = Outcome::Refused;
        const std::size_t largest = allocwatch::LargestAllocationDuring([&] { outcome = Load(text, damaged); });
        ++counts[static_cast<int>(outcome)];
        if (largest > kLargestAllowedAllocation) {
            ++failures;
            ADD_FAILURE() << "seed 0x" << std::hex << seed << std::dec << " case " << index << " allocated " << largest
                          << " bytes for a record of " << damaged.size();
        }
        if (outcome != Outcome::Read) continue;
        // What was read is a text like any other: written and read again,
        // it comes back the same.
        const Data again = Stored(text);
        Text reread;
        if (Load(reread, again) != Outcome::Read || Stored(reread) != again) {
            ++failures;
            ADD_FAILURE() << "seed 0x" << std::hex << seed << std::dec << " case " << index
                          << ": the text read does not survive a second round";
        }
    }
    keeper.reset();
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%d cases in %.1f s: %d read, %d with a message, %d not records, %d refused\n", kCases, seconds,
                counts[0], counts[1], counts[2], counts[3]);
    // Damage of every kind was met: the cases are not all refused at once.
    EXPECT_GT(counts[0], kCases / 50);
    EXPECT_GT(counts[1], 0);
    EXPECT_GT(counts[2], 0);
    EXPECT_GT(counts[3], kCases / 10);
}

}  // namespace
