#include "support/write_protection.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <stdexcept>

namespace tesmira::test {
namespace {

constexpr unsigned overrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool changeEffective(bool keep) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    const bool had = (data[0].effective & overrides) != 0;
    data[0].effective =
        keep ? data[0].effective | (data[0].permitted & overrides) : data[0].effective & ~overrides;
    return syscall(SYS_capset, &header, data) == 0 && had;
}

}  // namespace

WriteProtection::WriteProtection(const std::filesystem::path& path, std::filesystem::perms mode)
    : path_(path), previous_(std::filesystem::status(path).permissions()) {
    std::filesystem::permissions(path_, mode);
    capabilitiesDropped_ = changeEffective(false);
    if (geteuid() == 0 && !capabilitiesDropped_) {
        throw std::runtime_error("running as root without the capabilities to drop");
    }
}

WriteProtection::~WriteProtection() {
    if (capabilitiesDropped_) {
        changeEffective(true);
    }
    std::filesystem::permissions(path_, previous_);
}

}  // namespace tesmira::test
