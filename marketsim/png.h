#pragma once

#include <string>

namespace marketsim {

// A square PNG picture of `size` pixels: the simulated seller's avatar.
std::string avatarPng(int size);

}  // namespace marketsim
