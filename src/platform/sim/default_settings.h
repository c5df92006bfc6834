#pragma once
// The settings file that ships with the program, as its bytes; scenarios start from it.

#include <cstdint>
#include <vector>

namespace plv::sim {

const std::vector<std::uint8_t>& DefaultSettingsFile();

}  // namespace plv::sim
