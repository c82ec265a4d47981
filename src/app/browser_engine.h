#pragma once
// The document mode the embedded browser engine is asked for, chosen from the
// installed engine's version text. Where the engine is not the system's
// browser control (as with the engine this program embeds on Linux) nothing
// is written, but the choice stays the same pure function.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tesmira {

// The field between the first and the second "." of a version text, read as
// a leading decimal integer: "9.11.9600.19180" gives 11; a text with fewer
// than two "." gives 0.
std::int32_t browserEngineVersionOf(std::string_view versionText);

// The emulation value for an engine version: 10000 from version 10 on, 9999
// for 9, 8888 for 8, none for any other version.
std::optional<std::uint32_t> browserEmulationValue(std::int32_t version);

}  // namespace tesmira
