#include "appkit/archive/Archive.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "winkit/AnsiText.h"

namespace appkit {

namespace {

constexpr std::uint8_t kLongerLength = 0xFF;
constexpr std::uint16_t kWideString = 0xFFFE;
constexpr std::uint16_t kDwordLength = 0xFFFF;

static_assert(sizeof(wchar_t) == 2, "wide strings are read as UTF-16 units");

}  // namespace

Archive::Archive(std::span<const std::uint8_t> whole)
    : mode_(Mode::Load), next_(whole.data()), end_(whole.data() + whole.size()) {}

Archive::Archive(Mode mode, std::size_t bufferSize, std::uint64_t sourceBytes)
    : mode_(mode), buffer_(bufferSize), sourceLeft_(mode == Mode::Load ? sourceBytes : 0) {}

void Archive::Fill(std::uint8_t*, std::size_t) { throw ArchiveError(ArchiveError::Cause::ReadFailed); }

void Archive::Require(Mode mode) const {
    if (mode_ != mode) throw ArchiveError(ArchiveError::Cause::WrongMode);
}

std::uint64_t Archive::Remaining() const {
    Require(Mode::Load);
    return static_cast<std::uint64_t>(end_ - next_) + sourceLeft_;
}

void Archive::RequireBytes(std::uint64_t count) const {
    if (count > Remaining()) throw ArchiveError(ArchiveError::Cause::EndOfData);
}

void Archive::Refill() {
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), sourceLeft_));
    // Nothing counts as fetched until the medium has delivered all of it.
    next_ = end_ = buffer_.data();
    Fill(buffer_.data(), count);
    sourceLeft_ -= count;
    end_ = buffer_.data() + count;
}

// The caller has checked that `count` bytes remain; `out` null skips them.
void Archive::Take(std::uint8_t* out, std::uint64_t count) {
    while (count > 0) {
        if (next_ == end_) Refill();
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(count, end_ - next_));
        if (out) {
            std::memcpy(out, next_, chunk);
            out += chunk;
        }
        next_ += chunk;
        count -= chunk;
    }
}

std::uint8_t Archive::PeekByte() {
    RequireBytes(1);
    if (next_ == end_) Refill();
    return *next_;
}

std::uint8_t Archive::ReadByte() {
    const std::uint8_t value = PeekByte();
    ++next_;
    return value;
}

std::uint16_t Archive::ReadWord() {
    std::uint8_t bytes[2];
    Read(bytes, sizeof bytes);
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t Archive::ReadDword() {
    std::uint8_t bytes[4];
    Read(bytes, sizeof bytes);
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::int32_t Archive::ReadLong() { return static_cast<std::int32_t>(ReadDword()); }

void Archive::Read(void* buffer, std::size_t count) {
    RequireBytes(count);
    Take(static_cast<std::uint8_t*>(buffer), count);
}

void Archive::Skip(std::uint64_t count) {
    RequireBytes(count);
    Take(nullptr, count);
}

std::uint32_t Archive::ReadStringLength(bool& wide) {
    wide = false;
    std::uint8_t shortLength = ReadByte();
    if (shortLength != kLongerLength) return shortLength;
    std::uint16_t wordLength = ReadWord();
    if (wordLength == kWideString) {
        // The wide form starts the three steps over; its word length may
        // then be 0xFFFE like any other.
        wide = true;
        shortLength = ReadByte();
        if (shortLength != kLongerLength) return shortLength;
        wordLength = ReadWord();
    }
    if (wordLength != kDwordLength) return wordLength;
    return ReadDword();
}

std::string Archive::ReadString() {
    bool wide = false;
    const std::uint32_t length = ReadStringLength(wide);
    const std::uint64_t bytes = static_cast<std::uint64_t>(length) * (wide ? 2 : 1);
    RequireBytes(bytes);
    try {
        if (!wide) {
            std::string text(length, '\0');
            Take(reinterpret_cast<std::uint8_t*>(text.data()), bytes);
            return text;
        }
        std::wstring units(length, L'\0');
        Take(reinterpret_cast<std::uint8_t*>(units.data()), bytes);
        return winkit::ToAnsi(units);
    } catch (const std::bad_alloc&) {
        throw ArchiveError(ArchiveError::Cause::OutOfMemory);
    }
}

void Archive::Write(const void* bytes, std::size_t count) {
    Require(Mode::Store);
    auto* from = static_cast<const std::uint8_t*>(bytes);
    if (buffer_.empty()) {
        if (count > 0) Sink(from, count);
        return;
    }
    while (count > 0) {
        if (staged_ == buffer_.size()) Flush();
        const std::size_t chunk = std::min(count, buffer_.size() - staged_);
        std::memcpy(buffer_.data() + staged_, from, chunk);
        staged_ += chunk;
        from += chunk;
        count -= chunk;
    }
}

void Archive::Flush() {
    if (mode_ != Mode::Store || staged_ == 0) return;
    // Staged bytes are handed over once, even when the medium refuses them.
    Sink(buffer_.data(), std::exchange(staged_, 0));
}

void Archive::WriteByte(std::uint8_t value) { Write(&value, 1); }

void Archive::WriteWord(std::uint16_t value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    Write(bytes, sizeof bytes);
}

void Archive::WriteDword(std::uint32_t value) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    Write(bytes, sizeof bytes);
}

void Archive::WriteLong(std::int32_t value) { WriteDword(static_cast<std::uint32_t>(value)); }

void Archive::WriteString(std::string_view text) {
    const auto length = static_cast<std::uint32_t>(text.size());
    if (length < kLongerLength) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else if (length < kWideString) {
        WriteByte(kLongerLength);
        WriteWord(static_cast<std::uint16_t>(length));
    } else {
        WriteByte(kLongerLength);
        WriteWord(kDwordLength);
        WriteDword(length);
    }
    Write(text.data(), text.size());
}

std::size_t Archive::GiveBackReadAhead() {
    if (mode_ != Mode::Load) return 0;
    const auto unread = static_cast<std::size_t>(end_ - next_);
    next_ = end_;
    return unread;
}

}  // namespace appkit
