#pragma once
// Whole numbers as a player types them in a box or on the command line.
#include <optional>
#include <string_view>
#include <vector>

namespace quorvane {

// Whole numbers separated by blanks or commas, as "1 10 19" or "1,10,19"; none when a piece is
// no whole number. Their range is the caller's to check.
std::optional<std::vector<int>> leggiNumeri(std::string_view testo);

}  // namespace quorvane
