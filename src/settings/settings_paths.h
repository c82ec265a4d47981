#pragma once
// The names of the settings files. The account's own files carry its name;
// on Windows the GBK bytes are the file name as they stand, elsewhere the
// same characters in UTF-8, so a file manager shows them as the seller reads
// them.

#include <filesystem>
#include <optional>
#include <string_view>

namespace tesmira {

std::filesystem::path configFilePath(const std::filesystem::path& settingsDirectory);

// None when the account's name cannot be part of a file name: not valid GBK,
// or holding a path separator or another character that file systems refuse.
// A page could otherwise send the program's writes outside the directory.
std::optional<std::filesystem::path> accountFilePath(const std::filesystem::path& settingsDirectory,
                                                     std::string_view accountName,
                                                     std::string_view ending);

// The executable's directory where it can be written; otherwise the per-user
// data directory, created as needed, so that an installed program still keeps
// its settings.
std::filesystem::path chooseSettingsDirectory(const std::filesystem::path& programDirectory,
                                              const std::filesystem::path& userDataDirectory);

// The directory of the running executable; empty when it cannot be told.
std::filesystem::path programDirectory();

// The per-user data directory for a program of this name: under
// XDG_DATA_HOME, else ~/.local/share (on Windows, under APPDATA).
std::filesystem::path userDataDirectory(std::string_view programName);

}  // namespace tesmira
