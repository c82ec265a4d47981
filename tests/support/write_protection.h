#pragma once

#include <filesystem>

namespace tesmira::test {

// Makes a file or directory unwritable and unreadable by its mode for as
// long as the object lives. Tests run as root in CI, and root passes mode
// checks, so the object also drops the effective capabilities that override
// them, and gives them back at the end.
class WriteProtection {
public:
    WriteProtection(const std::filesystem::path& path, std::filesystem::perms mode);
    ~WriteProtection();
    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;

private:
    std::filesystem::path path_;
    std::filesystem::perms previous_;
    bool capabilitiesDropped_ = false;
};

}  // namespace tesmira::test
