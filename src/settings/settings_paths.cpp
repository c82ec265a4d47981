#include "settings/settings_paths.h"

#include <system_error>

#include "settings/settings_file.h"
#include "text/gbk_conversion.h"

namespace tesmira {

std::filesystem::path configFilePath(const std::filesystem::path& settingsDirectory) {
    return settingsDirectory / "Config.ini";
}

std::optional<std::filesystem::path> accountFilePath(const std::filesystem::path& settingsDirectory,
                                                     std::string_view accountName,
                                                     std::string_view ending) {
    std::string gbkName(accountName);
    gbkName += ending;
    const std::optional<std::string> utf8Name = utf8FromGbk(gbkName);
    if (!utf8Name) {
        return std::nullopt;
    }
    // UTF-8 never holds an ASCII byte inside a character, so a byte-wise look suffices.
    for (const char c : *utf8Name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            return std::nullopt;
        }
    }
#ifdef _WIN32
    return settingsDirectory / std::filesystem::path(gbkName);  // the seller's ANSI code page
#else
    return settingsDirectory / std::filesystem::path(*utf8Name);
#endif
}

std::filesystem::path chooseSettingsDirectory(const std::filesystem::path& programDirectory,
                                              const std::filesystem::path& userDataDirectory) {
    const std::filesystem::path probe = programDirectory / ".tesmira-write-probe";
    if (replaceFile(probe, "")) {
        std::error_code error;
        std::filesystem::remove(probe, error);
        return programDirectory;
    }
    std::error_code error;
    std::filesystem::create_directories(userDataDirectory, error);
    return userDataDirectory;
}

}  // namespace tesmira
