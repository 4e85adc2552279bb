// Archives that unpack to a lot: members go to disk in pieces, and an archive
// beyond the limit is refused before a single file is written.
#include <gtest/gtest.h>
#include <zip.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "services/Unzip.h"
#include "tests/support/TestSupport.h"

namespace {

// One member of `groesse` zero bytes, fed to libzip in pieces.
struct Nullen {
    std::uint64_t groesse;
    std::uint64_t gelesen = 0;
};

zip_int64_t nullQuelle(void* daten, void* ziel, zip_uint64_t laenge, zip_source_cmd_t befehl) {
    auto& q = *static_cast<Nullen*>(daten);
    switch (befehl) {
        case ZIP_SOURCE_OPEN:
            q.gelesen = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const zip_uint64_t n = std::min<zip_uint64_t>(laenge, q.groesse - q.gelesen);
            std::memset(ziel, 0, n);
            q.gelesen += n;
            return zip_int64_t(n);
        }
        case ZIP_SOURCE_STAT: {
            auto* st = static_cast<zip_stat_t*>(ziel);
            zip_stat_init(st);
            st->size = q.groesse;
            st->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_SUPPORTS:
            return ZIP_SOURCE_SUPPORTS_READABLE;
        case ZIP_SOURCE_ERROR:
            return 2 * sizeof(int);  // no error to report
        default:
            return 0;
    }
}

void machNullZip(const std::string& pfad, std::uint64_t groesse) {
    std::filesystem::create_directories(std::filesystem::path(pfad).parent_path());
    int fehler = 0;
    zip_t* za = zip_open(pfad.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    ASSERT_NE(za, nullptr);
    Nullen q{groesse};
    zip_source_t* src = zip_source_function(za, nullQuelle, &q);
    ASSERT_NE(src, nullptr);
    const zip_int64_t i = zip_file_add(za, "nullen.wav", src, 0);
    ASSERT_GE(i, 0) << zip_strerror(za);
    ASSERT_EQ(zip_set_file_compression(za, zip_uint64_t(i), ZIP_CM_DEFLATE, 1), 0);
    ASSERT_EQ(zip_close(za), 0) << zip_strerror(za);
}

// Peak resident memory in KiB since the last reset; -1 when the system cannot tell.
long spitzeKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.rfind("VmHWM:", 0) == 0) return std::stol(zeile.substr(6));
    return -1;
}
bool spitzeZuruecksetzen() {
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
    f.flush();
    return bool(f);
}

TEST(UnzipGrenzen, ArchiveBeyondTheLimitIsRefusedBeforeAnythingIsWritten) {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    const std::string zip = home.root() + "gross.zip";
    machNullZip(zip, VBUnzBas::kGrenze + (VBUnzBas::kGrenze / 5));
    ASSERT_LT(std::filesystem::file_size(zip), 10u << 20) << "highly compressible";
    const std::string ziel = home.root() + "ziel/";
    EXPECT_FALSE(VBUnzBas::Extrakt(zip, ziel));
    EXPECT_FALSE(std::filesystem::exists(ziel)) << "not even the folder";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("52\r\n", 0), 0u) << dialogs.messages[0].text;
    EXPECT_NE(dialogs.messages[0].text.find("1288490188 Bytes"), std::string::npos)
        << dialogs.messages[0].text;
}

TEST(UnzipGrenzen, MemberIsWrittenInPiecesNotHeldWhole) {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    const std::string zip = home.root() + "mittel.zip";
    constexpr std::uint64_t groesse = 96u << 20;
    machNullZip(zip, groesse);
    if (!spitzeZuruecksetzen() || spitzeKiB() < 0) GTEST_SKIP() << "no peak memory reset here";
    const long vorher = spitzeKiB();
    EXPECT_TRUE(VBUnzBas::Extrakt(zip, home.root() + "ziel/"));
    const long zuwachs = spitzeKiB() - vorher;
    EXPECT_EQ(std::filesystem::file_size(home.root() + "ziel/nullen.wav"), groesse);
    EXPECT_LT(zuwachs, 16 * 1024) << "KiB more at the peak while unpacking a 96 MiB member";
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
