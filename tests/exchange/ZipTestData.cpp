#include "tests/exchange/ZipTestData.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>

#include "tests/support/TestSupport.h"

namespace testing_support {

void machZip(const std::string& path, const std::vector<ZipMember>& members) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    int fehler = 0;
    zip_t* za = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    ASSERT_NE(za, nullptr) << "zip_open " << fehler;
    for (const ZipMember& m : members) {
        zip_int64_t i;
        if (!m.name.empty() && m.name.back() == '/') {
            i = zip_dir_add(za, m.name.substr(0, m.name.size() - 1).c_str(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t* src = zip_source_buffer(za, m.bytes.data(), m.bytes.size(), 0);
            ASSERT_NE(src, nullptr);
            i = zip_file_add(za, m.name.c_str(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
            if (i < 0) zip_source_free(src);
        }
        ASSERT_GE(i, 0) << m.name << ": " << zip_strerror(za);
        if (m.passwort) {
            ASSERT_EQ(zip_file_set_encryption(za, zip_uint64_t(i), ZIP_EM_TRAD_PKWARE, m.passwort), 0)
                << zip_strerror(za);
        }
    }
    ASSERT_EQ(zip_close(za), 0) << zip_strerror(za);
}

void groesseFaelschen(const std::string& zip, const std::string& member) {
    std::string b = readFile(zip);
    for (const auto& [signatur, feld] :
         {std::pair{std::string("PK\x03\x04"), 22}, {std::string("PK\x01\x02"), 24}})
        for (size_t p = b.find(signatur); p != std::string::npos; p = b.find(signatur, p + 4)) {
            const size_t name = p + (signatur[2] == 3 ? 30 : 46);
            if (b.compare(name, member.size(), member) == 0)
                b.replace(p + size_t(feld), 4, "\xFF\xFF\xFF\x7F");
        }
    std::ofstream(zip, std::ios::binary | std::ios::trunc) << b;
}

}  // namespace testing_support
