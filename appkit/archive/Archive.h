// A byte stream that either loads or stores: the documents', clipboard's and
// plain-text files' serialisation goes through it, whatever the medium.
//
// Numbers are little-endian. A counted string is a length and that many bytes:
//   0..254         1 byte length
//   255..65533     0xFF, 2-byte length
//   65534 and up   0xFF, 0xFFFF, 4-byte length
// Readers also take the wide form, 0xFF 0xFFFE followed by a length in the same
// three steps counting UTF-16 units, and convert it to the ANSI code page.
//
// Errors: see ArchiveError.h. Every read checks the bytes that remain before
// it allocates or consumes anything, so a length read from the data can never
// make the archive allocate more than the data could hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "appkit/archive/ArchiveError.h"

namespace appkit {

class Archive {
public:
    enum class Mode { Load, Store };

    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;
    virtual ~Archive() = default;

    bool IsLoading() const { return mode_ == Mode::Load; }
    bool IsStoring() const { return mode_ == Mode::Store; }

    // Loading.
    std::uint64_t Remaining() const;
    bool AtEnd() const { return Remaining() == 0; }
    std::uint8_t PeekByte();
    std::uint8_t ReadByte();
    std::uint32_t ReadDword();
    std::int32_t ReadLong();
    std::string ReadString();
    void Read(void* buffer, std::size_t count);
    void Skip(std::uint64_t count);

    // Storing.
    void WriteByte(std::uint8_t value);
    void WriteDword(std::uint32_t value);
    void WriteLong(std::int32_t value);
    void WriteString(std::string_view text);
    void Write(const void* bytes, std::size_t count);
    // Hands buffered bytes to the medium; a loading archive has none.
    void Flush();

protected:
    // A loading archive over bytes held whole in memory.
    explicit Archive(std::span<const std::uint8_t> whole);
    // An archive that stages bytes in a buffer of `bufferSize` (0: none) in
    // front of a medium; a loading one reads `sourceBytes` from it.
    Archive(Mode mode, std::size_t bufferSize, std::uint64_t sourceBytes = 0);

    // Fetches exactly `count` bytes from the medium or throws.
    virtual void Fill(std::uint8_t* buffer, std::size_t count);
    // Takes `count` bytes into the medium or throws.
    virtual void Sink(const std::uint8_t* bytes, std::size_t count) = 0;

    // Loading: bytes fetched from the medium but not consumed; dropped here so
    // the medium can be repositioned before them.
    std::size_t GiveBackReadAhead();

private:
    void Require(Mode mode) const;
    void RequireBytes(std::uint64_t count) const;
    void Take(std::uint8_t* out, std::uint64_t count);
    void Refill();
    std::uint16_t ReadWord();
    std::uint32_t ReadStringLength(bool& wide);
    void WriteWord(std::uint16_t value);

    Mode mode_;
    std::vector<std::uint8_t> buffer_;
    const std::uint8_t* next_ = nullptr;    // loading: first unconsumed byte
    const std::uint8_t* end_ = nullptr;     // loading: end of fetched bytes
    std::uint64_t sourceLeft_ = 0;          // loading: bytes still in the medium
    std::size_t staged_ = 0;                // storing: bytes waiting in buffer_
};

}  // namespace appkit
