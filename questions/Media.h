#pragma once
// Media files of the questions: pictures and sounds in the data folder's
// "DATEN/". Media supplied with the program stay packed in the archives
// "Daten k.DAT" (k = 1 .. 9) in the installation folder's "DATEN/"; a file of
// less than 10 bytes in "DATEN/" is a stub that names the archive holding it.
#include <string>

class ApiClass;

namespace fragen {

// The folder of the program file, ending in "/" (where the media archives lie).
std::string InstallationsPfad();
// Puts the installation folder elsewhere (tests, a relocated program); empty
// goes back to the program file's folder.
void setInstallationsPfad(const std::string& pfad);

// "DATEN/Now" + the last four characters of the upper-cased name, in the data
// folder: the copy a picture is shown from.
std::string AnzeigeKopie(ApiClass& api, const std::string& name);

// Provides the media file `name` as `ziel`: copied from "DATEN/", or taken out of
// the media archive its stub names, or out of the first archive that holds it.
// False when the name is empty, unsafe, or found nowhere.
bool FileOk(ApiClass& api, const std::string& name, const std::string& ziel);

}  // namespace fragen

namespace fragen {

// The file name of a path, without its folder ("/" or "\").
std::string DateiName(const std::string& pfad);

// Takes a chosen media file into the data folder's "DATEN/" (unless it is that
// very file) and, with `sichern`, keeps a second copy in "Back/" when none of
// that name is there yet. Returns the name to store, or the empty text when the
// file could not be taken (unreadable, unsafe name, folder not writable).
std::string MediumUebernehmen(ApiClass& api, const std::string& quelle, bool sichern);

// Saves a finished recording as `ziel` (replacing what was there). A target
// outside "DATEN/" gets a copy in "DATEN/" too, because a question stores only
// the name and finds its sound there. Returns that name, or empty on failure.
std::string AufnahmeAblegen(ApiClass& api, const std::string& aufnahme, const std::string& ziel);

}  // namespace fragen
