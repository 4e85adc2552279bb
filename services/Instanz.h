#pragma once
// One copy of the program per data folder. The first copy holds a lock on
// "Melvato.lock" in the data folder for as long as it runs (with its process id
// in the file, for people); the system drops the lock with the process, so a
// copy that was killed leaves nothing stale behind.
#include <string>

namespace instanz {

// Takes the lock for this process (once; later calls keep it). False when
// another process holds it. A folder that cannot hold the lock counts as free.
bool sperren(const std::string& appPfad);
// Asks the process that holds the lock to bring its main window to the front
// (SIGUSR1). False when there was none to ask.
bool inhaberRufen(const std::string& appPfad);

}  // namespace instanz
