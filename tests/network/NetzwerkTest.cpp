// The network folder: one teacher's station among stations that tick at the
// same moment, setting a share up (or joining one) without ever leaving a half
// copy, typed participant numbers, and a share that does not answer.
// Class results: two stations write their own files on one share, the overview
// sums exactly their lines of the chosen days, damaged lines are counted and
// skipped, lines wait locally while the share is away, the CSV export and the
// clearing of old lines.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <filesystem>
#include <future>

#include "network/Ergebnisse.h"
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

namespace {
const QDate kHeute(2026, 12, 7);

netz::ErgebnisZeile zeile(int stunde, int nummer, const std::string& bereich, int ergebnis,
                          double niveau = 40, QDate tag = kHeute) {
    netz::ErgebnisZeile z;
    z.zeit = QDateTime(tag, QTime(stunde, 15, 3));
    z.frage.nummer = nummer;
    z.frage.bereich = bereich;
    z.frage.schwierigkeit = 35;
    z.frage.niveauVorher = niveau;
    z.frage.ergebnis = ergebnis;
    z.frage.sekunden = 12.4;
    return z;
}

class Ergebnisse : public ::testing::Test {
protected:
    TempHome home;
    std::string share = home.root() + "server/Varulak/Melvato/";
    netz::ErgebnisSchreiber station3{home.root() + "station3/"}, station12{home.root() + "station12/"};
    void SetUp() override {
        for (const char* o : {"server/Varulak/Melvato", "station3", "station12"})
            fs::create_directories(home.root() + o);
    }
    netz::Uebersicht heute() {
        return netz::Auswerten(share, kHeute, kHeute, [](std::int32_t n) {
            return std::make_pair("Frage " + std::to_string(n), std::string("Antwort; \"richtig\""));
        });
    }
};
}  // namespace

TEST_F(Ergebnisse, OverviewShowsExactlyTheStationsAnswersOfTheChosenDays) {
    const std::string oper = "Oper; \"Verdi\"";  // needs quoting in the file
    ASSERT_TRUE(station3.Schreiben(share, 3, zeile(9, 101, oper, 1, 40)));
    ASSERT_TRUE(station3.Schreiben(share, 3, zeile(10, 102, "Instrumente", 0, 45)));
    ASSERT_TRUE(station3.Schreiben(share, 3, zeile(8, 101, oper, 2, 60, kHeute.addDays(-1))));
    ASSERT_TRUE(station12.Schreiben(share, 12, zeile(9, 102, "Instrumente", 0, 30)));
    ASSERT_TRUE(station12.Schreiben(share, 12, zeile(11, 103, oper, 2, 33)));
    ASSERT_TRUE(station12.Schreiben(share, 12, zeile(10, 101, oper, 1, 31)));
    EXPECT_FALSE(station3.Schreiben(share, 0, zeile(9, 101, oper, 1)));  // no number, no file
    EXPECT_EQ(readFile(netz::ErgebnisDatei(share, 3)).substr(0, 54),
              "2026-12-07 09:15:03;101;\"Oper; \"\"Verdi\"\"\";35;40;1;12\r\n");

    // A half-written last line, a foreign line, and files that are no station's.
    const std::string ordner = share + "Ergebnisse/";
    fsys::append(ordner + "Platz 12.csv", "Notiz der Lehrerin\r\n2026-12-07 12:00:00;104;Oper;3");
    for (const char* fremd : {"Platz 00.csv", "Platz 100.csv", "liste.txt"})
        testing_support::writeFile(ordner + fremd, readFile(ordner + "Platz 03.csv"));

    netz::Uebersicht u = heute();
    EXPECT_EQ(u.schlechteZeilen, 2);
    ASSERT_EQ(u.stationen.size(), 2u);
    const netz::StationZeile& s3 = u.stationen[0];
    EXPECT_EQ(std::make_tuple(s3.platz, s3.fragen, s3.ersterVersuch, s3.zweiterVersuch, s3.niveau),
              std::make_tuple(3, 2, 1, 0, 45.0));
    const netz::StationZeile& s12 = u.stationen[1];
    EXPECT_EQ(std::make_tuple(s12.platz, s12.fragen, s12.ersterVersuch, s12.zweiterVersuch, s12.niveau),
              std::make_tuple(12, 3, 1, 1, 33.0));  // the latest answer's level, not the last line's
    ASSERT_EQ(u.bereiche.size(), 2u);
    EXPECT_EQ(u.bereiche[0].bereich, "Instrumente");
    EXPECT_EQ(std::make_tuple(u.bereiche[0].fragen, u.bereiche[0].ersterVersuch), std::make_tuple(2, 0));
    EXPECT_EQ(u.bereiche[1].bereich, oper);
    EXPECT_EQ(
        std::make_tuple(u.bereiche[1].fragen, u.bereiche[1].ersterVersuch, u.bereiche[1].zweiterVersuch),
        std::make_tuple(3, 2, 1));
    ASSERT_EQ(u.schwerste.size(), 1u);
    EXPECT_EQ(std::make_tuple(u.schwerste[0].nummer, u.schwerste[0].falsch, u.schwerste[0].fragen),
              std::make_tuple(102, 2, 2));
    EXPECT_EQ(u.schwerste[0].text, "Frage 102");

    // The export: byte-order mark, semicolons, decimal commas, quoted texts.
    EXPECT_EQ(netz::CsvExport(u, kHeute, kHeute),
              readFile(testing_support::golden("class-results/export.csv")));

    // Clearing the days before today leaves today's lines and the unreadable ones.
    EXPECT_EQ(netz::AeltereLoeschen(share, kHeute), 1);
    EXPECT_EQ(readFile(ordner + "Platz 03.csv").find("2026-12-06"), std::string::npos);
    EXPECT_EQ(heute().stationen.size(), 2u);
    EXPECT_NE(readFile(ordner + "Platz 12.csv").find("Notiz der Lehrerin"), std::string::npos);
}

TEST_F(Ergebnisse, LinesWaitLocallyWhileTheShareIsAwayAndGoInOnceWithoutDuplicates) {
    const std::string weg = home.root() + "aus/";  // the server is off
    EXPECT_FALSE(station3.Schreiben(weg, 3, zeile(9, 101, "Oper", 1)));
    EXPECT_FALSE(station3.Schreiben(weg, 3, zeile(10, 102, "Oper", 0)));
    EXPECT_FALSE(fs::exists(weg));
    EXPECT_EQ(readFile(station3.WarteDatei()),
              netz::ZeileText(zeile(9, 101, "Oper", 1)) + netz::ZeileText(zeile(10, 102, "Oper", 0)));

    fs::create_directories(weg);  // back
    EXPECT_TRUE(station3.Schreiben(weg, 3, zeile(11, 103, "Oper", 2)));
    EXPECT_TRUE(station3.Schreiben(weg, 3, zeile(12, 104, "Oper", 2)));
    EXPECT_EQ(readFile(netz::ErgebnisDatei(weg, 3)),
              netz::ZeileText(zeile(9, 101, "Oper", 1)) + netz::ZeileText(zeile(10, 102, "Oper", 0)) +
                  netz::ZeileText(zeile(11, 103, "Oper", 2)) + netz::ZeileText(zeile(12, 104, "Oper", 2)));
    EXPECT_FALSE(fsys::exists(station3.WarteDatei()));
}
