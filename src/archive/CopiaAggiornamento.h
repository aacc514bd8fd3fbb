#pragma once
// The check a downloaded update file passes before it replaces the local copy: a page of the
// web, a zip or a file cut short must never take the place of a good copy.
#include <string>
#include <string_view>

namespace quorvane {

// Empty when `testo` reads as an update file (rows of a date and wheel blocks, the first-line
// shape test aside); otherwise why not, in Italian.
std::string motivoCopiaNonValida(std::string_view testo);

}  // namespace quorvane
