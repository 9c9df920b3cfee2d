#pragma once

// How one code page maps characters and bytes, filled once per code page from
// the system's own converter (ICU outside Windows, the system's functions on
// Windows) and then only read, from any thread.

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <vector>

namespace velandry::detail {

struct CodePageTables
{
    static constexpr char16_t kInvalid = 0xFFFF; // a noncharacter: no code page reads a byte as it

    // The bytes of each BMP code point: 0 none, below 0x100 one byte, else a
    // lead byte (high) and a trail byte (low).
    std::array<std::uint16_t, 0x10000> toBytes{};
    // What a byte reads as alone, or kInvalid.
    std::array<char16_t, 0x100> fromByte{};
    // What a lead and a trail byte (lead << 8 | trail) read as, or kInvalid;
    // empty for a code page of single bytes.
    std::vector<char16_t> fromPair;

    CodePageTables() { fromByte.fill(kInvalid); }

    char16_t pair(std::uint8_t lead, std::uint8_t trail) const
    {
        return fromPair.empty() ? kInvalid : fromPair[std::size_t(lead) << 8 | trail];
    }
    void setPair(std::uint16_t bytes, char16_t unit)
    {
        if (fromPair.empty())
            fromPair.assign(0x10000, kInvalid);
        fromPair[bytes] = unit;
    }
};

// The tables of a supported code page; nullptr when this system cannot convert
// it (a Windows without the code page installed).
const CodePageTables *codePageTables(int codePage);

} // namespace velandry::detail
