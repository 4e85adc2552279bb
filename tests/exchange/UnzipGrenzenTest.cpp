// Archives that unpack to a lot: members go to disk in pieces, and an archive
// beyond the limit is refused before a single file is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "services/Unzip.h"
#include "tests/exchange/ZipTestData.h"
#include "tests/support/TestSupport.h"

namespace {

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
    // A small member whose headers claim 2 GiB: the limit goes by the stated size.
    testing_support::machZip(zip, {{"nullen.wav", std::string(5000, '\0')}});
    testing_support::groesseFaelschen(zip, "nullen.wav");
    const std::string ziel = home.root() + "ziel/";
    EXPECT_FALSE(VBUnzBas::Extrakt(zip, ziel));
    EXPECT_FALSE(std::filesystem::exists(ziel)) << "not even the folder";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("52\r\n", 0), 0u) << dialogs.messages[0].text;
    EXPECT_NE(dialogs.messages[0].text.find("2147483647 Bytes"), std::string::npos)
        << dialogs.messages[0].text;
}

TEST(UnzipGrenzen, MemberIsWrittenInPiecesNotHeldWhole) {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    const std::string zip = home.root() + "mittel.zip";
    constexpr std::uint64_t groesse = 96u << 20;
    testing_support::machZip(zip, {{"nullen.wav", std::string(groesse, '\0')}});  // freed again here
    if (!spitzeZuruecksetzen() || spitzeKiB() < 0) GTEST_SKIP() << "no peak memory reset here";
    const long vorher = spitzeKiB();
    EXPECT_TRUE(VBUnzBas::Extrakt(zip, home.root() + "ziel/"));
    const long zuwachs = spitzeKiB() - vorher;
    EXPECT_EQ(std::filesystem::file_size(home.root() + "ziel/nullen.wav"), groesse);
    EXPECT_LT(zuwachs, 16 * 1024) << "KiB more at the peak while unpacking a 96 MiB member";
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
