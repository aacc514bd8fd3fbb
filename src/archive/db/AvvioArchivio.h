#pragma once
// The archive's part of the program's start-up.

namespace quorvane {

// Gives the start-up the parameter rows of the two download addresses and the maker of the
// demonstration archive of the first run.
void registraAvvioArchivio();

}  // namespace quorvane
