// Profile files shared with other programs and stations: another program's
// change survives our write, read-only files stay as they are, names fold over
// the whole code page, and files a teacher saved as Unicode read and write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>

#include "services/FileSys.h"
#include "tests/services/ServicesFixture.h"

using testing_support::readFile;
using testing_support::TempHome;

namespace {
using ProfileSharing = DatenOrdner;
}  // namespace

TEST_F(ProfileSharing, WriteKeepsAnotherProgramsChangeMadeWithinTheRecheckDelay) {
    std::int64_t now = 5000;  // the clock stands still: a read would trust its cached copy
    api.profiles().setClock([&] { return now; });
    writeOutside(file("Master.Ini"), "[Netzwerk]\r\nA=1\r\n");
    EXPECT_EQ(api.IniLesen("Master.Ini", "Netzwerk", "A"), "1");
    writeOutside(file("Master.Ini"), "[Netzwerk]\r\nA=1\r\nB=2\r\n");
    api.IniSchreiben("Master.Ini", "Netzwerk", "C", "3");
    EXPECT_EQ(readFile(file("Master.Ini")), "[Netzwerk]\r\nA=1\r\nB=2\r\nC=3\r\n");
}

TEST_F(ProfileSharing, FailedWritesChangeNothingLeaveNoTemporaryFileAndTheCallerHearsIt) {
    const std::string before = "[Allgemein]\r\nVersion=1\r\n";
    writeOutside(file("ro.ini"), before);
    ASSERT_EQ(chmod(file("ro.ini").c_str(), 0444), 0);
    EXPECT_FALSE(api.IniSchreiben("ro.ini", "Allgemein", "Version", "2"));
    EXPECT_FALSE(api.IniSchreiben("ro.ini", "Neu", "k", "v"));
    EXPECT_THROW(api.TextDatei("ro.ini", "anders"), ApiError);
    EXPECT_EQ(readFile(file("ro.ini")), before);
    EXPECT_EQ(api.IniLesen("ro.ini", "Allgemein", "Version"), "1");
    // Nor does a file in a folder that is not there.
    EXPECT_FALSE(api.IniSchreiben(home.root() + "no/such/folder/f.ini", "s", "k", "v"));
    EXPECT_EQ(api.IniLesen(home.root() + "no/such/folder/f.ini", "s", "k"), "");
    api.IniSchreiben("keep.ini", "s", "k", "v");
    EXPECT_EQ(fsys::list(home.appPfad()), (std::vector<std::string>{"keep.ini", "ro.ini"}));  // no leftovers
}

