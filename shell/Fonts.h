#pragma once
// Fonts that come with the program instead of being installed on the system.
#include <string>

// Makes the fonts in the data folder's "DATEN/" available to every window (the
// music-symbol font "MusicalSymbols" of the question's Musical line). Returns how
// many fonts are available afterwards; a missing file is skipped. Loading the
// same file again does nothing.
int ladeSchriften(const std::string& appPfad);
