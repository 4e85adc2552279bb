// Folders, version numbers, drives and pauses.
#include <gtest/gtest.h>

#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "tests/services/ServicesFixture.h"
#include "tests/support/TestSupport.h"

using testing_support::TempHome;
using testing_support::writeFile;

TEST(Paths, FoldersDeriveFromTheDataLocation) {
    TempHome home;
    ApiClass api;
    EXPECT_EQ(api.PreVerzeichnis("app dateien"), "");  // keys are case-sensitive
    EXPECT_EQ(api.PreVerzeichnis(""), "");
    EXPECT_EQ(api.PreVerzeichnis("APP DATEIEN"), home.root() + "share/");
    EXPECT_EQ(api.ManuAppPfad(), home.root() + "share/varulak/");
    EXPECT_EQ(api.AppPfad(), home.appPfad());
    EXPECT_EQ(api.UserPfad(), api.AppPfad());
    EXPECT_EQ(api.ManuUserPfad(), api.ManuAppPfad());
    // Resolved once per run: a changed environment does not move the folder.
    setenv("XDG_DATA_HOME", "/elsewhere", 1);
    EXPECT_EQ(api.AppPfad(), home.appPfad());
    // The application path drops one trailing separator.
    EXPECT_EQ(api.ApplicationPath(), api.AppPfad());
    api.ApplicationPath("D:\\Quiz\\");
    EXPECT_EQ(api.ApplicationPath(), "D:\\Quiz");
}

TEST(Paths, VersionAndVersionValue) {
    EXPECT_EQ(ApiClass::VersionValue("3.0.1"), 3000001);
    EXPECT_EQ(ApiClass::VersionValue("2.10.15"), 2010015);
    EXPECT_EQ(ApiClass::VersionValue("3.0"), 0);
    EXPECT_EQ(ApiClass::VersionValue("1.2.3456"), 1002345);
    EXPECT_EQ(ApiClass::VersionValue(""), 0);
}

TEST(Paths, FileNamesResolveWithoutRegardToCase) {
    TempHome home;
    writeFile(home.appPfad() + "DATEN/Back.jpg", "x");
    EXPECT_TRUE(fsys::fileExists(home.appPfad() + "daten\\back.JPG"));
    EXPECT_TRUE(fsys::folderExists(home.appPfad() + "Daten"));
    // A new file keeps the caller's spelling, inside the existing folder.
    ASSERT_TRUE(fsys::writeAtomic(home.appPfad() + "daten/Neu.txt", "n"));
    EXPECT_TRUE(testing_support::fileExists(home.appPfad() + "DATEN/Neu.txt"));
    // Windows-1252 names reach UTF-8 file names.
    ASSERT_TRUE(fsys::writeAtomic(home.appPfad() + "DATEN/B\xE4r.gif", "b"));
    EXPECT_TRUE(testing_support::fileExists(home.appPfad() + "DATEN/B\xC3\xA4r.gif"));
    EXPECT_TRUE(fsys::fileExists(home.appPfad() + "daten/B\xC4R.GIF"));
    // A name that was missing is found once another program makes the file, in
    // any letter case (the folder's last change long past when it was missed).
    const std::string daten = fsys::native(home.appPfad() + "DATEN").string();
    setAge(daten, 3600);
    EXPECT_FALSE(fsys::fileExists(home.appPfad() + "daten/spaeter.wav"));
    EXPECT_FALSE(fsys::fileExists(home.appPfad() + "daten/spaeter.wav"));
    writeOutside(daten + "/SPAETER.WAV", "x");
    EXPECT_TRUE(fsys::fileExists(home.appPfad() + "daten/spaeter.wav"));
}

TEST(Drives, KindsComeFromTheMountTable) {
    TempHome home;
    const std::string r = home.root();
    const std::string mounts = "/dev/vda1 / ext4 rw 0 0\nserver:/export " + r + "net nfs4 rw 0 0\ntmpfs " +
                               r + "ram tmpfs rw 0 0\n/dev/sr0 " + r + "cd iso9660 ro 0 0\n/dev/sdb1 " + r +
                               "stick vfat rw 0 0\n";
    auto removable = [](const std::string& dev) { return dev == "/dev/sdb1"; };
    const std::pair<const char*, const char*> cases[] = {
        {"net/klasse", "Network"}, {"ram", "RAM Disk"}, {"cd", "CD-ROM"},
        {"stick", "Removable"},    {"", "Fixed"},       {"gibtsnicht", "Unknown"}};
    for (const auto& [folder, kind] : cases) {
        if (*folder && std::string(folder) != "gibtsnicht") std::filesystem::create_directories(r + folder);
        EXPECT_EQ(driveKindFromMounts(r + folder, mounts, removable), kind) << folder;
    }
    EXPECT_EQ(ApiClass().DriveTyp("Q"), "Unknown");
}

TEST(Wait, WholeMillisecondsOnly) {
    EXPECT_EQ(waitMillis(0.0005), 0);
    EXPECT_EQ(waitMillis(0.0015), 1);
    EXPECT_EQ(waitMillis(2), 2000);
    EXPECT_EQ(waitMillis(-1), 0);
    TempHome home;
    ApiClass api;
    std::vector<int> slept;
    api.setSleeper([&](int ms) { slept.push_back(ms); });
    api.wait(0.25);
    EXPECT_EQ(slept, std::vector<int>{250});
}
