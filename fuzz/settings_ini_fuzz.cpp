// A settings file that another program or a hand edit has touched: the INI
// reader reads it, and a write into it keeps what it can read of the rest.

#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "fuzz_input.h"
#include "settings/profile_file.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmira;
    fuzz::SlowInputWatch watch(data, size);
    static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                              ("tesmira-fuzz-" + std::to_string(getpid()) + ".ini");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::vector<std::string> sections = profileSectionNames(file);
    for (const std::string& section : sections)
        (void)readProfileString(file, section, "AutoRateTime");

    // A write of one value leaves every other section the reader saw.
    if (writeProfileString(file, "fuzzed shop", "AutoRateTime", "7")) {
        fuzz::require(readProfileString(file, "fuzzed shop", "AutoRateTime") == "7",
                      "a written value reads back");
        const std::vector<std::string> after = profileSectionNames(file);
        for (const std::string& section : sections)
            fuzz::require(!isValidSectionName(section) ||
                              std::find(after.begin(), after.end(), section) != after.end(),
                          "no other section is lost");
    }
    return 0;
}