TEST(ProfileNames, FoldOverTheWholeCodePage) {
    struct Case {
        const char* stored;
        const char* asked;
        bool found;
    };
    const Case cases[] = {
        {"L\xF6sung", "L\xD6SUNG", true},  // ö Ö
        {"Erkl\xE4rung", "ERKL\xC4RUNG", true},
        {"\xE9t\xE9", "\xC9T\xC9", true},        // é É
        {"\x9A\x9C\x9E", "\x8A\x8C\x8E", true},  // š œ ž
        {"\xFF", "\x9F", true},                  // ÿ Ÿ
        {"Quiz", "qUIZ", true},
        {"Fu\xDF", "FU\xDF", true},  // ß has no capital of its own here
        {"Fu\xDF", "FUSS", false},
        {"\xD7", "\xF7", false},  // × and ÷ are not letters
        {"L\xF6sung", "Losung", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        std::string bytes = std::string("[") + c.stored + "]\r\n" + c.stored + "=1\r\n";
        profile::Parsed parsed(bytes);
        EXPECT_EQ(parsed.lookup(c.asked, c.asked).has_value(), c.found);
        // A write under the other spelling replaces the stored entry instead of adding one.
        std::string written = parsed.withValue(c.asked, c.asked, "2");
        EXPECT_EQ(written == std::string("[") + c.stored + "]\r\n" + c.stored + "=2\r\n", c.found) << written;
    }
}

namespace {
struct Encoding {
    const char* name;
    std::function<std::string(const QString&)> encode;  // with its byte-order mark
};
const Encoding kEncodings[] = {
    {"UTF-16 LE",
     [](const QString& s) {
         std::string out = "\xFF\xFE";
         for (QChar c : s) out.append({char(c.unicode() & 0xFF), char(c.unicode() >> 8)});
         return out;
     }},
    {"UTF-8", [](const QString& s) { return "\xEF\xBB\xBF" + s.toStdString(); }},
};
}  // namespace

TEST_F(ProfileSharing, UnicodeFilesReadAsTheCodePageAndKeepTheirEncodingWhenWritten) {
    // "ł" and "中" have no place in the code page: they read as "?" but must survive a write.
    const QString text =
        QStringLiteral("[L\u00f6sung]\r\nAntwort=Gr\u00f6\u00dfe \u20ac\r\nName=\u0142\u4e2d\r\n");
    const QString after = QStringLiteral(
        "[L\u00f6sung]\r\nAntwort=Gr\u00f6\u00dfe "
        "\u20ac\r\nName=\u0142\u4e2d\r\nNeu=\u00e4\u00df\r\n[Frage]\r\nA=1\r\n");
    for (const Encoding& e : kEncodings) {
        SCOPED_TRACE(e.name);
        writeOutside(file("u.ini"), e.encode(text));
        EXPECT_EQ(api.IniLesen("u.ini", "L\xD6SUNG", "Antwort"), "Gr\xF6\xDF\x65 \x80");
        EXPECT_EQ(api.IniLesen("u.ini", "L\xF6sung", "Name"), "??");
        EXPECT_TRUE(api.IniSchreiben("u.ini", "L\xF6sung", "Neu", "\xE4\xDF"));
        EXPECT_TRUE(api.IniSchreiben("u.ini", "Frage", "A", "1"));
        EXPECT_EQ(readFile(file("u.ini")), e.encode(after));
        EXPECT_EQ(api.IniLesen("u.ini", "L\xF6sung", "Neu"), "\xE4\xDF");
    }
}

TEST(ProfileLock, TwoProcessesWritingOneFileAtOnceKeepEveryKey) {
    TempHome home;
    const std::string path = home.root() + "Master.Ini";
    QProcess writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i].start(QStringLiteral(STATION), {QStringLiteral("profil"), QString::fromStdString(path),
                                                   QStringLiteral("P%1_").arg(i), QStringLiteral("500")});
    for (QProcess& w : writers) {
        ASSERT_TRUE(w.waitForFinished(240000));
        EXPECT_EQ(w.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(w.exitCode(), 0) << w.readAllStandardError().toStdString();
    }
    profile::Store store;
    auto keys = store.keys(path, "Netzwerk");
    EXPECT_EQ(keys.size(), 1000u);
    for (int i = 0; i < 2; ++i)
        for (int k : {0, 1, 250, 499}) {
            std::string key = "P" + std::to_string(i) + "_" + std::to_string(k);
            EXPECT_EQ(store.read(path, "Netzwerk", key), std::to_string(k)) << key;
        }
}

TEST(ProfileLock, LockLeftByAStuckHolderIsBrokenAfterTenSeconds) {
    TempHome home;
    const std::string path = home.root() + "Master.Ini";
    fsys::FileLock stuck(path);
    ASSERT_TRUE(stuck.held());
    setAge(fsys::FileLock::lockFileOf(path), 11);
    profile::Store store;
    EXPECT_TRUE(store.write(path, "Netzwerk", "A", "1"));
    EXPECT_EQ(readFile(path), "[Netzwerk]\r\nA=1\r\n");
}

TEST(ProfileLock, StaleLeftoversOfKilledWritesAreRemovedAtStart) {
    TempHome home;
    struct Leftover {
        const char* name;
        int ageSeconds;
        bool removed;
    };
    const Leftover files[] = {
        {"Fragen 1.Dat.melvato-tmp-4711-3", 3600, true},
        {"Master.Ini.melvato-lock", 3600, true},
        {"Spiele/a.lst.melvato-tmp-12-0", 3600, true},
        {"Fragen 2.Dat.melvato-tmp-4711-4", 5, false},  // a write may still be running
        {"Fragen 1.Dat", 3600, false},
        {"Notizen.tmp", 3600, false},  // not ours
        {"x.melvato-tmp-12", 3600, false},
    };
    for (const Leftover& f : files) {
        testing_support::writeFile(home.appPfad() + f.name, "x");
        setAge(home.appPfad() + f.name, f.ageSeconds);
    }
    EXPECT_EQ(fsys::removeStaleLeftovers(home.appPfad()), 3);
    for (const Leftover& f : files)
        EXPECT_EQ(!testing_support::fileExists(home.appPfad() + f.name), f.removed) << f.name;
}
