#pragma once

namespace quorvane {

// Tells the main window how to build each module window its buttons open.
void registraModuli();
// The checks the program makes once its main window is on screen.
void registraControlliAvvio();

}  // namespace quorvane
