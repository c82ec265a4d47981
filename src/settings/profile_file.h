#pragma once
// The settings' INI files, read and written so that the Windows private-
// profile functions read them alike: sections in brackets, key=value lines,
// section and key names matched without regard to letter case, one-line
// values.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tesmira {

// A section name holding "[", "]", a line break or a zero byte would break the
// file's layout; such a section is never written and reads as missing. The
// check is byte-wise, since the file is parsed byte-wise.
bool isValidSectionName(std::string_view section);

// The value of a key; empty when the file, the section or the key is missing.
// As with the Windows functions' 10240-byte buffer, a longer value comes back
// cut to 10239 bytes.
std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key);

// The section names in file order; empty when the file is missing.
std::vector<std::string> profileSectionNames(const std::filesystem::path& file);

// Writes one value, keeping every other section and key of the file. Line
// breaks in the value are folded into single spaces, so that the text reads
// back whole and cannot start a section of its own; the value ends at a zero
// byte. False when nothing was written: an invalid section, a file that
// exists but cannot be read, or a failed write.
bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace tesmira
