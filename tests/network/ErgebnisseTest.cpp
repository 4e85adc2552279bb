// Class results: two stations write their own files on one share, the overview
// sums exactly their lines of the chosen days, damaged lines are counted and
// skipped, lines wait locally while the share is away, the CSV export and the
// clearing of old lines.
#include <gtest/gtest.h>

#include <filesystem>

#include "network/Ergebnisse.h"
#include "services/FileSys.h"
#include "tests/support/TestSupport.h"

using testing_support::readFile;
using testing_support::TempHome;
namespace fs = std::filesystem;

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
