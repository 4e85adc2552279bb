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
// share it). Files already there are kept as they are; a data folder made by an
// earlier version gets the template's files that came later. The data folder
// appears whole or not at all: it is copied beside its place and then renamed.
// Returns true when anything was provided.
bool Bereitstellen(const std::string& vorlagen, const std::string& manuAppPfad, const std::string& appPfad);

// The program's own first-start step: the templates beside this program file,
// the folders of this user. Runs before anything else touches the data folder.
bool FuerDiesesProgramm();

}  // namespace ErsterStart
