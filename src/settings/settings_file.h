#pragma once
// Whole-file reads and writes of the settings files. A write replaces its file
// atomically, through a temporary file beside it and a rename, so a crash or
// a full disk in the middle leaves the old file whole.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tesmira {

// The file's bytes; empty when it is missing or cannot be read.
std::string readFileOrEmpty(const std::filesystem::path& file);

// The file's bytes, empty for a missing file, and none when the file exists
// but cannot be read (so that a rewrite cannot lose what it holds).
std::optional<std::string> readFileIfReadable(const std::filesystem::path& file);

// False when the file could not be written; the old contents then stay.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tesmira
