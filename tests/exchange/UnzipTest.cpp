// Zip extraction on real archives: whole archives with folders, single members
// by any letter case, the overwrite prompt, encrypted members, hostile member
// names, broken files, and archives that unpack to a lot: members go to disk in
// pieces, and an archive beyond the limit is refused before a file is written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Unzip.h"
#include "shell/Main.h"
#include "tests/exchange/ZipTestData.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
using testing_support::fileExists;
using testing_support::machZip;
using testing_support::readFile;
using testing_support::writeFile;

namespace {
struct ZipFixture : ::testing::Test {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    std::string dir = home.root() + "zip/";
    std::string ziel = home.root() + "ziel/";

    std::string zweiDateien() {
        std::string p = dir + "daten.zip";
        machZip(p, {{"Klang.WAV", "RIFF-Daten"}, {"bilder/bach.jpg", std::string(3000, 'J')}});
        return p;
    }
};
using UnzipGrenzen = ZipFixture;

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

}  // namespace

TEST_F(ZipFixture, ExtractsEveryMemberAndRecreatesItsFolders) {
    std::string p = dir + "alles.zip";
    machZip(p, {{"a.txt", "eins"}, {"sub/dir/b.txt", "zwei"}, {"leer/", ""}, {"ü.txt", "drei"}});
    EXPECT_TRUE(VBUnzBas::Extrakt(p, ziel));
    EXPECT_EQ(readFile(ziel + "a.txt"), "eins");
    EXPECT_EQ(readFile(ziel + "sub/dir/b.txt"), "zwei");
    EXPECT_TRUE(std::filesystem::is_directory(ziel + "leer"));
    EXPECT_EQ(readFile(ziel + "ü.txt"), "drei");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(VBUnzBas::MessageText().find("Num Of Members  : 4\r\n"), std::string::npos);
    EXPECT_NE(
        VBUnzBas::MessageText().find("Only Shows If uExtractList = 1 List Contents\r\n--------------\r\n"),
        std::string::npos);
}

TEST_F(ZipFixture, MemberNamesMatchWithoutRegardToCaseAndTheListingIsReused) {
    std::string p = zweiDateien();
    const int vorher = VBUnzBas::Auflistungen();
    EXPECT_TRUE(VBUnzBas::FileExistInZip(p, "klang.wav"));
    EXPECT_TRUE(VBUnzBas::FileExistInZip(p, "BILDER/BACH.JPG"));
    EXPECT_FALSE(VBUnzBas::FileExistInZip(p, "bach.jpg"));
    EXPECT_EQ(VBUnzBas::Auflistungen(), vorher + 1) << "one archive is listed once";
    EXPECT_EQ(VBUnzBas::FileInZipName(p, 0), "Klang.WAV");
    EXPECT_EQ(VBUnzBas::FileInZipName(p, 1), "bilder/bach.jpg");
    EXPECT_EQ(VBUnzBas::FileInZipName(p, 2), "");
    EXPECT_EQ(VBUnzBas::FileInZipName(p, 1000), "");
    EXPECT_EQ(VBUnzBas::Auflistungen(), vorher + 1);

    // The member lines of the listing: header columns 1, 53, 62, 71.
    const std::string& text = VBUnzBas::MessageText();
    size_t kopf = text.find("Filename:");
    ASSERT_NE(kopf, std::string::npos);
    EXPECT_EQ(text.substr(kopf + 52, 4), "Size");
    EXPECT_EQ(text.substr(kopf + 61, 4), "Date");
    EXPECT_EQ(text.substr(kopf + 70, 4), "Time");
    size_t zeile = text.find("Klang.WAV");
    EXPECT_EQ(text.substr(zeile + 51, 8), "      10");
    EXPECT_NE(VBUnzBas::Ausgabe().find("\r\nNumber Of Files: 2"), std::string::npos);

    // Another archive, and then the first one changed on disk, are listed anew.
    std::string q = dir + "andere.zip";
    machZip(q, {{"x.txt", "x"}});
    EXPECT_TRUE(VBUnzBas::FileExistInZip(q, "X.TXT"));
    machZip(p, {{"neu.txt", "n"}});
    EXPECT_TRUE(VBUnzBas::FileExistInZip(p, "NEU.TXT"));
    EXPECT_FALSE(VBUnzBas::FileExistInZip(p, "klang.wav"));
    EXPECT_EQ(VBUnzBas::Auflistungen(), vorher + 3);
}

