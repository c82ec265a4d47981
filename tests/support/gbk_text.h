#pragma once
// Tests write their Chinese texts in UTF-8 and compare GBK bytes.

#include <string>
#include <string_view>

namespace tesmira::test {

std::string gbk(std::string_view utf8);

}  // namespace tesmira::test
