// The network folder: one teacher's station among stations that tick at the
// same moment, setting a share up (or joining one) without ever leaving a half
// copy, typed participant numbers, and a share that does not answer.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <filesystem>
#include <future>

#include "network/Netzwerk.h"
#include "services/FileSys.h"
#include "services/Profile.h"
#include "tests/support/TestSupport.h"

using testing_support::readFile;
using testing_support::TempHome;
using testing_support::writeFile;
namespace fs = std::filesystem;

TEST(Teilnehmer, TypedNumbersOutsideZeroToNinetyNineAreRefused) {
    const std::optional<int> nein;
    const std::pair<const char*, std::optional<int>> faelle[] = {
        {"0", 0},     {"7", 7},   {" 42 ", 42}, {"099", 99},          {"100", nein},
        {"-1", nein}, {"", nein}, {"4a", nein}, {"9999999999", nein}, {"1.5", nein}};
    for (auto [text, erwartet] : faelle) EXPECT_EQ(netz::TeilnehmerNr(text), erwartet) << text;
}

TEST(Master, OneTeacherStationAndOnlyItsOwnClearingCounts) {
    TempHome home;
    const std::string netzPfad = home.root() + "server/";
    profile::Store a, b;  // two stations with their own caches
    b.setRecheckInterval(0);
    EXPECT_EQ(netz::MasterWerden(a, netzPfad, 3), netz::Tick::NichtGeschrieben);  // no such folder
    fs::create_directories(netzPfad);
    EXPECT_EQ(netz::MasterLesen(b, netzPfad), 0);  // missing file: no master
    EXPECT_EQ(netz::MasterWerden(b, netzPfad, 0), netz::Tick::OhneNummer);
    EXPECT_FALSE(fsys::exists(netz::MasterIni(netzPfad)));

    EXPECT_EQ(netz::MasterWerden(a, netzPfad, 3), netz::Tick::Master);
    const std::string master3 = "[Konfiguration]\r\nMaster=3\r\n";
    EXPECT_EQ(readFile(netz::MasterIni(netzPfad)), master3);
    EXPECT_EQ(netz::MasterWerden(b, netzPfad, 5), netz::Tick::AndererMaster);
    EXPECT_TRUE(netz::MasterAbgeben(b, netzPfad, 5));
    EXPECT_EQ(readFile(netz::MasterIni(netzPfad)), master3);
    EXPECT_EQ(netz::MasterWerden(a, netzPfad, 3), netz::Tick::Master);  // ticking again keeps it

    EXPECT_TRUE(netz::MasterAbgeben(a, netzPfad, 3));
    EXPECT_EQ(netz::MasterLesen(b, netzPfad), 0);
    EXPECT_EQ(netz::MasterWerden(b, netzPfad, 5), netz::Tick::Master);
}

TEST(Master, TwoStationProcessesTickingAtOnceGiveExactlyOneMasterEveryRound) {
    TempHome home;
    const std::string netzPfad = home.root() + "server/";
    fs::create_directories(netzPfad);
    QProcess stationen[2];
    for (int i = 0; i < 2; ++i) {
        // Each station has its own data folder, as two computers would.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"),
                   QString::fromStdString(home.root() + "station" + std::to_string(i)));
        stationen[i].setProcessEnvironment(env);
        stationen[i].start(QStringLiteral(STATION), {QStringLiteral("netz"), QString::fromStdString(netzPfad),
                                                     QString::number(i + 1)});
        ASSERT_TRUE(stationen[i].waitForStarted());
    }
    auto antwort = [](QProcess& p) {
        while (!p.canReadLine())
            if (!p.waitForReadyRead(30000)) return std::string("timeout");
        return p.readLine().trimmed().toStdString();
    };
    profile::Store lehrer;
    lehrer.setRecheckInterval(0);
    for (int runde = 0; runde < 200; ++runde) {
        const auto gleich = std::chrono::steady_clock::now() + std::chrono::milliseconds(10);
        const QByteArray tick = "t " + QByteArray::number(qint64(gleich.time_since_epoch().count())) + "\n";
        for (QProcess& p : stationen) p.write(tick);
        for (QProcess& p : stationen) p.waitForBytesWritten(1000);  // both before the moment
        const std::string ja[2] = {antwort(stationen[0]), antwort(stationen[1])};
        ASSERT_EQ((ja[0] == "1") + (ja[1] == "1"), 1) << "round " << runde << ": " << ja[0] << " " << ja[1];
        const int sieger = ja[0] == "1" ? 0 : 1;
        ASSERT_EQ(netz::MasterLesen(lehrer, netzPfad), sieger + 1);
        // The other station clearing its tick changes nothing; the master's does.
        stationen[1 - sieger].write("c\n");
        ASSERT_EQ(antwort(stationen[1 - sieger]), "ok");
        ASSERT_EQ(netz::MasterLesen(lehrer, netzPfad), sieger + 1);
        stationen[sieger].write("c\n");
        ASSERT_EQ(antwort(stationen[sieger]), "ok");
        ASSERT_EQ(netz::MasterLesen(lehrer, netzPfad), 0);
    }
    for (QProcess& p : stationen) {
        p.write("q\n");
        EXPECT_TRUE(p.waitForFinished(10000));
    }
}

