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
