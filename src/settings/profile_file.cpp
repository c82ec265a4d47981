#include "settings/profile_file.h"

// Debian's SimpleIni keeps its template bodies behind SI_IMPLEMENTATION; with
// them here, the GBK bytes go through the byte-for-byte (no conversion) form.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>

#include "settings/settings_file.h"

namespace tesmira {
namespace {

constexpr std::size_t valueLimit = 10239;

// CSimpleIniA compares section and key names without regard to ASCII case and
// leaves every other byte alone: GBK texts pass through unconverted.
bool load(CSimpleIniA& ini, const std::string& bytes) {
    ini.SetUnicode(false);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.SetSpaces(false);
    return ini.LoadData(bytes.data(), bytes.size()) >= 0;
}

std::string oneLine(std::string_view value) {
    value = value.substr(0, value.find('\0'));
    std::string line;
    line.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
                ++i;
            }
            line += ' ';
        } else {
            line += value[i];
        }
    }
    return line;
}

}  // namespace

bool isValidSectionName(std::string_view section) {
    return !section.empty() &&
           section.find_first_of(std::string_view("[]\r\n\0", 5)) == std::string_view::npos;
}

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key) {
    if (!isValidSectionName(section)) {
        return {};
    }
    CSimpleIniA ini;
    if (!load(ini, readFileOrEmpty(file))) {
        return {};
    }
    const char* value = ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), "");
    return std::string(value).substr(0, valueLimit);
}

std::vector<std::string> profileSectionNames(const std::filesystem::path& file) {
    CSimpleIniA ini;
    if (!load(ini, readFileOrEmpty(file))) {
        return {};
    }
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    sections.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> names;
    for (const auto& section : sections) {
        names.emplace_back(section.pItem);
    }
    return names;
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    if (!isValidSectionName(section)) {
        return false;
    }
    const auto existing = readFileIfReadable(file);
    CSimpleIniA ini;
    if (!existing || !load(ini, *existing)) {
        return false;
    }
    if (ini.SetValue(std::string(section).c_str(), std::string(key).c_str(),
                     oneLine(value).c_str()) < 0) {
        return false;
    }
    std::string bytes;
    if (ini.Save(bytes) < 0) {
        return false;
    }
    return replaceFile(file, bytes);
}

}  // namespace tesmira
