#pragma once

namespace qm {

// SIGTERM (a logout, a shutdown) and SIGINT (Ctrl-C) ask the game to end in
// order: the handlers only note the request, and the message loop hands it
// to the application's OnQuitSignal on its next pass.
void InstallQuitSignals();
// True once per request.
bool TakeQuitSignal();

}  // namespace qm
