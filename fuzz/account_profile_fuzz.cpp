// The home page's profile, and the account name it gives becoming the name of
// the account's settings files: a name from a page must never place a file
// outside the settings directory.

#include "fuzz_input.h"
#include "session/session_start.h"
#include "settings/settings_paths.h"
#include "text/gbk_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmira;
    fuzz::SlowInputWatch watch(data, size);
    const std::string_view page = fuzz::textOf(data, size);
    const std::filesystem::path directory = "/settings";
    std::vector<std::string_view> names = {page};
    const auto profile = readAccountProfile(page);
    if (profile)
        names.push_back(profile->accountName);
    for (std::string_view name : names) {
        for (std::string_view ending : {gbk::goodTextFileEnding, std::string_view(".ini")}) {
            const auto file = accountFilePath(directory, name, ending);
            fuzz::require(!file || file->parent_path() == directory,
                          "an account's file lies in the settings directory");
        }
    }
    return 0;
}