TEST_F(ZipFixture, OneFileByAnyCaseUpperCasesTheCallersName) {
    std::string p = dir + "eins.zip";
    machZip(p, {{"BACH.JPG", "Bachbild-Bytes"}, {"ANDERE.JPG", "nein"}});
    std::string name = "bach.jpg";
    EXPECT_TRUE(VBUnzBas::ExtractOneFile(p, ziel, name));
    EXPECT_EQ(name, "BACH.JPG");
    EXPECT_EQ(readFile(ziel + "BACH.JPG"), "Bachbild-Bytes");
    EXPECT_FALSE(fileExists(ziel + "ANDERE.JPG"));

    std::string fehlt = "nichtda.jpg";
    EXPECT_FALSE(VBUnzBas::ExtractOneFile(p, ziel, fehlt));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("11\r\n", 0), 0u);
}

TEST_F(ZipFixture, AnExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
    std::string p = dir + "drei.zip";
    machZip(p, {{"a.txt", "neu-a"}, {"b.txt", "neu-b"}, {"c.txt", "neu-c"}});
    writeFile(ziel + "a.txt", "alt-a");
    writeFile(ziel + "b.txt", "alt-b");
    writeFile(ziel + "c.txt", "alt-c");

    dialogs.answers = {dlg::No, dlg::Yes, dlg::No};
    EXPECT_TRUE(VBUnzBas::Extrakt(p, ziel));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text, "Overwrite " + ziel + "a.txt?");
    EXPECT_EQ(dialogs.messages[0].title, "VBUnZip32 - File Already Exists!");
    EXPECT_EQ(dialogs.messages[0].flags, dlg::YesNoCancel | dlg::Exclamation);
    EXPECT_EQ(readFile(ziel + "a.txt"), "alt-a");
    EXPECT_EQ(readFile(ziel + "b.txt"), "neu-b");
    EXPECT_EQ(readFile(ziel + "c.txt"), "alt-c");

    // Cancel: nothing more is replaced, and nobody is asked again.
    writeFile(ziel + "b.txt", "alt-b");
    dialogs.messages.clear();
    dialogs.answers = {dlg::Cancel};
    VBUnzBas::Extrakt(p, ziel);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(readFile(ziel + "a.txt"), "alt-a");
    EXPECT_EQ(readFile(ziel + "b.txt"), "alt-b");
}

