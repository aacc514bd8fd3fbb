#pragma once

namespace quorvane {

// Tells the main window how to build each module window its buttons open.
void registraModuli();

}  // namespace quorvane
