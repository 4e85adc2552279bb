#pragma once
// Zip archives: unpacking whole archives or single members, and asking which
// members an archive holds. Encrypted members are opened with the program's
// archive password. Names match without regard to case; stored folders are
// recreated below the target folder; a member that would land outside it is
// skipped. An existing file is replaced only after the user agreed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ApiClass;

namespace VBUnzBas {

// Results as the unzip library of the original program numbered them.
enum Ergebnis : int {
    PK_OK = 0,
    PK_WARN = 1,    // some members were skipped (unsafe name, failed member)
    PK_ERR = 2,     // a damaged member
    PK_NOZIP = 9,   // missing, damaged, or no zip archive at all
    PK_FIND = 11,   // the named member is not in the archive
    PK_DISK = 50,   // a file could not be written
    PK_EOF = 51,    // the archive ends early
    PK_GROSS = 52,  // unpacked it would exceed kGrenze or the free space of the target
    IZ_BADPWD = 82,
};

// Most bytes one call may unpack: the program's media are far smaller, and an
// archive that unpacks beyond it is refused before anything is written.
inline constexpr std::uint64_t kGrenze = std::uint64_t(1) << 30;

// The password of every encrypted archive the program ships.
inline constexpr const char* kPasswort = "kastol";

// The common call: unpacks all members (or the include names set by the callers
// below) into `folder`. A result other than 0 is shown to the user.
int ExtraktNow(const std::string& archive, const std::string& folder);
// Unpacks every member. True when the archive came out whole.
bool Extrakt(const std::string& archive, const std::string& folder);
// Unpacks one member; `name` is upper-cased, also in the caller's variable.
// True when the member came out.
bool ExtractOneFile(const std::string& archive, const std::string& folder, std::string& name);
// True when the archive holds a member of that name (any letter case).
bool FileExistInZip(const std::string& archive, const std::string& name);
// Renames an archive that did not come out whole to "<name>.defekt" ("...defekt2"
// and so on when such a file exists already), so that it is not tried again, and
// tells the user. Returns the new name; empty when the archive could not be moved.
std::string Beiseitelegen(ApiClass& api, const std::string& archive);
// Member name at index 0 .. 999 of the archive's listing; empty beyond the last.
std::string FileInZipName(const std::string& archive, int index);
// Extension for the archive chooser; a "." goes in front unless the text ends in one.
void ZipExtension(std::string_view extension);
std::string ZipExtension();

// What the last call reported: the listing and summary text, the information
// text, the output as a whole, and the members of the last listed archive.
const std::string& MessageText();
const std::string& InfoText();
std::string Ausgabe();
int MemberCount();
const std::vector<std::string>& MemberList();
// How many times an archive was listed (a listing is reused while the same,
// unchanged archive is asked about).
int Auflistungen();

}  // namespace VBUnzBas
