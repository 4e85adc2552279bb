#pragma once
// The first start on a machine: the data folder and the maker's common folder
// (translation tables) are provided from the templates that come with the
// program. An existing folder is never overwritten.
#include <string>

namespace ErsterStart {

// The folder holding the templates "appdata" (the data folder) and "common" (the
// maker's common folder) for a program file in `programOrdner`: for an installed
// program in <prefix>/lib/melvato/ it is <prefix>/share/melvato/, in the build
// folder it is its "share/melvato/". Ends in "/"; empty when there is none.
std::string vorlagenOrdner(const std::string& programOrdner);

// Copies the template of the data folder into `appPfad` when that is not a data
// folder yet (missing, or without "DATEN/", as after a run without template), and
// the template of the common folder into `manuAppPfad` + "common/" (a common
// folder that exists only gets the files it lacks: other programs of the maker
// share it). Files already there are kept as they are. The data folder
// appears whole or not at all: it is copied beside its place and then renamed.
// Returns true when anything was provided.
bool Bereitstellen(const std::string& vorlagen, const std::string& manuAppPfad, const std::string& appPfad);

// Files of the data-folder template that came with later versions, copied into
// a data folder made by an earlier one; a copy the user has (and may have
// edited) stays. Only for the copy of the program that owns the data folder.
// True when anything was copied.
bool Nachliefern(const std::string& vorlagen, const std::string& appPfad);
bool NachliefernFuerDiesesProgramm();

// The program's own first-start step: the templates beside this program file,
// the folders of this user. Runs before anything else touches the data folder.
bool FuerDiesesProgramm();

}  // namespace ErsterStart
