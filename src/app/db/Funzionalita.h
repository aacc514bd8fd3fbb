#pragma once

namespace quorvane {

// Tells the program database and the start-up what each feature needs: its tables, its
// parameter rows, the demonstration archive. Called by both programs before anything opens
// the program database.
void registraFunzionalita();

}  // namespace quorvane
