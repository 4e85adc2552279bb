#pragma once
// Real zip archives for the tests, written with libzip.
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct ZipMember {
    std::string name;  // as stored (UTF-8); a trailing "/" makes a folder entry
    std::string bytes;
    const char* passwort = nullptr;  // traditional PKWARE encryption when set
};

// Writes the archive; fails the test when libzip refuses.
void machZip(const std::string& path, const std::vector<ZipMember>& members);
// Raises the stored size of every header of `member` to 2 GiB (the data stays as it is).
void groesseFaelschen(const std::string& zip, const std::string& member);

}  // namespace testing_support