TEST_F(ZipFixture, EncryptedMembersOpenWithTheProgramsPasswordOnly) {
    std::string p = dir + "geheim.zip";
    machZip(p, {{"offen.txt", "offen"}, {"geheim.txt", "Geheimnis", VBUnzBas::kPasswort}});
    EXPECT_TRUE(VBUnzBas::Extrakt(p, ziel));
    EXPECT_EQ(readFile(ziel + "geheim.txt"), "Geheimnis");

    std::string q = dir + "fremd.zip";
    machZip(q, {{"fremd.txt", std::string(500, 'f'), "anderes"}});
    EXPECT_FALSE(VBUnzBas::Extrakt(q, ziel));
    EXPECT_FALSE(fileExists(ziel + "fremd.txt"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("82\r\n", 0), 0u) << dialogs.messages[0].text;
}

TEST_F(ZipFixture, ArchivesMadeByTheZipCommandWithAPasswordOpen) {
    if (std::system("command -v zip >/dev/null 2>&1") != 0) GTEST_SKIP() << "no zip command";
    writeFile(dir + "quelle/lied.wav", "RIFF-Lied-Bytes");
    std::string cmd = "cd '" + dir + "quelle' && zip -q -P kastol ../lied.zip lied.wav";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_TRUE(VBUnzBas::FileExistInZip(dir + "lied.zip", "LIED.WAV"));
    std::string name = "Lied.wav";
    EXPECT_TRUE(VBUnzBas::ExtractOneFile(dir + "lied.zip", ziel, name));
    EXPECT_EQ(readFile(ziel + "lied.wav"), "RIFF-Lied-Bytes");
}

TEST_F(ZipFixture, MembersThatClimbOutOfTheTargetAreSkippedAndReported) {
    std::string p = dir + "boese.zip";
    machZip(p, {{"../boese.txt", "x"},
                {"gut/../../auch-boese.txt", "y"},
                {"/tmp/absolut-boese.txt", "z"},
                {"gut.txt", "gut"}});
    EXPECT_FALSE(VBUnzBas::Extrakt(p, ziel));
    EXPECT_EQ(readFile(ziel + "gut.txt"), "gut");
    EXPECT_FALSE(fileExists(home.root() + "boese.txt"));
    EXPECT_FALSE(fileExists(home.root() + "auch-boese.txt"));
    EXPECT_FALSE(fileExists("/tmp/absolut-boese.txt"));
    EXPECT_NE(VBUnzBas::InfoText().find("skipping: ../boese.txt"), std::string::npos);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("1\r\n", 0), 0u);
    EXPECT_NE(dialogs.messages[0].text.find("gut/../../auch-boese.txt"), std::string::npos);
}

TEST_F(ZipFixture, BrokenArchivesGiveAClearMessageAndNoFiles) {
    std::string echt = zweiDateien();
    const std::string bytes = readFile(echt);
    writeFile(dir + "halb.zip", bytes.substr(0, bytes.size() / 2));
    writeFile(dir + "text.zip", "Das ist kein Archiv, nur Text.\r\n");
    writeFile(dir + "null.zip", "");
    for (const char* name : {"halb.zip", "text.zip", "null.zip", "fehlt.zip"}) {
        dialogs.messages.clear();
        EXPECT_FALSE(VBUnzBas::Extrakt(dir + name, ziel)) << name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << name;
        EXPECT_EQ(dialogs.messages[0].text,
                  "9\r\nDas Archiv fehlt, ist beschädigt oder ist kein Zip-Archiv: "_ansi + dir + name);
        EXPECT_FALSE(VBUnzBas::FileExistInZip(dir + name, "klang.wav")) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(ziel));

    // Damaged member data behind an intact directory.
    std::string kaputt = bytes;
    size_t daten = kaputt.find("RIFF-Daten");
    ASSERT_NE(daten, std::string::npos);
    kaputt[daten] = 'X';
    writeFile(dir + "kaputt.zip", kaputt);
    dialogs.messages.clear();
    EXPECT_FALSE(VBUnzBas::Extrakt(dir + "kaputt.zip", ziel));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("2\r\n", 0), 0u) << dialogs.messages[0].text;
    EXPECT_FALSE(fileExists(ziel + "Klang.WAV"));
}

