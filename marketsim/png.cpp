#include "png.h"

#include <zlib.h>

#include <cstdint>

namespace marketsim {
namespace {

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void appendChunk(std::string& out, const char* type, const std::string& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    appendBigEndian(out, static_cast<std::uint32_t>(
                             crc32(0, reinterpret_cast<const Bytef*>(typed.data()), typed.size())));
}

}  // namespace

std::string avatarPng(int size) {
    // An orange disc on a pale blue ground, so a scaled copy is easy to recognise.
    std::string raw;
    for (int y = 0; y < size; ++y) {
        raw += '\0';  // no filter
        for (int x = 0; x < size; ++x) {
            const int dx = 2 * x - size + 1;
            const int dy = 2 * y - size + 1;
            const bool disc = dx * dx + dy * dy < size * size * 6 / 10;
            raw += static_cast<char>(disc ? 0xF0 : 0xD8);
            raw += static_cast<char>(disc ? 0x80 : 0xE8);
            raw += static_cast<char>(disc ? 0x20 : 0xF8);
        }
    }
    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
             reinterpret_cast<const Bytef*>(raw.data()), raw.size());
    packed.resize(packedSize);

    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(size));
    appendBigEndian(header, static_cast<std::uint32_t>(size));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, no interlace

    std::string png = "\x89PNG\r\n\x1A\n";
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", "");
    return png;
}

}  // namespace marketsim