namespace {
class Einrichten : public ::testing::Test {
protected:
    TempHome home;
    std::string share;
    std::vector<std::string> kopien;
    netz::KopieBegleitung begleitung;

    void SetUp() override {
        share = home.root() + "server/klasse/";
        fs::create_directories(share);
        writeFile(home.appPfad() + "Fragen 0.Dat", "[Quiz 1]\r\nFrage=Wer?\r\n");
        writeFile(home.appPfad() + "Spiele/Blechbl\xE4ser.lst", "[Allgemein]\r\nTyp=Melvato-Frageliste\r\n");
        for (int i = 0; i < 20; ++i)
            writeFile(home.appPfad() + "DATEN/bild" + std::to_string(i) + ".gif", "GIF");
        begleitung.vorKopie = [this](const std::string& ordner) { kopien.push_back(ordner); };
    }
    // Entries of the maker's folder in the share: no temporary copies left.
    std::vector<std::string> imHersteller() { return fsys::list(share + "Varulak/"); }
};
}  // namespace

TEST_F(Einrichten, EmptyShareGetsTheCopyAndLaterStationsJoinWithoutCopying) {
    netz::Einrichtung e = netz::OrdnerEinrichten(share, home.appPfad(), begleitung);
    ASSERT_EQ(e.art, netz::Einrichtung::Angelegt) << e.meldung;
    const std::string ziel = share + "Varulak/Melvato/";
    EXPECT_EQ(e.pfad, ziel);
    EXPECT_EQ(kopien, std::vector<std::string>{share + "Varulak/Melvato"});
    testing_support::expectSameFiles(home.appPfad(), ziel);
    EXPECT_EQ(imHersteller(), std::vector<std::string>{"Melvato"});

    // Joining: the share itself, its maker folder or a folder inside the network folder.
    kopien.clear();
    writeFile(ziel + "Spiele/Lehrer.lst", "[Allgemein]\r\n");
    for (const std::string& gewaehlt : {share, share + "Varulak", share + "varulak/melvato/spiele/"}) {
        e = netz::OrdnerEinrichten(gewaehlt, home.appPfad(), begleitung);
        EXPECT_EQ(e.art, netz::Einrichtung::Beigetreten) << gewaehlt;
        EXPECT_EQ(e.pfad, ziel) << gewaehlt;
    }
    EXPECT_TRUE(kopien.empty());
    EXPECT_TRUE(fsys::fileExists(ziel + "Spiele/Lehrer.lst"));
}

TEST_F(Einrichten, FolderInsideTheDataFolderIsRefused) {
    const std::string ablehnung =
        "Der Netzwerk-Ordner darf nicht im Daten-Ordner von Melvato liegen:\r\n" + home.appPfad();
    // The data folder, a folder in it, and a folder above it that would lead back to it.
    for (const std::string& gewaehlt :
         {home.appPfad(), home.appPfad() + "DATEN/", home.root() + "share/" /* XDG_DATA_HOME */}) {
        netz::Einrichtung e = netz::OrdnerEinrichten(gewaehlt, home.appPfad(), begleitung);
        EXPECT_EQ(e.art, netz::Einrichtung::Abgelehnt) << gewaehlt;
        EXPECT_EQ(e.meldung, ablehnung);
    }
    EXPECT_TRUE(kopien.empty());
}

TEST_F(Einrichten, FailedCopyLeavesNothingThatLooksFinishedAndSaysWhy) {
    // The share goes away in the middle of the copy.
    begleitung.yield = [this] { fs::remove_all(fsys::native(share + "Varulak")); };
    bool fertig = false;
    begleitung.nachKopie = [&] { fertig = true; };
    netz::Einrichtung e = netz::OrdnerEinrichten(share, home.appPfad(), begleitung);
    EXPECT_EQ(e.art, netz::Einrichtung::Fehler);
    EXPECT_EQ(e.meldung.rfind("Der Netzwerk-Ordner konnte nicht angelegt werden.\r\n", 0), 0u) << e.meldung;
    EXPECT_TRUE(fertig);
    EXPECT_FALSE(fsys::exists(share + "Varulak/Melvato"));
    EXPECT_TRUE(imHersteller().empty());
}

TEST(Erreichbar, ShareThatDoesNotAnswerCountsAsUnreachableWithoutWaitingForIt) {
    TempHome home;
    EXPECT_TRUE(netz::OrdnerErreichbar(home.appPfad(), std::chrono::seconds(5)));
    EXPECT_FALSE(netz::OrdnerErreichbar(home.root() + "aus/", std::chrono::seconds(5)));

    // A check that hangs until the test lets it go.
    std::promise<void> frei;
    auto haengt = [f = frei.get_future().share()](const std::string&) {
        f.wait();
        return true;
    };
    EXPECT_FALSE(netz::OrdnerErreichbar(home.appPfad(), std::chrono::milliseconds(20), haengt));
    frei.set_value();
}