TEST_F(ZipFixture, AnEmptyArchiveIsCompleteWithNothingInIt) {
    writeFile(dir + "leer.zip", std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    EXPECT_TRUE(VBUnzBas::Extrakt(dir + "leer.zip", ziel));
    EXPECT_FALSE(VBUnzBas::FileExistInZip(dir + "leer.zip", "a"));
    EXPECT_EQ(VBUnzBas::FileInZipName(dir + "leer.zip", 0), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ZipExtension, ADotGoesInFrontUnlessTheTextEndsInOne) {
    VBUnzBas::ZipExtension("DAT");
    EXPECT_EQ(VBUnzBas::ZipExtension(), ".DAT");
    VBUnzBas::ZipExtension("zip.");
    EXPECT_EQ(VBUnzBas::ZipExtension(), "zip.");
    VBUnzBas::ZipExtension("ZIP");
}

// A broken update is moved aside once, the user hears of it once, and later
// starts leave it alone; an earlier broken one is not overwritten.
TEST_F(ZipFixture, StartUpDeletesAWholeArchiveAndMovesABrokenOneAsideOnce) {
    ApiClass api;
    const std::string app = api.AppPfad();
    MelvatoBasic::StartupParts parts;
    parts.extract = [](const std::string& zip, const std::string& folder) {
        return VBUnzBas::Extrakt(zip, folder);
    };
    const std::string defekt = "\"Anleitung.zip\" lie\xdf sich nicht vollst\xe4ndig entpacken.";
    machZip(app + "Daten.zip", {{"sound.wav", "RIFF"}, {"counter0.gif", "GIF89a"}});
    for (const char* inhalt : {"abgebrochener Download", "noch einer"}) {
        writeFile(app + "Anleitung.zip", inhalt);
        dialogs.messages.clear();
        MelvatoBasic::Main(parts);
        EXPECT_FALSE(fileExists(app + "Anleitung.zip"));
        ASSERT_EQ(dialogs.messages.size(), 2u) << "the unzip error, then the move";
        EXPECT_EQ(dialogs.messages[1].text.rfind(defekt, 0), 0u) << dialogs.messages[1].text;
    }
    EXPECT_EQ(readFile(app + "DATEN/counter0.gif"), "GIF89a");
    EXPECT_FALSE(fileExists(app + "Daten.zip"));
    EXPECT_EQ(readFile(app + "Anleitung.zip.defekt"), "abgebrochener Download");
    EXPECT_EQ(readFile(app + "Anleitung.zip.defekt2"), "noch einer");
    dialogs.messages.clear();
    MelvatoBasic::Main(parts);
    EXPECT_TRUE(dialogs.messages.empty());
    MelvatoBasic::ReleaseApi();
}

TEST_F(UnzipGrenzen, ArchiveBeyondTheLimitIsRefusedBeforeAnythingIsWritten) {
    const std::string zip = dir + "gross.zip";
    // A small member whose headers claim 2 GiB: the limit goes by the stated size.
    machZip(zip, {{"nullen.wav", std::string(5000, '\0')}});
    testing_support::groesseFaelschen(zip, "nullen.wav");
    EXPECT_FALSE(VBUnzBas::Extrakt(zip, ziel));
    EXPECT_FALSE(std::filesystem::exists(ziel)) << "not even the folder";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("52\r\n", 0), 0u) << dialogs.messages[0].text;
    EXPECT_NE(dialogs.messages[0].text.find("2147483647 Bytes"), std::string::npos)
        << dialogs.messages[0].text;
}

TEST_F(UnzipGrenzen, MemberIsWrittenInPiecesNotHeldWhole) {
    const std::string zip = dir + "mittel.zip";
    constexpr std::uint64_t groesse = 96u << 20;
    {
        // One copy of the bytes, freed again before the measurement.
        std::vector<testing_support::ZipMember> glied(1);
        glied[0].name = "nullen.wav";
        glied[0].bytes.assign(groesse, '\0');
        machZip(zip, glied);
    }
    if (!spitzeZuruecksetzen() || spitzeKiB() < 0) GTEST_SKIP() << "no peak memory reset here";
    const long vorher = spitzeKiB();
    EXPECT_TRUE(VBUnzBas::Extrakt(zip, ziel));
    const long zuwachs = spitzeKiB() - vorher;
    EXPECT_EQ(std::filesystem::file_size(ziel + "nullen.wav"), groesse);
    EXPECT_LT(zuwachs, 16 * 1024) << "KiB more at the peak while unpacking a 96 MiB member";
    EXPECT_TRUE(dialogs.messages.empty());
}
