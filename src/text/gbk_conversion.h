#pragma once
// Conversions between the program's GBK texts and UTF-8, for the few places
// that leave the GBK world: file names on a UTF-8 file system, and tests.

#include <optional>
#include <string>
#include <string_view>

namespace tesmira {

// Empty optional when the input is not valid in its encoding or holds a
// character that the other encoding lacks.
std::optional<std::string> utf8FromGbk(std::string_view gbkText);
std::optional<std::string> gbkFromUtf8(std::string_view utf8Text);

// True when the byte at `position` starts a double-byte GBK character, so that
// byte-wise searches do not cut a character in two.
inline bool startsDoubleByteCharacter(std::string_view text, std::size_t position) {
    const auto byte = static_cast<unsigned char>(text[position]);
    return byte >= 0x81 && byte <= 0xFE && position + 1 < text.size();
}

}  // namespace tesmira
